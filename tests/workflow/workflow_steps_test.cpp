// The workflow's step tables and the rules read from them: titles, help topics, allowed commands,
// view layouts, hidden loop parameters, and the rounding the loop analysis uses.

#include <gtest/gtest.h>

#include "tests/workflow/WorkflowFixture.h"
#include "workflow/WorkflowSteps.h"

namespace {

using namespace Tarvik;
using TarvikTest::WorkflowTest;

class WorkflowSteps : public WorkflowTest {
protected:
    // The workflow on (kind 1 small, 2 large) or off (kind 0), at step-dialog id step with analysis
    // type type.
    void Use(std::int32_t kind, std::int32_t step = 1, std::int32_t type = 0) {
        const ModelPtr setup = Model<kSetupModel>();
        SetModelParam<34>(setup, kind != 0);
        SetModelParam<0>(setup, kind);
        SetModelParam<25>(Model<kWorkflowViewModel>(), step);
        SetModelParam<20>(Model<kAnalysisModel>(), type);
    }

    std::string Titles() {
        std::string text;
        for (std::int32_t index = -1; index <= 8; ++index)
            text += GetWorkflowStepTitle(*document, index).ToUtf8() + "|";
        return text;
    }
};

TEST_F(WorkflowSteps, TitlesFollowTheTableOfTheWorkflowKind) {
    Use(1);
    EXPECT_EQ(Titles(),
              "|Setup Tarvik|Pressure calibration|Conductance calibration|Sampling|Cuvette calibration|"
              "Saline calibration|Alpha calibration|Analyze||");
    Use(2);
    EXPECT_EQ(Titles(), "|Setup Tarvik|Pressure calibration|Volume calibration|Sampling|Saline calibration|"
                        "Alpha calibration|Analyze|||");
    Use(0);
    EXPECT_EQ(Titles(), "|Setup Tarvik|||||||||");
    SetModelParam<34>(Model<kSetupModel>(), true); // on, but no kind chosen
    EXPECT_EQ(Titles(), "|Setup Tarvik|||||||||");
}

TEST_F(WorkflowSteps, HelpTopicsByStepDialogId) {
    const auto topics = [&] {
        std::string text;
        for (std::int32_t step = 0; step <= 10; ++step)
            text += GetWorkflowHelpTopic(*document, step).ToUtf8() + " ";
        return text;
    };
    Use(1);
    EXPECT_EQ(topics(),
              "pv_workflows pv_setup_tarvik_small pv_pressure_calibration_small "
              "pv_conductance_calibration_small pv_sampling_small pv_cuvette_calibration_small "
              "pv_saline_calibration_small pv_analyze_small pv_alpha_calibration_small pv_workflows "
              "pv_workflows ");
    Use(2);
    EXPECT_EQ(topics(), "pv_workflows pv_setup_tarvik_large pv_pressure_calibration_large pv_workflows "
                        "pv_sampling_large pv_workflows pv_saline_calibration_large pv_analyze_large "
                        "pv_alpha_calibration_large pv_volume_calibration_large pv_workflows ");
    Use(0);
    EXPECT_EQ(topics(), "pv_workflows pv_workflows pv_workflows pv_workflows pv_workflows pv_workflows "
                        "pv_workflows pv_workflows pv_workflows pv_workflows pv_workflows ");
    ASSERT_NE(GetWorkflowStepRow(2, 9), nullptr);
    EXPECT_EQ(GetWorkflowStepRow(2, 9)->modelId, 11u) << "step-dialog 9 shows model 11";
    EXPECT_EQ(GetWorkflowStepRow(1, 8)->modelId, 10u);
    EXPECT_EQ(GetWorkflowStepRow(1, 9), nullptr);
    EXPECT_EQ(GetWorkflowStepRow(7, 1)->title, 430u) << "any other kind: the default row";
}

TEST_F(WorkflowSteps, CommandsAllowedInEachStep) {
    // Per command, the steps that allow it with analysis type 0 and with type 1.
    struct Rule {
        WORD command;
        const char* type0;
        const char* type1;
    } rules[] = {
        {14, "78", "78"},
        {21, "678", "678"},
        {22, "56", "567"},
        {23, "7", "7"},
        {24, "7", "7"},
        {25, "7", "7"},
        {26, "7", "7"},
        {27, "6", "6"},
        {28, "5", "5"},
        {13, "123456789", "123456789"},
        {99, "123456789", "123456789"},
    };
    for (std::int32_t kind : {1, 2})
        for (std::int32_t type : {0, 1})
            for (std::int32_t step = 1; step <= 9; ++step) {
                Use(kind, step, type);
                for (const Rule& rule : rules) {
                    const bool expected =
                        std::string(type == 0 ? rule.type0 : rule.type1).find(char('0' + step)) !=
                        std::string::npos;
                    EXPECT_EQ(IsCommandAllowedInStep(
                                  *document, MakeMessageId(MessageSpace(TarvikDocumentGUID), rule.command)),
                              expected)
                        << "command " << rule.command << " step " << step << " type " << type;
                }
            }
    for (std::int32_t step = 1; step <= 9; ++step) {
        Use(0, step, 0);
        for (const Rule& rule : rules)
            EXPECT_TRUE(IsCommandAllowedInStep(*document,
                                               MakeMessageId(MessageSpace(TarvikDocumentGUID), rule.command)))
                << "workflow off";
    }
    Use(1, 7, 0);
    EXPECT_TRUE(IsCommandAllowedInStep(*document, MakeMessageId(0x8001, 22))) << "another space's command";
}

TEST_F(WorkflowSteps, ViewLayoutsOfTheSteps) {
    const auto layout = [&](std::int32_t kind, std::int32_t step, std::int32_t type) {
        Use(kind, step, type);
        std::vector<ViewPlacement> list{{1, 1, 1, 1, 1}};
        BuildStepViewLayout(*document, list);
        std::string text;
        for (const ViewPlacement& view : list) {
            const std::string kind = (view.viewKind >> 16) == MessageSpace(HostMsgGuidC203)
                                         ? "strev"
                                         : std::to_string(view.viewKind & 0xFFFF);
            text += kind + ":" + std::to_string(view.left) + "," + std::to_string(view.top) + "," +
                    std::to_string(view.right) + "," + std::to_string(view.bottom) + " ";
        }
        return text;
    };
    EXPECT_EQ(layout(1, 5, 0), "11:0,0,100,50 strev:0,50,100,100 ");
    EXPECT_EQ(layout(1, 6, 0), "8:0,0,50,60 4:50,0,100,60 strev:0,60,100,100 ");
    EXPECT_EQ(layout(2, 7, 0), "2:0,0,100,50 4:0,50,40,100 strev:40,50,100,100 ");
    EXPECT_EQ(layout(2, 8, 1), "2:0,0,100,50 4:0,50,40,100 strev:40,50,100,100 ");
    EXPECT_EQ(layout(1, 7, 1), "5:0,0,33,50 9:33,0,66,50 10:66,0,100,50 4:0,50,40,100 strev:40,50,100,100 ");
    EXPECT_EQ(layout(1, 7, 2), "");
    EXPECT_EQ(layout(1, 1, 0), "");
    EXPECT_EQ(layout(0, 5, 0), "") << "workflow off";
}

TEST_F(WorkflowSteps, TheTableHidesPvaPeAndCeInTheBaselineAnalysisOnly) {
    std::vector<std::int32_t> hidden{99};
    Use(1, 7, 0);
    GetHiddenLoopParamIds(*document, hidden);
    EXPECT_EQ(hidden, (std::vector<std::int32_t>{26, 27, 28}));
    Use(2, 3, 1);
    GetHiddenLoopParamIds(*document, hidden);
    EXPECT_TRUE(hidden.empty());
    Use(0, 7, 0);
    GetHiddenLoopParamIds(*document, hidden);
    EXPECT_TRUE(hidden.empty());
}

TEST(RoundToNearestWithRemainderTest, RoundsHalvesUpAndTruncatesBelowMinusAHalf) {
    struct Case {
        double x;
        std::int32_t n;
        float remainder;
    } cases[] = {{2.4, 2, 0.4f},    {2.5, 3, -0.5f},   {-0.6, 0, -0.6f},
                 {-2.5, -2, -0.5f}, {-1.7, -1, -0.7f}, {0.0, 0, 0.0f}};
    for (const Case& c : cases) {
        const RoundedWithRemainder r = RoundToNearestWithRemainder(c.x);
        EXPECT_EQ(r.n, c.n) << c.x;
        EXPECT_EQ(r.remainder, c.remainder) << c.x;
    }
    EXPECT_EQ(RoundToNearestWithRemainder(std::nan("")).n, INT32_MIN) << "as Windows converts a NaN";
}

} // namespace

// The workflow panel: one accordion section per step of the current workflow,
// the step's dialog made in the section that opens, the open step recorded in
// the workflow-view model, and each step's state in its section's header.

#include "controls/WindowText.h"
#include "core/NumericHelpers.h"
#include "dialogs/WorkflowPanel.h"
#include "platform/user/scrollbar.h"
#include "tests/dialogs/StepDialogFixture.h"

namespace {

using namespace Tarvik;

class Panel : public TarvikTest::StepDialogTest {
protected:
    void SetUp() override {
        StepDialogTest::SetUp();
        document = &OpenWithSetUp();
    }
    void TearDown() override {
        if (panel && panel->m_hWnd != nullptr)
            panel->DestroyWindow();
        panel.reset();
        WorkflowPanel::SetHelpHandler(nullptr);
        StepDialogTest::TearDown();
    }
    void Make() {
        panel = std::make_unique<WorkflowPanel>(*document);
        ASSERT_NE(panel->Create(section->GetHandle(), RECT{0, 0, 300, 400}), nullptr);
        Pump();
    }
    void Pump() {
        for (int i = 0; i < 20; ++i) {
            user::Desktop::Current().Clock().Advance(20);
            user::Desktop::Current().Pump();
        }
    }
    std::vector<std::u16string> Titles() {
        std::vector<std::u16string> titles;
        for (std::size_t i = 0; i < panel->SectionCount(); ++i)
            titles.push_back(GetWindowTextString(panel->Section(i).m_hWnd));
        return titles;
    }
    void SetKind(std::int32_t kind) {
        const ModelPtr setup = document->FindModel();
        SetModelParam<34>(setup, true);
        SetModelParam<0>(setup, kind);
        setup->CommitChange();
        Pump();
    }
    void OpenSection(std::size_t index) {
        panel->Section(index).Expand(true);
        Pump();
    }
    HWND Content(std::size_t index) { return panel->Section(index).Content(); }
    std::int32_t OpenStep() { return GetModelParam<25>(document->GetModel(kWorkflowViewModel)); }

    std::unique_ptr<WorkflowPanel> panel;
};

TEST_F(Panel, ListsTheStepsOfEachWorkflow) {
    SetModelParam<34>(document->FindModel(), false);
    document->FindModel()->CommitChange();
    Make();
    EXPECT_EQ(Titles(), std::vector<std::u16string>{u"Setup Tarvik"}) << "the workflow off";

    SetKind(1);
    EXPECT_EQ(Titles(),
              (std::vector<std::u16string>{u"Setup Tarvik", u"Pressure calibration",
                                           u"Conductance calibration", u"Sampling", u"Cuvette calibration",
                                           u"Saline calibration", u"Alpha calibration", u"Analyze"}));
    SetKind(2);
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{
                            u"Setup Tarvik", u"Pressure calibration", u"Volume calibration", u"Sampling",
                            u"Saline calibration", u"Alpha calibration", u"Analyze"}));
    for (std::size_t i = 0; i < panel->SectionCount(); ++i)
        EXPECT_EQ(GetDlgCtrlID(panel->Section(i).m_hWnd), static_cast<int>(113 + i));
}

TEST_F(Panel, OpeningASectionMakesItsStepDialogAndRecordsTheStep) {
    SetKind(2);
    Make();
    OpenSection(1);
    ASSERT_NE(Content(1), nullptr) << "the pressure calibration dialog";
    EXPECT_NE(GetDlgItem(Content(1), 1079), nullptr);
    EXPECT_EQ(OpenStep(), 2);

    OpenSection(0);
    EXPECT_FALSE(panel->Section(1).IsExpanded()) << "one section open at a time";
    Pump();
    EXPECT_EQ(Content(1), nullptr) << "a closed section's dialog is gone";
    ASSERT_NE(Content(0), nullptr);
    EXPECT_EQ(OpenStep(), 1);

    OpenSection(2);
    ASSERT_NE(Content(2), nullptr) << "the volume calibration dialog";
    EXPECT_NE(GetDlgItem(Content(2), 1127), nullptr);
    EXPECT_EQ(OpenStep(), 9);
    OpenSection(0);

    // A new panel opens the recorded step again.
    panel->DestroyWindow();
    Make();
    EXPECT_TRUE(panel->Section(0).IsExpanded());
}

TEST_F(Panel, ChangingTheWorkflowKeepsTheOpenSetupStep) {
    SetKind(1);
    Make();
    OpenSection(0);
    HWND setup = Content(0);
    ASSERT_NE(setup, nullptr);
    SendDlgItemMessageW(setup, 1070, CB_SETCURSEL, 1, 0);
    SendMessageW(setup, WM_COMMAND, MAKEWPARAM(1070, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(setup, 1070)));
    Pump();
    EXPECT_EQ(GetModelParam<0>(document->FindModel()), 2);
    EXPECT_EQ(panel->SectionCount(), 7u);
    EXPECT_EQ(Content(0), setup) << "the set-up section and its dialog stay";
    EXPECT_EQ(GetWindowTextString(panel->Section(2).m_hWnd), u"Volume calibration");
}

TEST_F(Panel, EachSectionShowsWhetherItsStepCanBeApplied) {
    SetKind(1);
    Make();
    EXPECT_TRUE(panel->Section(0).IsDone()) << "the set-up of the recording is complete";
    EXPECT_FALSE(panel->Section(1).IsDone()) << "no pressure calibration values";

    // The pressure step becomes applicable while its section is closed.
    const ModelPtr pressure = document->GetModel(kPressureModel);
    SetModelParam<3>(pressure, 0.0);
    SetModelParam<4>(pressure, 0.0);
    SetModelParam<5>(pressure, 1.0);
    SetModelParam<6>(pressure, 100.0);
    SetModelParam<7>(pressure, true);
    pressure->CommitChange();
    Pump();
    EXPECT_TRUE(panel->Section(1).IsDone());
    SetModelParam<6>(pressure, EmptyValue());
    pressure->CommitChange();
    Pump();
    EXPECT_FALSE(panel->Section(1).IsDone());
}

TEST_F(Panel, TileViewsHelpAndClose) {
    SetKind(1);
    Make();
    const ModelPtr workflow = document->GetModel(kWorkflowViewModel);
    const bool tiled = GetModelParam<26>(workflow);
    user::Click(GetDlgItem(panel->m_hWnd, 1), {3, 3});
    Pump();
    EXPECT_EQ(GetModelParam<26>(workflow), !tiled);

    std::vector<std::u16string> help;
    WorkflowPanel::SetHelpHandler([&](const Ovo::String& topic, const Ovo::String& file) {
        help.push_back(topic.ToU16String() + u" in " + file.ToU16String());
    });
    OpenSection(6);
    user::Click(GetDlgItem(panel->m_hWnd, 2), {3, 3});
    Pump();
    EXPECT_EQ(help, std::vector<std::u16string>{u"pv_alpha_calibration_small in TarvikHelp"});
}

TEST_F(Panel, ScrollingStaysWithinTheContent) {
    SetKind(1);
    Make();
    AccordionLayout& layout = panel->Layout();
    RECT client{};
    GetClientRect(layout.m_hWnd, &client);
    const int most = std::max(0, layout.ContentHeight() - static_cast<int>(client.bottom));
    ASSERT_GT(most, 0) << "8 sections overflow the panel";
    const struct {
        int request, track, expected;
    } steps[] = {
        {SB_LINEUP, 0, 0},
        {SB_LINEDOWN, 0, 1},
        {SB_PAGEDOWN, 0, std::min(most, 1 + static_cast<int>(client.bottom))},
        {SB_THUMBTRACK, 5, 5},
        {SB_BOTTOM, 0, 5},
        {SB_THUMBTRACK, 100000, most},
        {SB_PAGEUP, 0, std::max(0, most - static_cast<int>(client.bottom))},
        {SB_TOP, 0, 0},
    };
    for (const auto& step : steps) {
        layout.Scroll(step.request, step.track);
        EXPECT_EQ(layout.ScrollPosition(), step.expected) << step.request;
    }
}

} // namespace

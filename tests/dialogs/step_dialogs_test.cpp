// The step dialogs as the workflow panel hosts them: made by their step-dialog
// id over the document's step model, showing the model's values, writing what
// the user enters into the model and redrawing from the model's notifications.

#include <cmath>

#include "core/NumberText.h"
#include "core/NumericHelpers.h"
#include "tests/dialogs/StepDialogFixture.h"

namespace {

using namespace Tarvik;
using TarvikTest::OpenBalloons;

class StepDialogs : public TarvikTest::StepDialogTest {
protected:
    void SetUp() override {
        StepDialogTest::SetUp();
        document = &OpenWithSetUp();
    }
    template <ModelParamId P> void Commit(std::int32_t model, const ModelParamType<P>& value) {
        const ModelPtr m = document->GetModel(model);
        SetModelParam<P>(m, value);
        m->CommitChange();
        user::Desktop::Current().Pump();
    }
    static bool Has(const std::vector<std::u16string>& list, const std::u16string& text) {
        return std::find(list.begin(), list.end(), text) != list.end();
    }
};

TEST_F(StepDialogs, AnIdWithoutADialogGivesNoWindow) {
    for (int id : {0, 10, -1})
        EXPECT_EQ(Open(id), nullptr) << id;
}

TEST_F(StepDialogs, TheSetupStepShowsAndChoosesTheWorkflowAndChannels) {
    const ModelPtr setup = document->FindModel();
    ASSERT_NE(Open(1), nullptr);
    EXPECT_EQ(GetParent(dialog), section->GetHandle());
    EXPECT_EQ(SendDlgItemMessageW(dialog, 1005, CB_GETCOUNT, 0, 0), 3) << "every channel of the recording";
    EXPECT_EQ(SendDlgItemMessageW(dialog, 1006, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(Selected(1005), 0);
    EXPECT_EQ(Selected(1006), 1);
    EXPECT_EQ(Selected(1070), GetModelParam<0>(setup) - 1);

    Choose(1070, 1);
    EXPECT_EQ(GetModelParam<0>(setup), 2) << "Large mammal";
    Choose(1006, 2);
    EXPECT_EQ(GetModelParam<2>(setup), 2u);
    EXPECT_EQ(GetModelParam<1>(setup), 0u) << "the same channel twice is not refused here";

    // A change from elsewhere reaches the dialog through the model's notification.
    Commit<1>(kSetupModel, 0x80000000u);
    EXPECT_EQ(Selected(1005), -1) << "no channel: no selection";
    Commit<0>(kSetupModel, 0);
    EXPECT_EQ(Selected(1070), -1);
}

TEST_F(StepDialogs, PressureBaseValuesAreStoredWithoutTheChannelPrefixAndTypingIsKept) {
    Commit<1>(kSetupModel, 2u); // the ECG channel, in mV
    const ModelPtr pressure = document->GetModel(kPressureModel);
    ASSERT_NE(Open(2), nullptr);
    EXPECT_EQ(Text(1109), u"mV");
    EXPECT_EQ(Text(1110), u"mV");
    EXPECT_EQ(Text(1083), u"mmHg");

    Type(1079, u"5");
    EXPECT_DOUBLE_EQ(GetModelParam<3>(pressure), 0.005);
    EXPECT_EQ(Text(1079), u"5");
    Type(1078, u"1.");
    EXPECT_DOUBLE_EQ(GetModelParam<4>(pressure), 1.0);
    EXPECT_EQ(Text(1078), u"1.") << "the notification of the user's own change leaves the text as typed";
    Type(1081, u"abc");
    EXPECT_TRUE(IsNotANumberValue(GetModelParam<5>(pressure)));
    EXPECT_EQ(Text(1081), u"abc");

    // A change from elsewhere is shown in the channel's unit.
    Commit<5>(kPressureModel, 0.25);
    EXPECT_EQ(Text(1081), u"250");
    Commit<4>(kPressureModel, 100.0);
    EXPECT_EQ(Text(1078), u"100");
}

TEST_F(StepDialogs, ApplyingPressureCalibrationFollowsTheModelsChecks) {
    const ModelPtr pressure = document->GetModel(kPressureModel);
    ASSERT_NE(Open(2), nullptr);

    // Values missing: the model cannot apply; the box is unchecked again and the message shown.
    Click(1077);
    EXPECT_FALSE(Checked(1077));
    EXPECT_FALSE(GetModelParam<7>(pressure));
    EXPECT_TRUE(Has(OpenBalloons(), u"Can't Apply Calibration"));

    // Equal base values: the validation refuses before anything is stored.
    Type(1079, u"1");
    Type(1081, u"1");
    Type(1078, u"0");
    Type(1080, u"100");
    Click(1077);
    EXPECT_FALSE(Checked(1077));
    EXPECT_FALSE(GetModelParam<7>(pressure));
    EXPECT_TRUE(Has(OpenBalloons(), u"Invalid Calibration Value"));
    ASSERT_FALSE(section->messages.empty());
    EXPECT_EQ(section->messages.back(),
              u"Invalid Calibration Value | The base pressure values cannot be equal.");

    // An incomplete set-up step: stored, then taken back.
    Type(1081, u"2");
    Click(1077);
    EXPECT_FALSE(Checked(1077));
    EXPECT_FALSE(GetModelParam<7>(pressure));
    EXPECT_TRUE(Has(OpenBalloons(), u"Can't Apply Calibration"));

    // Valid: applied, and the section turns ready.
    Commit<0>(kSetupModel, 1);
    Click(1077);

    EXPECT_TRUE(Checked(1077));
    EXPECT_TRUE(GetModelParam<7>(pressure));
    ASSERT_FALSE(section->ready.empty());
    EXPECT_TRUE(section->ready.back());
    EXPECT_TRUE(section->messages.back().empty()) << "the message is cleared";

    // Emptying a value withdraws the calibration.
    Type(1080, u"");
    EXPECT_TRUE(IsEmptyValue(GetModelParam<6>(pressure)));
    EXPECT_FALSE(GetModelParam<7>(pressure));
    EXPECT_FALSE(Checked(1077));
}

TEST_F(StepDialogs, ClosingADialogDiscardsValuesThatDoNotValidate) {
    const ModelPtr pressure = document->GetModel(kPressureModel);
    ASSERT_NE(Open(2), nullptr);
    Type(1079, u"3");
    Type(1081, u"3"); // equal base values: not published
    EXPECT_DOUBLE_EQ(GetModelParam<5>(pressure), 3.0);
    Close();
    EXPECT_TRUE(IsEmptyValue(GetModelParam<5>(pressure))) << "back to the last published state";
    ASSERT_NE(Open(2), nullptr);
    EXPECT_EQ(Text(1079), u"3");
    EXPECT_EQ(Text(1081), u"");
}

TEST_F(StepDialogs, SetFromSelectionNeedsASelectionOnThePressureChannel) {
    const ModelPtr pressure = document->GetModel(kPressureModel);
    ASSERT_NE(Open(2), nullptr);
    Click(1076);
    EXPECT_TRUE(Has(OpenBalloons(), u"No Pressure Selection"));
    EXPECT_TRUE(IsEmptyValue(GetModelParam<5>(pressure)));

    recordingDocument->setSelection(std::make_pair(HostTickPosition{1, 100}, HostTickPosition{1, 400}));
    Click(1076);
    const double mean = GetModelParam<5>(pressure);
    EXPECT_GT(mean, 5.0) << "the selection's mean in mmHg";
    EXPECT_LT(mean, 150.0);
    EXPECT_EQ(Text(1081), FormatDoubleForDisplay(mean).ToU16String());
}

TEST_F(StepDialogs, TheSamplingLabelFollowsTheHostAndTheLaunchRowNeedsTheControlSoftware) {
    ASSERT_NE(Open(2), nullptr);
    EXPECT_EQ(Text(1105), u"Start sampling:");
    EXPECT_FALSE(IsWindowEnabled(Control(1104)));
    EXPECT_FALSE(IsWindowEnabled(Control(1112)));
    Close();
    recordingDocument->setBusy(true);
    ASSERT_NE(Open(2), nullptr);
    EXPECT_EQ(Text(1105), u"Stop sampling:");
    recordingDocument->setBusy(false);
}

TEST_F(StepDialogs, ConductanceValuesFollowTheChannelAndTheChosenUnit) {
    Commit<2>(kSetupModel, 2u); // the second channel in mV
    const ModelPtr conductance = document->GetModel(kConductanceModel);
    ASSERT_NE(Open(3), nullptr);
    EXPECT_EQ(Text(1109), u"mV");
    EXPECT_EQ(Text(1084), u"mS");
    EXPECT_EQ(Selected(1106), 0);

    Type(1079, u"5");
    EXPECT_DOUBLE_EQ(GetModelParam<8>(conductance), 0.005);
    Type(1107, u"2");
    EXPECT_DOUBLE_EQ(GetModelParam<9>(conductance), 0.002);
    Choose(1106, 1); // "RVU", without prefix: the number shown stays and now means RVU
    EXPECT_EQ(Text(1107), u"2");
    EXPECT_DOUBLE_EQ(GetModelParam<9>(conductance), 2.0);
    EXPECT_EQ(Text(1084), u"RVU");

    Type(1081, u"1");
    Type(1108, u"10");
    Commit<12>(kConductanceModel, true);
    EXPECT_TRUE(Checked(1077));
    Type(1108, u"");
    EXPECT_TRUE(IsEmptyValue(GetModelParam<11>(conductance)));
    EXPECT_FALSE(GetModelParam<12>(conductance)) << "an emptied value withdraws the calibration";
    EXPECT_FALSE(Checked(1077));
    EXPECT_EQ(Text(1108), u"");
}

TEST_F(StepDialogs, VolumeCalibrationKeepsItsOwnParameterOrder) {
    const ModelPtr volume = document->GetModel(kVolumeModel);
    ASSERT_NE(Open(9), nullptr);
    Choose(1106, 0);
    EXPECT_EQ(Text(1084), u"\u00B5L");
    Type(1127, u"250");
    EXPECT_DOUBLE_EQ(GetModelParam<52>(volume), 0.00025);
    Choose(1106, 1); // mL
    EXPECT_EQ(Text(1127), u"250");
    EXPECT_DOUBLE_EQ(GetModelParam<52>(volume), 0.25);

    Commit<53>(kVolumeModel, 0.5);
    EXPECT_EQ(Text(1128), u"500");
    EXPECT_EQ(Text(1081), u"") << "parameter 53 is the second known volume, not the second sampled value";

    Click(1075);
    EXPECT_TRUE(Has(OpenBalloons(), u"No Volume Selection"));
}

TEST_F(StepDialogs, TheSamplingStepTellsWhatToSampleAndMarksSamplingComplete) {
    const ModelPtr sampling = document->GetModel(kSamplingModel);
    for (std::int32_t kind : {1, 2}) {
        Commit<34>(kSetupModel, true);
        Commit<0>(kSetupModel, kind);
        ASSERT_NE(Open(4), nullptr);
        EXPECT_EQ(Text(1074).find(u"cuvette well") != std::u16string::npos, kind == 1) << kind;
        EXPECT_EQ(Text(1093), u"Start sampling:");
        Close();
    }
    ASSERT_NE(Open(4), nullptr);
    Click(1077);
    EXPECT_TRUE(GetModelParam<14>(sampling));
    EXPECT_TRUE(Checked(1077));
    Click(1077);
    EXPECT_FALSE(GetModelParam<14>(sampling));
}

TEST_F(StepDialogs, CuvetteSlopeAndInterceptAreScaledByTheirUnits) {
    const ModelPtr cuvette = document->GetModel(kCuvetteModel);
    Commit<33>(kCuvetteModel, Ovo::Unit(L"L", L'\u00B5'));
    Commit<13>(kConductanceModel, Ovo::Unit(L"S", L'm'));
    ASSERT_NE(Open(5), nullptr);
    EXPECT_EQ(Text(1111), u"\u00D7 1 mS +");
    Type(1113, u"2");
    EXPECT_DOUBLE_EQ(GetModelParam<15>(cuvette), 0.002);
    Type(1114, u"3.");
    EXPECT_DOUBLE_EQ(GetModelParam<16>(cuvette), 3e-6);
    EXPECT_EQ(Text(1114), u"3.");
    Type(1114, u"xyz");
    EXPECT_TRUE(IsNotANumberValue(GetModelParam<16>(cuvette)));
    EXPECT_EQ(Text(1114), u"xyz");
    Click(1077);
    EXPECT_FALSE(Checked(1077));
    EXPECT_TRUE(Has(OpenBalloons(), u"Not A Number"));

    Commit<15>(kCuvetteModel, 0.004);
    Commit<16>(kCuvetteModel, 5e-6);
    EXPECT_EQ(Text(1113), u"4");
    EXPECT_EQ(Text(1114), u"5");
}

TEST_F(StepDialogs, AlphaIsTheCatheterValueOverTheReference) {
    const ModelPtr alpha = document->GetModel(kAlphaModel);
    Commit<44>(kAlphaModel, 0);
    ASSERT_NE(Open(8), nullptr);
    EXPECT_EQ(Selected(1115), -1) << "no source chosen";
    EXPECT_EQ(Text(1116), u"");

    Choose(1115, 1); // "Cardiac Output"
    EXPECT_EQ(GetModelParam<44>(alpha), 1);
    EXPECT_EQ(Text(1116), u"CO[Corvane]:");
    EXPECT_EQ(Text(1120), u"CO[Ref]:");
    Type(1117, u"9");
    Type(1121, u"10");
    EXPECT_DOUBLE_EQ(GetModelParam<45>(alpha), 9.0);
    EXPECT_DOUBLE_EQ(GetModelParam<46>(alpha), 10.0);
    EXPECT_DOUBLE_EQ(GetModelParam<42>(alpha), 0.9);
    EXPECT_EQ(Text(1123), u"= 0.9");
    Type(1121, u"0");
    EXPECT_TRUE(IsEmptyValue(GetModelParam<42>(alpha)));
    EXPECT_EQ(Text(1123), u"");

    // Another source shows its own values, and alpha follows them.
    Commit<47>(kAlphaModel, 3.0);
    Commit<48>(kAlphaModel, 4.0);
    Choose(1115, 0); // "Stroke Volume"
    EXPECT_EQ(GetModelParam<44>(alpha), 2);
    EXPECT_EQ(Text(1116), u"SV[Corvane]:");
    EXPECT_EQ(Text(1117), u"3");
    EXPECT_EQ(Text(1121), u"4");
    EXPECT_DOUBLE_EQ(GetModelParam<42>(alpha), 0.75);
}

TEST_F(StepDialogs, TheAnalyseStepChoosesTheTypeAndAnalyses) {
    const ModelPtr analysis = document->GetModel(kAnalysisModel);
    Commit<20>(kAnalysisModel, 7);
    ASSERT_NE(Open(7), nullptr);
    EXPECT_EQ(Selected(1095), -1);
    EXPECT_EQ(SendDlgItemMessageW(dialog, 1095, CB_GETCOUNT, 0, 0), 2);
    Choose(1095, 1);
    EXPECT_EQ(GetModelParam<20>(analysis), 1) << "Occlusion";
    Commit<20>(kAnalysisModel, 0);
    EXPECT_EQ(Selected(1095), 0);

    EXPECT_FALSE(GetModelParam<39>(document->FindModel()));
    Click(1098);
    EXPECT_TRUE(GetModelParam<39>(document->FindModel())) << "the document analysed";
    Click(1094); // the stand-in host has no analysis manager: nothing happens
}

} // namespace

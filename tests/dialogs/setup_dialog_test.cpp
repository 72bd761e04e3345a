// The set-up and workflow-mode dialogs as the document's Settings and Workflow
// Mode commands run them, answered by scripts that act on their controls.

#include <cmath>

#include "library/DocumentUiInstall.h"
#include "platform/user/Input.h"
#include "platform/user/combobox.h"
#include "platform/user/user.h"
#include "tests/document/CommandFixture.h"

namespace {

using namespace Tarvik;

enum : int {
    kPressure = 1003,
    kWhole = 1004,
    kSelection = 1005,
    kPeakHeight = 1006,
    kPeriod = 1007,
    kFromPressure = 1008,
    kFromEcg = 1009,
    kVolume = 1010,
    kQrs = 1011,
    kPeriodUnit = 1063,
};

class SetupDialog : public TarvikTest::CommandFixture {
protected:
    void SetUp() override {
        CommandFixture::SetUp();
        InstallDocumentUi();
    }
    user::ScriptedDialogs& Dialogs() { return user::Desktop::Current().Dialogs(); }

    static HWND Control(HWND dialog, int id) { return GetDlgItem(dialog, id); }
    static std::u16string Text(HWND dialog, int id) {
        WCHAR text[128];
        GetDlgItemTextW(dialog, id, text, 128);
        return text;
    }
    static int Selected(HWND dialog, int id) {
        return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
    }
    // Replaces an edit's text as the user does: focus, select all, delete, type.
    static void Type(HWND dialog, int id, std::u16string_view text) {
        SetFocus(Control(dialog, id));
        SendMessageW(Control(dialog, id), EM_SETSEL, 0, -1);
        user::PressKey(VK_DELETE);
        user::TypeText(text);
        user::Desktop::Current().Pump();
    }
    static void Click(HWND dialog, int id) {
        user::Click(Control(dialog, id), {3, 3});
        user::Desktop::Current().Pump();
    }
};

TEST_F(SetupDialog, OkCopiesTheSettingsIntoTheDocumentAndAnalyses) {
    TarvikDocument& document = OpenWithSetUp();
    const ModelPtr setup = document.FindModel();
    Dialogs().Script([](HWND dialog) {
        EXPECT_EQ(Selected(dialog, kPressure), 0);
        EXPECT_EQ(Selected(dialog, kVolume), 1);
        EXPECT_EQ(SendDlgItemMessageW(dialog, kPressure, CB_GETCOUNT, 0, 0), 3) << "the recording's channels";
        Click(dialog, kWhole);
        Click(dialog, kFromPressure);
        Type(dialog, kPeakHeight, u"25 mmHg");             // text after the number is ignored
        user::ChooseItem(Control(dialog, kPeriodUnit), 0); // "ms"
        user::Desktop::Current().Pump();
        Type(dialog, kPeriod, u"40");
        Click(dialog, IDOK);
    });
    ASSERT_EQ(Zar().CommandUI().Execute(Id(13)), S_OK);
    ASSERT_EQ(Dialogs().Shown().size(), 1u);
    EXPECT_EQ(Dialogs().Shown()[0].caption, u"Tarvik Settings ");
    EXPECT_EQ(GetModelParam<27>(setup), kWholeChannel);
    EXPECT_EQ(GetModelParam<28>(setup), 0);
    EXPECT_DOUBLE_EQ(GetModelParam<30>(setup), 25.0);
    EXPECT_DOUBLE_EQ(GetModelParam<31>(setup), 0.04);
    EXPECT_EQ(GetModelParam<32>(setup), 7);
    EXPECT_TRUE(GetModelParam<39>(setup)) << "the settings were analysed";
    EXPECT_NE(Formula(u"tarvik").find("CMPeakDet(ch1, 25, 0.04)"), std::string::npos) << Formula(u"tarvik");
}

TEST_F(SetupDialog, TheSameChannelTwiceKeepsTheDialogOpenAndCancelChangesNothing) {
    TarvikDocument& document = OpenWithSetUp();
    const ModelPtr setup = document.FindModel();
    const double peak = GetModelParam<30>(setup);
    user::Desktop::Current().MessageBoxes().Answer(IDOK);
    Dialogs().Script([](HWND dialog) {
        user::ChooseItem(Control(dialog, kVolume), 0);
        Type(dialog, kPeakHeight, u"33");
        Click(dialog, IDOK);
        EXPECT_TRUE(IsWindowVisible(dialog));
        Type(dialog, kPeakHeight, u"");
        Click(dialog, IDCANCEL);
    });
    ASSERT_EQ(Zar().CommandUI().Execute(Id(13)), S_OK);
    const auto& boxes = user::Desktop::Current().MessageBoxes().Shown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, u"Tarvik");
    EXPECT_NE(boxes[0].text.find(u"source channels are the same"), std::u16string::npos);
    EXPECT_EQ(GetModelParam<2>(setup), 1u);
    EXPECT_EQ(GetModelParam<30>(setup), peak);
}

TEST_F(SetupDialog, NumbersThatDoNotReadOrLieOutOfRangeRefuseOk) {
    OpenWithSetUp();
    Dialogs().Script([](HWND dialog) {
        for (const char16_t* bad : {u"", u"abc", u"1000.0001", u"-2"}) {
            Type(dialog, kPeakHeight, bad);
            Click(dialog, IDOK);
            EXPECT_TRUE(IsWindowVisible(dialog)) << std::u16string(bad).size();
        }
        Type(dialog, kPeakHeight, u"1000");
        user::ChooseItem(Control(dialog, kPeriodUnit), 1); // "s"
        user::Desktop::Current().Pump();
        Type(dialog, kPeriod, u"0.5");
        user::ChooseItem(Control(dialog, kPeriodUnit), 0); // "ms": the same period, 500
        user::Desktop::Current().Pump();
        EXPECT_EQ(Text(dialog, kPeriod), u"500");
        Click(dialog, IDOK);
    });
    ASSERT_EQ(Zar().CommandUI().Execute(Id(13)), S_OK);
    EXPECT_FALSE(IsWindow(Dialogs().Shown()[0].dialog));
}

TEST_F(SetupDialog, TheEcgRadioChoosesAHostEventChannelAsQrsSource) {
    TarvikDocument& document = OpenWithSetUp();
    ASSERT_EQ(recordingDocument->data().defineChannel(u"ecgwaves", u"ECG R waves", u"CMPeakDet(ch3, 0.5, 0)"),
              S_OK);
    Dialogs().Script([](HWND dialog) {
        EXPECT_TRUE(IsWindowEnabled(Control(dialog, kFromEcg)));
        ASSERT_EQ(SendDlgItemMessageW(dialog, kQrs, CB_GETCOUNT, 0, 0), 1)
            << "the module's own channel is left out";
        EXPECT_EQ(Text(dialog, kQrs), u"ECG R waves");
        Click(dialog, kFromEcg);
        EXPECT_FALSE(IsWindowEnabled(Control(dialog, kPeakHeight)));
        Click(dialog, IDOK);
    });
    ASSERT_EQ(Zar().CommandUI().Execute(Id(13)), S_OK);
    const ModelPtr setup = document.FindModel();
    EXPECT_EQ(GetModelParam<28>(setup), 1);
    EXPECT_EQ(GetModelParam<29>(setup).first, Ovo::String(u"ecgwaves"));
    EXPECT_NE(Formula(u"tarvik").find("PVEcgEdpDet(ecgwaves"), std::string::npos) << Formula(u"tarvik");
}

TEST_F(SetupDialog, TheWorkflowModeDialogSwitchesTheWorkflowAndDefaultsTheChannels) {
    TarvikDocument& document = OpenWithSetUp();
    const ModelPtr setup = document.FindModel();
    SetModelParam<34>(setup, true);
    SetModelParam<1>(setup, kNoChannel);
    SetModelParam<2>(setup, kNoChannel);
    setup->CommitChange();
    Dialogs().Script([](HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, 1069), BST_CHECKED);
        SendMessageW(GetDlgItem(dialog, 1069), BM_CLICK, 0, 0);
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    ASSERT_EQ(Zar().CommandUI().Execute(Id(32)), S_OK);
    EXPECT_TRUE(GetModelParam<34>(setup)) << "Cancel leaves the workflow on";
    Dialogs().Script([](HWND dialog) {
        SendMessageW(GetDlgItem(dialog, 1069), BM_CLICK, 0, 0);
        SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    ASSERT_EQ(Zar().CommandUI().Execute(Id(32)), S_OK);
    EXPECT_FALSE(GetModelParam<34>(setup));
    EXPECT_EQ(GetModelParam<1>(setup), 0u);
    EXPECT_EQ(GetModelParam<2>(setup), 1u);
    ASSERT_NE(View(12), nullptr) << "the workflow panel";
    EXPECT_EQ(Dialogs().Shown()[1].caption, u"Tarvik Workflow Mode");
}

} // namespace

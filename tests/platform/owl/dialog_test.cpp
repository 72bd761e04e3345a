// A framework dialog over a template: its children bound to the template's
// controls at WM_INITDIALOG, child notifications through the response table,
// OK held back by CanClose and Cancel closing at once.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/owl/TButton.h"
#include "platform/owl/TComboBox.h"
#include "platform/owl/TDialog.h"
#include "platform/owl/TEdit.h"
#include "platform/user/Desktop.h"
#include "platform/user/DialogTemplate.h"
#include "platform/user/Input.h"
#include "platform/user/user.h"

namespace {

constexpr int kName = 10, kUnit = 11, kWhole = 12, kPart = 13;

std::vector<BYTE> Template() {
    user::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE;
    t.cx = 160;
    t.cy = 100;
    t.caption = u"Choose";
    t.pointSize = 8;
    t.fontFace = u"MS Shell Dlg";
    t.items = {
        {u"Edit", u"", kName, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 5, 80, 12},
        {u"ComboBox", u"", kUnit, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 5, 20, 80, 50},
        {u"Button", u"&Whole", kWhole, WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 5, 40, 60,
         10},
        {u"Button", u"&Part", kPart, WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 52, 60, 10},
        {u"Button", u"OK", IDOK, WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 50, 80, 50, 14},
        {u"Button", u"Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 105, 80, 50, 14},
    };
    return t.Build();
}

class ChooseDialog : public OWL::TDialog {
public:
    explicit ChooseDialog(OWL::TWindow* parent) : TDialog(parent, Template()) {}

    std::vector<std::string> events;
    std::u16string accepted;

protected:
    void SetupWindow() override {
        TDialog::SetupWindow();
        unit->AddString(u"ms");
        unit->AddString(u"s");
        unit->SetSelIndex(0);
        whole->Check();
        events.push_back("setup");
    }
    bool CanClose() override {
        const bool ok = !name->GetText().empty();
        events.push_back(ok ? "can close" : "refused");
        if (ok)
            accepted = name->GetText() + u"/" + std::u16string(unit->GetSelIndex() == 1 ? u"s" : u"ms") +
                       (part->GetCheck() == OWL::BF_CHECKED ? u"/part" : u"/whole");
        return ok;
    }

private:
    void UnitChanged() { events.push_back("unit " + std::to_string(unit->GetSelIndex())); }
    void PartClicked() { events.push_back("part"); }

    OWL::TEdit* name = new OWL::TEdit(this, kName);
    OWL::TComboBox* unit = new OWL::TComboBox(this, kUnit);
    OWL::TRadioButton* whole = new OWL::TRadioButton(this, kWhole);
    OWL::TRadioButton* part = new OWL::TRadioButton(this, kPart);

    DECLARE_RESPONSE_TABLE(ChooseDialog);
};

DEFINE_RESPONSE_TABLE1(ChooseDialog, OWL::TDialog)
EV_CBN_SELCHANGE(kUnit, UnitChanged), EV_BN_CLICKED(kPart, PartClicked), END_RESPONSE_TABLE;

class OwlDialog : public ::testing::Test {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        frame.Attr = {WS_POPUP | WS_VISIBLE, 0, 0, 0, 600, 400, 0};
        ASSERT_TRUE(frame.Create());
    }
    void TearDown() override { user::Desktop::Reset(); }
    user::ScriptedDialogs& Scripts() { return user::Desktop::Current().Dialogs(); }
    OWL::TWindow frame{nullptr, u"frame"};
};

TEST_F(OwlDialog, OkWaitsForCanCloseAndTheChildrenReadTheTemplatesControls) {
    ChooseDialog dialog(&frame);
    Scripts().Script([](HWND hwnd) {
        SendMessageW(GetDlgItem(hwnd, IDOK), BM_CLICK, 0, 0); // refused: no name yet
        user::Desktop::Current().Pump();
        EXPECT_TRUE(IsWindowVisible(hwnd));
        SetFocus(GetDlgItem(hwnd, kName));
        user::TypeText(u"loop");
        user::ChooseItem(GetDlgItem(hwnd, kUnit), 1);
        user::Click(GetDlgItem(hwnd, kPart), {3, 3});
        user::PressKey(VK_RETURN);
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.accepted, u"loop/s/part");
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"setup", "refused", "unit 1", "part", "can close"}));
    EXPECT_EQ(dialog.GetHandle(), nullptr);
}

TEST_F(OwlDialog, CancelClosesWithoutAskingAndTheDialogRunsAgain) {
    ChooseDialog dialog(&frame);
    Scripts().Script([](HWND) { user::PressKey(VK_ESCAPE); });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    Scripts().Script([](HWND hwnd) {
        SetDlgItemTextW(hwnd, kName, u"again");
        SendMessageW(GetDlgItem(hwnd, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"setup", "setup", "can close"}));
    EXPECT_EQ(Scripts().Shown().at(0).owner, frame.GetHandle());
}

} // namespace

// The framework's scroll bar and edit controls, and an alias stacked on a
// window that has an object already.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/owl/TButton.h"
#include "platform/owl/TEdit.h"
#include "platform/owl/TGlyphButton.h"
#include "platform/owl/TScrollBar.h"
#include "platform/owl/TUpDown.h"
#include "platform/user/Desktop.h"
#include "platform/user/Input.h"
#include "platform/user/user.h"

namespace {

std::vector<std::string> calls;

class CountingBar : public OWL::TScrollBar {
public:
    using OWL::TScrollBar::TScrollBar;
    void SBLineDown() override {
        calls.push_back("line down");
        TScrollBar::SBLineDown();
    }
    void SBThumbTrack(int pos) override { calls.push_back("track " + std::to_string(pos)); }
};

class OwlControls : public ::testing::Test {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        calls.clear();
        frame.Attr = {WS_POPUP | WS_VISIBLE, 0, 0, 0, 300, 200, 0};
    }
    void TearDown() override { user::Desktop::Reset(); }
    OWL::TWindow frame{nullptr, u"frame"};
};

TEST_F(OwlControls, AScrollBarsActionsReachItsHandlersThroughItsParent) {
    auto* bar = new CountingBar(&frame, 100, 10, 10, 0, 120, false);
    ASSERT_TRUE(frame.Create());
    EXPECT_EQ(bar->GetStyle() & (WS_TABSTOP | SBS_VERT), WS_TABSTOP | SBS_VERT);
    EXPECT_EQ(bar->GetWindowRect().Width(), 17) << "the system's breadth";
    bar->SetRange(0, 50);
    bar->SetPosition(10);
    user::Click(*bar, {5, 115}); // the arrow at the end
    user::Desktop::Current().Pump();
    EXPECT_EQ(bar->GetPosition(), 11);
    bar->PageMagnitude = 5;
    SendMessageW(frame, WM_VSCROLL, MAKEWPARAM(SB_PAGEUP, 0), reinterpret_cast<LPARAM>(bar->GetHandle()));
    SendMessageW(frame, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 33),
                 reinterpret_cast<LPARAM>(bar->GetHandle()));
    SendMessageW(frame, WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), reinterpret_cast<LPARAM>(bar->GetHandle()));
    EXPECT_EQ(calls, (std::vector<std::string>{"line down", "track 33"}));
    EXPECT_EQ(bar->GetPosition(), 50);
    SCROLLINFO info{};
    bar->GetScrollInfo(&info, SIF_RANGE);
    EXPECT_EQ(info.nMax, 50);
}

TEST_F(OwlControls, AnEditsLimitCountsTheTerminator) {
    auto* edit = new OWL::TEdit(&frame, 7, u"start", 10, 10, 100, 20, 4);
    ASSERT_TRUE(frame.Create());
    EXPECT_EQ(edit->GetText(), u"start");
    EXPECT_EQ(edit->GetLimitText(), 3u);
    edit->Clear();
    edit->SetFocus();
    user::TypeText(u"98765");
    user::Desktop::Current().Pump();
    EXPECT_EQ(edit->GetText(), u"987");
    EXPECT_TRUE(edit->IsModified());
    edit->SetSelection(1, 2);
    int start = 0, end = 0;
    edit->GetSelection(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 2);
    edit->Insert(u"");
    EXPECT_EQ(edit->GetText(), u"97");
}

// Records the keys it sees and passes everything on.
class KeyAlias : public OWL::TWindow {
public:
    KeyAlias(HWND h, std::string name) : OWL::TWindow(h), mName(std::move(name)) {}
    void EvChar(UINT key, UINT, UINT) {
        calls.push_back(mName + " " + static_cast<char>(key));
        if (key != 'x')
            DefaultProcessing();
    }
    DECLARE_RESPONSE_TABLE(KeyAlias);

private:
    std::string mName;
};

DEFINE_RESPONSE_TABLE1(KeyAlias, OWL::TWindow)
EV_WM_CHAR, END_RESPONSE_TABLE;

TEST_F(OwlControls, AnAliasStackedOnAnObjectAnswersFirstAndLeavesTheRestToIt) {
    auto* edit = new OWL::TEdit(&frame, 7, u"", 10, 10, 100, 20);
    ASSERT_TRUE(frame.Create());
    auto* under = new KeyAlias(*edit, "under");
    auto* over = new KeyAlias(*edit, "over");
    EXPECT_EQ(OWL::GetWindowPtr(*edit), over);
    edit->SetFocus();
    user::TypeText(u"ax");
    user::Desktop::Current().Pump();
    EXPECT_EQ(calls, (std::vector<std::string>{"over a", "under a", "over x"}));
    EXPECT_EQ(edit->GetText(), u"a");
    delete under; // from the middle of the stack
    calls.clear();
    user::TypeText(u"b");
    user::Desktop::Current().Pump();
    EXPECT_EQ(calls, (std::vector<std::string>{"over b"}));
    EXPECT_EQ(edit->GetText(), u"ab") << "the edit object below still answers";
    delete over;
    EXPECT_EQ(OWL::GetWindowPtr(*edit), edit);
    user::TypeText(u"c");
    user::Desktop::Current().Pump();
    EXPECT_EQ(edit->GetText(), u"abc");
}

// Counts how often its validator's report ran.
class CountingRange : public OWL::TRangeValidator {
public:
    using OWL::TRangeValidator::TRangeValidator;
    void Error(OWL::TWindow* owner) override {
        calls.push_back("error");
        TRangeValidator::Error(owner);
    }
};

TEST_F(OwlControls, AnEditsRangeValidatorRefusesOtherCharactersAndReportsAnOutOfRangeText) {
    auto* edit = new OWL::TEdit(&frame, 7, u"", 10, 10, 80, 20);
    auto* other = new OWL::TEdit(&frame, 8, u"", 10, 40, 80, 20);
    edit->SetValidator(new CountingRange(1, 10));
    ASSERT_TRUE(frame.Create());
    edit->SetFocus();
    user::TypeText(u"1x2");
    user::Desktop::Current().Pump();
    EXPECT_EQ(edit->GetText(), u"12") << "x is no digit";
    EXPECT_FALSE(edit->IsValid());
    user::Desktop::Current().MessageBoxes().Answer(IDOK);
    other->SetFocus();
    user::Desktop::Current().Pump();
    EXPECT_EQ(calls, (std::vector<std::string>{"error"}));
    EXPECT_EQ(GetFocus(), edit->GetHandle()) << "the focus comes back to the invalid field";
    ASSERT_EQ(user::Desktop::Current().MessageBoxes().Shown().size(), 1u);
    EXPECT_EQ(user::Desktop::Current().MessageBoxes().Shown()[0].text, u"Value is not in the range 1 to 10.");
    edit->SetText(u"10");
    EXPECT_TRUE(edit->CanClose());
    edit->SetValidator(nullptr);
    EXPECT_TRUE(edit->IsValid(true));
}

TEST_F(OwlControls, ACheckBoxAndAnUpDownWorkTheirSystemControls) {
    auto* box = new OWL::TCheckBox(&frame, 5, u"Apply", 10, 10, 100, 16);
    auto* edit = new OWL::TEdit(&frame, 6, u"4", 10, 40, 40, 20);
    auto* spin = new OWL::TUpDown(&frame, 7, 50, 40, 12, 20, edit);
    ASSERT_TRUE(frame.Create());
    EXPECT_EQ(box->GetCheck(), OWL::BF_UNCHECKED);
    user::Click(*box, {4, 8});
    user::Desktop::Current().Pump();
    EXPECT_EQ(box->GetCheck(), OWL::BF_CHECKED);
    box->Toggle();
    EXPECT_EQ(box->GetCheck(), OWL::BF_UNCHECKED);
    EXPECT_EQ(spin->GetBuddy(), edit->GetHandle());
    spin->SetRange(1, 10);
    EXPECT_EQ(spin->GetPos(), 4);
    spin->SetPos(12);
    EXPECT_EQ(edit->GetText(), u"10");
}

TEST_F(OwlControls, AGlyphButtonIsPressedOnlyWhileThePointerStaysOnItAndFollowsItsEnabledState) {
    auto* button = new OWL::TGlyphButton(&frame, 9, u"Go", 10, 10, 80, 24);
    ASSERT_TRUE(frame.Create());
    button->SetGlyph(new OWL::TBitmap(8, 8), OWL::TGlyphButton::gtUp);
    EXPECT_TRUE(button->IsSet(OWL::TGlyphButton::biShowGlyph));
    EXPECT_EQ(button->GetCelSize(), OWL::TSize(8, 8));
    user::MoveMouseTo(*button, {5, 5});
    user::PressButton(VK_LBUTTON);
    user::Desktop::Current().Pump();
    EXPECT_TRUE(button->IsSet(OWL::TGlyphButton::biPushed | OWL::TGlyphButton::biFocus));
    EXPECT_EQ(SendMessageW(*button, BM_GETSTATE, 0, 0), BST_PUSHED | BST_FOCUS);
    user::MoveMouseTo(*button, {200, 5});
    user::Desktop::Current().Pump();
    EXPECT_FALSE(button->IsSet(OWL::TGlyphButton::biPushed)) << "dragged off";
    user::ReleaseButton(VK_LBUTTON);
    button->EnableWindow(false);
    EXPECT_TRUE(button->IsSet(OWL::TGlyphButton::biDisabled));
}

} // namespace

// The framework's scroll bar and edit controls, and an alias stacked on a
// window that has an object already.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/owl/TEdit.h"
#include "platform/owl/TScrollBar.h"
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

} // namespace

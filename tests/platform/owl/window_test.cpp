#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/owl/TComboBox.h"
#include "platform/owl/TUIMetric.h"
#include "platform/user/Desktop.h"
#include "platform/user/WindowSurfaces.h"
#include "platform/user/user.h"

namespace {

std::vector<std::string> calls;

class Base : public OWL::TWindow {
public:
    using OWL::TWindow::TWindow;
    void CmFirst() { calls.push_back("Base::First"); }
    void CmSecond() { calls.push_back("Base::Second"); }
    void EvTimer(UINT_PTR id) { calls.push_back("Base::Timer " + std::to_string(id)); }
    void Paint(OWL::TDC& dc, bool, OWL::TRect& rect) override {
        calls.push_back("Paint " + std::to_string(rect.Width()) + "x" + std::to_string(rect.Height()));
        dc.FillRect(rect, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    DECLARE_RESPONSE_TABLE(Base);
};

DEFINE_RESPONSE_TABLE1(Base, OWL::TWindow)
EV_COMMAND(1, CmFirst), EV_COMMAND(2, CmSecond), EV_WM_TIMER, END_RESPONSE_TABLE;

class Derived : public Base {
public:
    using Base::Base;
    void CmFirst() { calls.push_back("Derived::First"); }
    LRESULT EvContext(WPARAM, LPARAM) { return 42; }
    DECLARE_RESPONSE_TABLE(Derived);
};

DEFINE_RESPONSE_TABLE1(Derived, Base)
EV_COMMAND(1, CmFirst), EV_REGISTERED(u"OwlTestContext", EvContext), END_RESPONSE_TABLE;

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        calls.clear();
    }
    void TearDown() override { user::Desktop::Reset(); }
};

TEST_F(Window, AClassAnswersFromItsOwnTableFirstThenFromItsBasesTable) {
    Derived w(nullptr, u"Top");
    w.Attr = {WS_OVERLAPPED | WS_VISIBLE, 0, 0, 0, 200, 100, 0};
    ASSERT_TRUE(w.Create());
    w.SendMessage(WM_COMMAND, 1);
    w.SendMessage(WM_COMMAND, 2);
    w.SendMessage(WM_COMMAND, 3);
    EXPECT_EQ(calls, (std::vector<std::string>{"Derived::First", "Base::Second"}));
    EXPECT_EQ(w.SendMessage(RegisterWindowMessageW(u"owltestcontext")), 42);
    EXPECT_EQ(OWL::GetWindowPtr(w.GetHandle()), &w);
}

TEST_F(Window, ChildrenAreCreatedWithTheirParentAndGoWithIt) {
    auto* parent = new Base(nullptr, u"Parent");
    parent->Attr = {WS_OVERLAPPED | WS_VISIBLE, 0, 0, 0, 200, 100, 0};
    auto* child = new Base(parent, u"Child");
    child->Attr.W = 50;
    child->Attr.H = 20;
    child->Attr.Id = 7;
    ASSERT_TRUE(parent->Create());
    const HWND childHandle = child->GetHandle();
    ASSERT_NE(childHandle, nullptr);
    EXPECT_EQ(GetParent(childHandle), parent->GetHandle());
    EXPECT_EQ(GetDlgCtrlID(childHandle), 7);
    const HWND parentHandle = parent->GetHandle();
    delete parent;
    EXPECT_FALSE(IsWindow(parentHandle));
    EXPECT_FALSE(IsWindow(childHandle));
    EXPECT_EQ(OWL::GetWindowPtr(childHandle), nullptr);
}

TEST_F(Window, PaintDrawsTheUpdateAreaInTheWindowsPaintCycle) {
    Base w(nullptr, u"Top");
    w.Attr = {WS_POPUP | WS_VISIBLE, 0, 10, 10, 30, 20, 0};
    ASSERT_TRUE(w.Create());
    user::Desktop::Current().Pump();
    ASSERT_EQ(calls, (std::vector<std::string>{"Paint 30x20"}));
    const gdi::Surface picture = user::WindowPicture(w.GetHandle());
    EXPECT_EQ(gdi::ColorFromPixel(picture.Get(29, 19)), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(Window, TimersReachTheirHandlerInOrderAsTheClockAdvances) {
    Base w(nullptr, u"Top");
    w.Attr = {WS_POPUP, 0, 0, 0, 10, 10, 0};
    ASSERT_TRUE(w.Create());
    w.SetTimer(1, 30);
    w.SetTimer(2, 25);
    user::Desktop::Current().Advance(60);
    EXPECT_EQ(calls,
              (std::vector<std::string>{"Base::Timer 2", "Base::Timer 1", "Base::Timer 2", "Base::Timer 1"}));
}

LRESULT Plain(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND)
        calls.push_back("Plain::Command " + std::to_string(wParam));
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(Window, AnAliasAnswersItsTableAndPassesTheRestToThePreviousProcedure) {
    WNDCLASSW c{};
    c.lpfnWndProc = &Plain;
    c.lpszClassName = u"Plain";
    RegisterClassW(&c);
    const HWND hwnd =
        CreateWindowExW(0, u"Plain", u"Foreign", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    {
        Base alias(hwnd);
        EXPECT_TRUE(alias.IsFlagSet(OWL::wfAlias));
        EXPECT_EQ(alias.GetTitle(), u"Foreign");
        SendMessageW(hwnd, WM_COMMAND, 2, 0);
        SendMessageW(hwnd, WM_COMMAND, 5, 0);
    }
    EXPECT_TRUE(IsWindow(hwnd));
    SendMessageW(hwnd, WM_COMMAND, 2, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"Base::Second", "Plain::Command 5", "Plain::Command 2"}));
}

class OwnerDrawn : public OWL::TComboBox {
public:
    using OWL::TComboBox::TComboBox;
    void EvDrawItem(UINT, const DRAWITEMSTRUCT& item) {
        calls.push_back("Draw " + std::to_string(static_cast<int>(item.itemID)) + " state " +
                        std::to_string(item.itemState));
    }
    void EvMeasureItem(UINT, MEASUREITEMSTRUCT& item) {
        calls.push_back("Measure " + std::to_string(static_cast<int>(item.itemID)));
        item.itemHeight = 20;
    }
    DECLARE_RESPONSE_TABLE(OwnerDrawn);
};

DEFINE_RESPONSE_TABLE1(OwnerDrawn, OWL::TComboBox)
EV_WM_DRAWITEM, EV_WM_MEASUREITEM, END_RESPONSE_TABLE;

TEST_F(Window, OwnerDrawMessagesOfAControlReachTheControlsOwnObject) {
    OWL::TWindow parent(nullptr, u"Parent");
    parent.Attr = {WS_POPUP | WS_VISIBLE, 0, 0, 0, 200, 100, 0};
    auto* combo = new OwnerDrawn(&parent, 5, 10, 10, 120, 200,
                                 WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS);
    ASSERT_TRUE(parent.Create());
    EXPECT_EQ(calls, (std::vector<std::string>{"Measure -1", "Measure 0"}));
    EXPECT_EQ(combo->GetItemHeight(-1), 20);
    EXPECT_EQ(combo->GetWindowRect().Height(), 26) << "the closed control fits its selection field";
    combo->AddString(u"one");
    combo->AddString(u"two");
    combo->SetSelIndex(1);
    calls.clear();
    user::Desktop::Current().Pump();
    EXPECT_EQ(calls, (std::vector<std::string>{"Draw 1 state " + std::to_string(ODS_COMBOBOXEDIT)}));
}

TEST_F(Window, TheComboBoxKeepsItsItemsTextsAndData) {
    OWL::TWindow parent(nullptr, u"Parent");
    parent.Attr = {WS_POPUP, 0, 0, 0, 200, 100, 0};
    auto* combo = new OWL::TComboBox(&parent, 5, 0, 0, 100, 100, CBS_DROPDOWNLIST | CBS_SORT);
    ASSERT_TRUE(parent.Create());
    EXPECT_EQ(combo->AddString(u"pear"), 0);
    EXPECT_EQ(combo->AddString(u"Apple"), 0);
    EXPECT_EQ(combo->InsertString(u"fig", -1), 2);
    combo->SetItemData(1, 77);
    EXPECT_EQ(combo->GetItemData(1), 77);
    EXPECT_EQ(combo->GetStringLen(1), 4);
    WCHAR buffer[8];
    EXPECT_EQ(combo->GetString(buffer, 0), 5);
    EXPECT_EQ(std::u16string(buffer), u"Apple");
    EXPECT_EQ(combo->GetStringLen(3), CB_ERR);
    EXPECT_EQ(combo->SetSelIndex(2), 2);
    EXPECT_EQ(combo->DeleteString(0), 2);
    EXPECT_EQ(combo->GetSelIndex(), 1);
    EXPECT_EQ(combo->GetWindowTextLength(), 3);
}

TEST(UIMetric, ScrollBarMetricsComeFromTheSystem) {
    EXPECT_EQ(OWL::TUIMetric::CxHScroll.Get(), GetSystemMetrics(SM_CXHSCROLL));
    EXPECT_EQ(static_cast<int>(OWL::TUIMetric::CyVScroll), GetSystemMetrics(SM_CYVSCROLL));
}

} // namespace

// Gadget windows and gadgets, control aliases, command enablers, bitmaps and
// memory contexts of the window framework.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/Color.h"
#include "platform/gdi/probe.h"
#include "platform/owl/TBitmap.h"
#include "platform/owl/TButtonTextGadget.h"
#include "platform/owl/TGadgetWindow.h"
#include "platform/owl/TMemoryDC.h"
#include "platform/owl/TMenu.h"
#include "platform/owl/TStatic.h"
#include "platform/user/Desktop.h"
#include "platform/user/Input.h"
#include "platform/user/user.h"

namespace {

using namespace OWL;

std::vector<std::string> heard;

// A frame that hears its gadget window's commands and answers enablers.
class Frame : public TWindow {
public:
    Frame() : TWindow(static_cast<TWindow*>(nullptr), u"frame") {
        Attr.Style = WS_POPUP | WS_VISIBLE;
        Attr.W = 300;
        Attr.H = 100;
    }
    void CmGo() { heard.push_back("Go"); }
    void CeGo(TCommandEnabler& e) {
        e.Enable(goEnabled);
        e.SetCheck(TCommandEnabler::Checked);
    }
    bool goEnabled = true;
    DECLARE_RESPONSE_TABLE(Frame);
};

DEFINE_RESPONSE_TABLE1(Frame, TWindow)
EV_COMMAND(7, CmGo), EV_COMMAND_ENABLE(7, CeGo), END_RESPONSE_TABLE;

class Tracing : public TButtonGadget {
public:
    Tracing(int id) : TButtonGadget(0, id, NonExclusive) {}
    void MouseEnter(UINT, const TPoint& p) override { heard.push_back("enter " + std::to_string(p.x)); }
    void MouseLeave(UINT, const TPoint&) override { heard.push_back("leave"); }
};

class Gadgets : public ::testing::Test {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        heard.clear();
        frame = new Frame();
        bar = new TGadgetWindow(frame);
        bar->Attr.W = 300;
        bar->Attr.H = 30;
        ASSERT_TRUE(frame->Create());
    }
    void TearDown() override { delete frame; }

    Frame* frame = nullptr;
    TGadgetWindow* bar = nullptr;
};

TEST_F(Gadgets, LayoutPlacesGadgetsInARowAtTheirDesiredSizes) {
    auto* a = new TButtonTextGadget(7, 0, TButtonTextGadget::sText);
    auto* b = new TButtonGadget(0, 8);
    bar->Insert(*a);
    bar->Insert(*b, TGadgetWindow::Before, a);
    EXPECT_EQ(bar->Gadgets(), (std::vector<TGadget*>{b, a}));
    EXPECT_EQ(b->GetBounds(), TRect(2, 2, 8, 8)) << "borders only: no glyph";
    EXPECT_EQ(a->GetBounds().left, 8);
    EXPECT_EQ(bar->GadgetFromPoint(TPoint(9, 3)), a);
    EXPECT_EQ(bar->GadgetWithId(8), b);

    auto* c = new TButtonGadget(0, 9);
    c->SetMargins(TRect(1, 3, 2, 4)); // left, top, right, bottom
    bar->Insert(*c);
    EXPECT_EQ(c->GetBounds().Size(), TSize(3 + 1 + 2 + 3, 3 + 3 + 4 + 3)) << "borders 3, then margins";
    EXPECT_EQ(c->GetInnerRect(), TRect(4, 6, 4, 6)) << "an empty inner rectangle: no glyph";
}

TEST_F(Gadgets, AClickReleasedOverTheGadgetActivatesItAndOneReleasedElsewhereNot) {
    auto* go = new TButtonGadget(0, 7);
    bar->Insert(*go);
    const HWND h = bar->GetHandle();
    user::Click(h, {4, 4});
    user::Desktop::Current().Pump();
    EXPECT_EQ(heard, (std::vector<std::string>{"Go"}));
    user::MoveMouseTo(h, {4, 4});
    user::PressButton(VK_LBUTTON);
    user::Desktop::Current().Pump();
    EXPECT_TRUE(go->IsPressed());
    EXPECT_EQ(GetCapture(), h);
    user::MoveMouseTo(h, {200, 20});
    user::ReleaseButton(VK_LBUTTON);
    user::Desktop::Current().Pump();
    EXPECT_FALSE(go->IsPressed());
    EXPECT_EQ(heard.size(), 1u);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Gadgets, EnablersReachTheCommandTargetThroughTheParent) {
    auto* go = new TButtonGadget(0, 7, TButtonGadget::NonExclusive);
    bar->Insert(*go);
    frame->goEnabled = false;
    bar->IdleAction(0);
    EXPECT_FALSE(go->GetEnabled());
    EXPECT_EQ(go->GetButtonState(), TButtonGadget::Down);
    go->SetIgnoreCheck(true);
    go->SetButtonState(TButtonGadget::Up);
    bar->IdleAction(0);
    EXPECT_EQ(go->GetButtonState(), TButtonGadget::Up);
}

TEST_F(Gadgets, TheGadgetWindowTellsGadgetsWhenTheMouseEntersAndLeaves) {
    bar->Insert(*new Tracing(1));
    bar->Insert(*new Tracing(2));
    const HWND h = bar->GetHandle();
    user::MoveMouseTo(h, {3, 3});
    user::MoveMouseTo(h, {9, 3});
    user::Desktop::Current().Pump();
    EXPECT_EQ(heard, (std::vector<std::string>{"enter 1", "leave", "enter 1"}));
}

TEST_F(Gadgets, ATipShowsWhenThePointerRestsOnItsGadgetAndHidesWhenItMovesOffOrClicks) {
    auto* go = new TButtonGadget(0, 7);
    go->SetTipText(u"Go now");
    bar->Insert(*go);
    bar->Insert(*new TButtonGadget(0, 8)); // no tip
    const HWND h = bar->GetHandle();
    const TPoint onGo(go->GetBounds().left + 2, 4);
    const TPoint onOther(bar->GadgetWithId(8)->GetBounds().left + 2, 4);
    auto& desktop = user::Desktop::Current();
    auto shown = [&] {
        desktop.Pump();
        return bar->TipWindow() != nullptr && IsWindowVisible(bar->TipWindow()) != FALSE;
    };
    auto restOn = [&](TPoint p) {
        user::MoveMouseTo(h, {p.x, p.y});
        desktop.Advance(GetDoubleClickTime());
    };

    user::MoveMouseTo(h, {onGo.x, onGo.y});
    desktop.Advance(GetDoubleClickTime() - 1);
    EXPECT_FALSE(shown()) << "not before the delay";
    desktop.Advance(1);
    ASSERT_TRUE(shown());
    const HWND tip = bar->TipWindow();
    WCHAR text[32]{};
    GetWindowTextW(tip, text, 32);
    EXPECT_EQ(std::u16string(text), u"Go now");
    POINT pointer{};
    GetCursorPos(&pointer);
    RECT r{};
    GetWindowRect(tip, &r);
    EXPECT_EQ(r.left, pointer.x);
    EXPECT_GT(r.top, pointer.y) << "below the pointer";
    const gdi::Surface picture = user::WindowPicture(tip);
    int inked = 0;
    for (int y = 1; y + 1 < picture.Height(); ++y)
        for (int x = 1; x + 1 < picture.Width(); ++x)
            inked += gdi::ColorFromPixel(picture.Get(x, y)) != GetSysColor(COLOR_INFOBK);
    EXPECT_EQ(gdi::ColorFromPixel(picture.Get(1, 1)), GetSysColor(COLOR_INFOBK));
    EXPECT_GT(inked, 10) << "the text is drawn";

    restOn(onOther);
    EXPECT_FALSE(shown()) << "a gadget without a tip hides it and shows none";
    restOn(onGo);
    ASSERT_TRUE(shown());
    user::MoveMouseTo(frame->GetHandle(), {150, 80}); // out of the gadget window
    EXPECT_FALSE(shown());
    restOn(onGo);
    ASSERT_TRUE(shown());
    user::Click(h, {onGo.x, onGo.y});
    EXPECT_FALSE(shown()) << "a click hides it";
    EXPECT_EQ(bar->TipWindow(), tip) << "one tooltip window serves every tip";
}

TEST_F(Gadgets, InTheFlatStyleAButtonIsRaisedOnlyWhileThePointerIsOverIt) {
    auto* go = new TButtonGadget(0, 7);
    bar->Insert(*go);
    const HWND h = bar->GetHandle();
    const TRect b = go->GetBounds();
    auto corner = [&] { // the bottom-right corner, shadowed when raised
        InvalidateRect(h, nullptr, TRUE);
        user::Desktop::Current().Pump();
        return gdi::ColorFromPixel(user::WindowPicture(h).Get(b.right - 1, b.bottom - 1));
    };
    const COLORREF flat = corner();
    EXPECT_NE(flat, GetSysColor(COLOR_BTNSHADOW));
    user::MoveMouseTo(h, {b.left + 2, b.top + 2});
    user::Desktop::Current().Pump();
    EXPECT_EQ(corner(), GetSysColor(COLOR_BTNSHADOW));
    go->SetEnabled(false);
    EXPECT_EQ(corner(), flat) << "a disabled button stays flat";
    go->SetEnabled(true);
    user::MoveMouseTo(h, {250, 20});
    user::Desktop::Current().Pump();
    EXPECT_EQ(corner(), flat);
}

TEST(Controls, AnAliasBindsToTheParentsControlOnceTheParentExists) {
    user::Desktop::Reset();
    TWindow parent(static_cast<TWindow*>(nullptr), u"p");
    parent.Attr.Style = WS_POPUP;
    ASSERT_TRUE(parent.Create());
    CreateWindowExW(0, u"Static", u"label", WS_CHILD | WS_VISIBLE, 4, 5, 50, 10, parent.GetHandle(),
                    reinterpret_cast<HMENU>(1012), nullptr, nullptr);
    TStatic alias(&parent, 1012);
    EXPECT_EQ(alias.GetHandle(), nullptr) << "bound by Create or the parent's set-up";
    ASSERT_TRUE(alias.Create());
    EXPECT_EQ(alias.GetWindowTextString(), u"label");
    EXPECT_EQ(alias.Attr.X, 4);

    TStatic hidden(&parent, 3011, u"", 0, 0, 0, 0);
    hidden.ShowWindow(SW_HIDE); // before creation
    ASSERT_TRUE(hidden.Create());
    EXPECT_FALSE(hidden.IsWindowVisible());
}

TEST(Controls, BitmapsAndMemoryContextsSelectAndRestore) {
    TBitmap bitmap(5, 4);
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 4);
    {
        TMemoryDC dc;
        dc.SelectObject(bitmap);
        SetPixel(dc, 1, 1, RGB(9, 8, 7));
        EXPECT_EQ(dc.GetPixel(1, 1).GetValue(), RGB(9, 8, 7));
    }
    TPopupMenu menu;
    menu.AppendMenu(MF_STRING, 3, u"Three");
    EXPECT_EQ(menu.GetMenuItemCount(), 1);
    EXPECT_EQ(menu.GetMenuString(0, MF_BYPOSITION), u"Three");
}

} // namespace

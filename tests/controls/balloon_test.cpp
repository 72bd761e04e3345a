// Balloon help: placement against the monitor, closing events, the link and
// the pictures themed, plain and without the theme library.

#include <gtest/gtest.h>

#include "controls/BalloonHelp.h"
#include "platform/user/Input.h"
#include "tests/controls/ControlsTest.h"
#include "tests/support/GoldenImage.h"

namespace {

using controls_test::ControlsTest;
using WTL::CBalloonHelp;

class Balloon : public ControlsTest {
protected:
    // A self-deleting balloon opened at the anchor.
    CBalloonHelp* OpenAt(POINT anchor, DWORD options = 0x7E38, DWORD layout = CBalloonHelp::kDefaultLayout) {
        auto* b = new CBalloonHelp();
        b->SetIconImage(LoadIconW(nullptr, IDI_WARNING));
        b->SetLink(u"Learn more", [this] { ++linkFollowed; });
        EXPECT_EQ(b->Open(nullptr, u"Invalid Value", u"Value must be in range 1 to 10.", &anchor, options,
                          nullptr, 0, layout),
                  1);
        Pump();
        return b;
    }
    bool Open(HWND w) const { return IsWindow(w) && IsWindowVisible(w); }
    RECT RectOf(HWND w) const {
        RECT r{};
        GetWindowRect(w, &r);
        return r;
    }
    int linkFollowed = 0;
};

TEST_F(Balloon, AnAnchorLowOnTheMonitorOpensTheBalloonAboveIt) {
    CBalloonHelp* b = OpenAt({400, 900});
    EXPECT_EQ(b->Quadrant(), 2);
    const RECT r = RectOf(b->m_hWnd);
    EXPECT_EQ(r.bottom, 902) << "the stem's tip 2 pixels above the bottom";
    EXPECT_EQ(r.left + b->Stem()[1].x, 400) << "the tip on the anchor";
    EXPECT_EQ(r.top + b->Stem()[1].y, 900);
    b->Close();
    Pump();
}

TEST_F(Balloon, AtTheRightEdgeTheBalloonShiftsLeftWithItsTipOnTheAnchor) {
    CBalloonHelp* b = OpenAt({1910, 200});
    EXPECT_EQ(b->Quadrant(), 0);
    const RECT r = RectOf(b->m_hWnd);
    EXPECT_LE(r.right, 1920);
    EXPECT_GT(r.right, 1910);
    EXPECT_EQ(r.left + b->Stem()[1].x, 1910);
    EXPECT_EQ(r.top + b->Stem()[1].y, 200);
    b->Close();
    Pump();
}

TEST_F(Balloon, AFourPixelMoveClosesItAndAThreePixelMoveNot) {
    auto frame = Frame(0, 0, 1000, 1000); // under the pointer
    ASSERT_TRUE(frame->Create());
    user::MoveMouse({500, 500});
    Pump();
    const HWND w = OpenAt({500, 500})->m_hWnd;
    user::MoveMouse({503, 497});
    Pump();
    EXPECT_TRUE(Open(w));
    user::MoveMouse({504, 500});
    Pump();
    EXPECT_FALSE(IsWindow(w)) << "closed and gone";
}

TEST_F(Balloon, AKeyOrAClickClosesIt) {
    auto frame = Frame();
    ASSERT_TRUE(frame->Create());
    SetFocus(frame->GetHandle());
    HWND w = OpenAt({300, 300})->m_hWnd;
    user::PressKey(VK_SPACE);
    Pump();
    EXPECT_FALSE(IsWindow(w));
    w = OpenAt({300, 300})->m_hWnd;
    user::Click(frame->GetHandle(), {199, 199});
    Pump();
    EXPECT_FALSE(IsWindow(w));
}

TEST_F(Balloon, ItFadesOnlyWhenTheSystemFadesTooltips) {
    auto fades = [] {
        int n = 0;
        for (const auto& e : user::Desktop::Current().Effects().Entries())
            n += e.kind == "AnimateWindow";
        return n;
    };
    CBalloonHelp* b = OpenAt({300, 300}, 0x1400);
    EXPECT_EQ(fades(), 1);
    b->Close();
    Pump();
    EXPECT_EQ(fades(), 2);
    user::Desktop::Current().Settings().tooltipFade = false;
    b = OpenAt({300, 300}, 0x1400);
    b->Close();
    Pump();
    EXPECT_EQ(fades(), 2);
}

TEST_F(Balloon, AClickableLinkRunsItsCallbackAndClosesTheBalloon) {
    CBalloonHelp* b = OpenAt({300, 300}, 0x67E38);
    const RECT link = b->LinkRect();
    ASSERT_GT(link.right, link.left);
    const HWND w = b->m_hWnd;
    user::Click(w, {link.left + 2, link.top + 2});
    Pump();
    EXPECT_EQ(linkFollowed, 1);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(user::IconName(GetCursor()), u"IDC_HAND");
}

TEST_F(Balloon, AReleaseOpensTheUrlWhenThereIsNoClickableLink) {
    auto* b = new CBalloonHelp();
    const POINT anchor{300, 300};
    ASSERT_EQ(b->Open(nullptr, u"Help", u"See the manual.", &anchor, 0x1000, u"https://example.org/manual", 0,
                      CBalloonHelp::kDefaultLayout),
              1);
    Pump();
    user::Click(b->m_hWnd, {5, 5});
    Pump();
    EXPECT_EQ(user::Desktop::Current().Effects().Entries().back().detail, u"|https://example.org/manual|||1");
}

TEST_F(Balloon, TheCloseButtonClosesWhenReleasedOverIt) {
    CBalloonHelp* b = OpenAt({300, 300}, 0x1001);
    const RECT close = b->CloseRect();
    ASSERT_GT(close.right, close.left);
    const HWND w = b->m_hWnd;
    user::Click(w, {close.left + 3, close.top + 3});
    Pump();
    EXPECT_FALSE(IsWindow(w));
}

class BalloonPictures : public Balloon {
protected:
    gdi::Surface Picture() {
        CBalloonHelp* b = OpenAt({300, 300}, 0x67E39 & ~0x200u);
        gdi::Surface picture = user::WindowPicture(b->m_hWnd);
        // White outside the outline, so that the picture shows the border.
        HRGN outline = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(b->m_hWnd, outline), COMPLEXREGION);
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (!PtInRegion(outline, x, y))
                    picture.Set(x, y, 0xFFFFFFFF);
        DeleteObject(outline);
        b->Close();
        Pump();
        return picture;
    }
};

TEST_F(BalloonPictures, Themed) {
    EXPECT_TRUE(golden::Matches(Picture(), "balloon-themed"));
}

TEST_F(BalloonPictures, Plain) {
    theme::CurrentSwitches().appThemed = false;
    EXPECT_TRUE(golden::Matches(Picture(), "balloon-plain"));
}

TEST_F(BalloonPictures, WithoutTheThemeLibrary) {
    theme::CurrentSwitches().libraryPresent = false;
    EXPECT_TRUE(golden::Matches(Picture(), "balloon-no-theme-library"));
}

TEST_F(Balloon, ShownAtACheckBoxItHangsFromItsCorner) {
    auto frame = Frame();
    ASSERT_TRUE(frame->Create());
    const HWND check = CreateWindowExW(0, u"Button", u"Online", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 20,
                                       30, 80, 16, frame->GetHandle(), nullptr, nullptr, nullptr);
    EXPECT_TRUE(IsCheckBoxControl(check));
    CBalloonHelp* b = ShowBalloonAtControl(check, u"Title", u"Text");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->AnchorPoint().x, 127);
    EXPECT_EQ(b->AnchorPoint().y, 137);
    EXPECT_EQ(b->Options(), 0x7E38u);
    b->Close();
    Pump();
}

TEST_F(Balloon, AnchoredToAWindowItFollowsTheWindowUntilAnchoredToAPoint) {
    auto frame = Frame(200, 200, 100, 60);
    ASSERT_TRUE(frame->Create());
    auto* b = new CBalloonHelp();
    ASSERT_EQ(b->Open(nullptr, u"Title", u"Body", nullptr, 0x1000, nullptr, 0, CBalloonHelp::kDefaultLayout),
              1);
    b->SetAnchorWindow(frame->GetHandle(), POINT{10, 5});
    const RECT before = RectOf(b->m_hWnd);
    EXPECT_EQ(before.left + b->Stem()[1].x, 210);
    EXPECT_EQ(before.top + b->Stem()[1].y, 205);
    frame->MoveWindow(230, 240, 100, 60);
    const RECT moved = RectOf(b->m_hWnd);
    EXPECT_EQ(moved.left - before.left, 30);
    EXPECT_EQ(moved.top - before.top, 40);
    b->SetAnchorPoint(POINT{400, 300});
    const RECT fixed = RectOf(b->m_hWnd);
    frame->MoveWindow(100, 100, 100, 60);
    EXPECT_EQ(RectOf(b->m_hWnd).left, fixed.left);
    b->Close();
    Pump();
}

TEST_F(Balloon, AnIconResourceIsShownAtSixteenPixelsAndAStepMessageGivesTitleAndText) {
    auto* plain = new CBalloonHelp();
    POINT at{400, 300};
    plain->Open(nullptr, u"A title longer than the body", u"Body", &at, 0x1000, nullptr, 0,
                CBalloonHelp::kDefaultLayout);
    auto* icon = new CBalloonHelp();
    icon->SetIconImage(nullptr, IDI_EXCLAMATION);
    icon->Open(nullptr, u"A title longer than the body", u"Body", &at, 0x1000, nullptr, 0,
               CBalloonHelp::kDefaultLayout);
    EXPECT_EQ(RectOf(icon->m_hWnd).right - RectOf(icon->m_hWnd).left,
              RectOf(plain->m_hWnd).right - RectOf(plain->m_hWnd).left + 16 + 8)
        << "the icon and the gap before the title";
    plain->Close();
    icon->Close();
    Pump();

    struct StepText {
        Ovo::String Caption() const { return Ovo::String(u"Invalid Value"); }
        Ovo::String Message() const { return Ovo::String(u"Enter a number."); }
    };
    auto frame = Frame();
    ASSERT_TRUE(frame->Create());
    CBalloonHelp* shown = ShowBalloonFormattedAtControl(frame->GetHandle(), StepText{});
    ASSERT_NE(shown, nullptr);
    WCHAR title[32] = {};
    GetWindowTextW(shown->m_hWnd, title, 32);
    EXPECT_EQ(std::u16string(title), u"Invalid Value");
    shown->Close();
    Pump();
}

} // namespace

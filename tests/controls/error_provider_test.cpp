// Error providers: flags, icons, placement beside a text, the balloon on
// moves and clicks, and the hover pop-up.

#include <vector>

#include <gtest/gtest.h>

#include "controls/ErrorProvider.h"
#include "platform/user/Input.h"
#include "tests/controls/ControlsTest.h"
#include "tests/support/GoldenImage.h"

namespace {

using controls_test::ControlsTest;
using OvoControls::ErrorProvider;

class ErrorProviders : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        frame = Frame(100, 100, 200, 100);
    }
    void TearDown() override {
        frame.reset();
        ControlsTest::TearDown();
    }
    // Top-level windows of the balloon class and the pop-ups shown.
    std::vector<HWND> BalloonWindows() const {
        std::vector<HWND> balloons;
        for (HWND h : user::Desktop::Current().Windows().TopLevel()) {
            WCHAR name[64] = {};
            GetClassNameW(h, name, 64);
            if (std::u16string_view(name).starts_with(u"ATL:") && IsWindowVisible(h))
                balloons.push_back(h);
        }
        return balloons;
    }
    int Balloons() const { return static_cast<int>(BalloonWindows().size()); }
    std::unique_ptr<OWL::TWindow> frame;
};

TEST_F(ErrorProviders, FlagsKeepOnePopupKindAndOneIcon) {
    struct Case {
        DWORD in, out;
    };
    const Case cases[] = {{0x00, 0x09}, {0x03, 0x09}, {0x06, 0x0A}, {0x18, 0x11},
                          {0x28, 0x09}, {0x24, 0x24}, {0x51, 0x51}, {0x30, 0x11}};
    for (const Case& c : cases)
        EXPECT_EQ(ErrorProvider::NormaliseFlags(c.in), c.out) << std::hex << c.in;
}

TEST_F(ErrorProviders, TheIconSitsOnTheBottomOfItsRectangleAtItsOwnSize) {
    auto* error = new ErrorProvider(frame.get(), 3011, 10, 10, 30, 30, nullptr, 0x09);
    auto* info = new ErrorProvider(frame.get(), 3012, 50, 10, 30, 30, nullptr, 0x21);
    ASSERT_TRUE(frame->Create());
    EXPECT_EQ(error->GetWindowRect(), OWL::TRect(110, 128, 122, 140));
    EXPECT_EQ(info->GetWindowRect().Width(), 14);
    EXPECT_EQ(info->GetWindowRect().Height(), 15);
    EXPECT_FALSE(error->IsWindowVisible()) << "hidden until there is an error";
    EXPECT_EQ(GetWindowLongPtrW(error->GetHandle(), GWL_STYLE) & SS_NOTIFY, SS_NOTIFY);
    EXPECT_EQ(GetWindowLongPtrW(error->GetHandle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT, WS_EX_TRANSPARENT);
}

TEST_F(ErrorProviders, TheIconsAgainstTheirReferences) {
    auto* error = new ErrorProvider(frame.get(), 1, 4, 4, 12, 12, nullptr, 0x09);
    auto* warning = new ErrorProvider(frame.get(), 2, 24, 4, 12, 12, nullptr, 0x10);
    auto* info = new ErrorProvider(frame.get(), 3, 44, 4, 14, 15, nullptr, 0x20);
    ASSERT_TRUE(frame->Create());
    for (ErrorProvider* p : {error, warning, info})
        p->SetError(Ovo::String(u"Invalid Value"), Ovo::String(u"x"), true);
    Pump();
    const gdi::Surface picture = user::WindowPicture(frame->GetHandle());
    EXPECT_EQ(gdi::ColorFromPixel(picture.Get(4, 4)), GetSysColor(COLOR_WINDOW)) << "the green key is clear";
    EXPECT_EQ(gdi::ColorFromPixel(picture.Get(9, 7)), RGB(255, 255, 255)) << "the exclamation mark";
    EXPECT_TRUE(golden::Matches(picture, "error-icons"));
}

TEST_F(ErrorProviders, TheProviderOfAStaticTextStandsFivePixelsAfterTheText) {
    auto* label = new OvoControls::StaticTextErrorProvider(frame.get(), u"abc");
    ASSERT_TRUE(frame->Create());
    label->MoveWindow(10, 20, 100, 14);
    HFONT font =
        CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0x22, u"MS Shell Dlg 2");
    label->SetWindowFont(font, false);
    label->SetText(u"abc");
    HDC dc = GetDC(label->GetHandle());
    SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, u"abc", 3, &extent);
    ReleaseDC(label->GetHandle(), dc);
    const OWL::TRect provider = label->Provider()->GetWindowRect();
    EXPECT_EQ(provider.left - 100, 10 + extent.cx + 5);
    EXPECT_EQ(provider.top - 100, 20 + (14 - 12) / 2 + 1);
    label->SetText(u"");
    EXPECT_EQ(label->Provider()->GetWindowRect().left - 100, 10);
    EXPECT_EQ(label->Provider()->GetWindowRect().top - 100, 20);
    DeleteObject(font);
}

TEST_F(ErrorProviders, ABalloonOnTheFirstMoveAndAgainOnlyAfterMoreThanThreePixels) {
    auto* p = new ErrorProvider(frame.get(), 3011, 10, 10, 12, 12, nullptr, 0x09);
    ASSERT_TRUE(frame->Create());
    p->SetError(Ovo::String(u"Invalid Value"), Ovo::String(u"Value must be in range 1 to 10."), true);
    Pump();
    user::MoveMouseTo(p->GetHandle(), {6, 6});
    Pump();
    const std::vector<HWND> first = BalloonWindows();
    ASSERT_EQ(first.size(), 1u);
    user::MoveMouseTo(p->GetHandle(), {9, 6}); // 3 pixels: nothing new
    Pump();
    EXPECT_EQ(BalloonWindows(), first);
    user::MoveMouseTo(p->GetHandle(), {10, 6}); // 4 pixels: the old one closes, a new one opens
    Pump();
    const std::vector<HWND> second = BalloonWindows();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_NE(second, first);
    EXPECT_FALSE(IsWindow(first[0]));
}

TEST_F(ErrorProviders, TheHoverPopupComesAfter50MsAndGoesAfterFiveSecondsOrOnLeaving) {
    auto* p = new ErrorProvider(frame.get(), 3011, 10, 10, 12, 12, nullptr, 0x0A);
    ASSERT_TRUE(frame->Create());
    p->SetError(Ovo::String(u"t"), Ovo::String(u""), true);
    Pump();
    user::MoveMouseTo(p->GetHandle(), {5, 5});
    user::Desktop::Current().Advance(100);
    EXPECT_EQ(p->HoverPopup(), nullptr) << "an empty text starts no timer";

    p->SetError(Ovo::String(u"t"), Ovo::String(u"Negative volumes"), true);
    user::MoveMouseTo(p->GetHandle(), {6, 5});
    user::Desktop::Current().Advance(49);
    EXPECT_EQ(p->HoverPopup(), nullptr);
    user::Desktop::Current().Advance(1);
    ASSERT_NE(p->HoverPopup(), nullptr);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(p->HoverPopup()->Anchor().x, cursor.x - 3 + 2);
    EXPECT_EQ(p->HoverPopup()->Anchor().y, cursor.y + 19 + 2);

    user::MoveMouse({5, 5}); // away
    Pump();
    EXPECT_EQ(p->HoverPopup(), nullptr);

    user::MoveMouseTo(p->GetHandle(), {6, 6});
    user::Desktop::Current().Advance(5000);
    EXPECT_EQ(p->HoverPopup(), nullptr) << "gone once 5000 ms have passed";
    user::Desktop::Current().Advance(1000);
    EXPECT_EQ(p->HoverPopup(), nullptr) << "and stays away while the mouse stays";
}

} // namespace

// The bitmap-and-text button: its looks themed, plain and without the theme
// library, its theme states, clicks and toggles, and the tip pop-up's timing.

#include <vector>

#include <gtest/gtest.h>

#include "controls/TBmpTxtButton.h"
#include "platform/user/Input.h"
#include "resources/ModuleImages.h"
#include "tests/controls/ControlsTest.h"
#include "tests/support/GoldenImage.h"

namespace {

using controls_test::ControlsTest;
using OvoControls::TBmpTxtButton;

// A frame that notes the buttons' clicks.
class ClickFrame : public OWL::TWindow {
public:
    using OWL::TWindow::TWindow;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && HIWORD(static_cast<DWORD>(wParam)) == BN_CLICKED)
            clicks.push_back(LOWORD(static_cast<DWORD>(wParam)));
        return OWL::TWindow::WindowProc(message, wParam, lParam);
    }
    std::vector<int> clicks;
};

class BmpTxtButtons : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        frame = std::make_unique<ClickFrame>(static_cast<OWL::TWindow*>(nullptr), u"frame");
        frame->Attr = {WS_POPUP | WS_VISIBLE, 0, 100, 100, 220, 40, 0};
    }
    void TearDown() override {
        frame.reset();
        ControlsTest::TearDown();
    }
    TBmpTxtButton* Add(int id, const char16_t* text, int x) {
        auto* b = new TBmpTxtButton(frame.get(), id, text);
        b->Attr.X = x;
        b->Attr.Y = 8;
        b->Attr.W = 100;
        b->Attr.H = 24;
        b->SetGlyphBitmap(Tarvik::kWarningIconBitmap);
        return b;
    }
    // An enabled button and a disabled one.
    gdi::Surface Picture() {
        Add(9, u"&Options", 5);
        TBmpTxtButton* off = Add(10, u"Copy", 112);
        EXPECT_TRUE(frame->Create());
        off->EnableWindow(false);
        Pump();
        return user::WindowPicture(frame->GetHandle());
    }
    void Move(HWND h, POINT p) {
        user::MoveMouseTo(h, p);
        Pump();
    }
    std::unique_ptr<ClickFrame> frame;
};

TEST_F(BmpTxtButtons, ThemedPlainAndWithoutTheThemeLibraryAgainstTheirReferences) {
    EXPECT_TRUE(golden::Matches(Picture(), "glyph-button-themed"));
    frame.reset();
    SetUp();
    theme::CurrentSwitches().themeActive = false;
    EXPECT_TRUE(golden::Matches(Picture(), "glyph-button-plain"));
    frame.reset();
    SetUp();
    theme::CurrentSwitches().libraryPresent = false;
    EXPECT_TRUE(golden::Matches(Picture(), "glyph-button-no-theme-library"));
}

TEST_F(BmpTxtButtons, DisabledWinsOverPressedAndHotAndHotOverDefault) {
    TBmpTxtButton* b = Add(9, u"Go", 5);
    ASSERT_TRUE(frame->Create());
    ASSERT_FALSE(b->IsClassic());
    b->Set(OWL::TGlyphButton::biDefault);
    Move(*b, {10, 10});
    EXPECT_TRUE(b->IsHot());
    EXPECT_EQ(b->PaintedThemeState(), 2);
    b->Set(OWL::TGlyphButton::biPushed | OWL::TGlyphButton::biDisabled);
    b->Invalidate(false);
    Pump();
    EXPECT_EQ(b->PaintedThemeState(), 4);
}

TEST_F(BmpTxtButtons, AClickCountsOnlyWhenReleasedOverTheButtonButAToggleFlipsEitherWay) {
    theme::CurrentSwitches().themeActive = false; // themed, leaving the hot state lets the capture go
    TBmpTxtButton* push = Add(9, u"Push", 5);
    TBmpTxtButton* toggle = Add(10, u"Toggle", 112);
    toggle->SetToggleMode(1);
    ASSERT_TRUE(frame->Create());
    user::Click(*push, {10, 10});
    Pump();
    EXPECT_EQ(frame->clicks, std::vector<int>{9});
    user::Desktop::Current().Advance(1000); // no double click
    Move(*push, {10, 10});
    user::PressButton(VK_LBUTTON);
    Pump();
    Move(*push, {10, 100});
    user::ReleaseButton(VK_LBUTTON);
    Pump();
    EXPECT_EQ(frame->clicks, std::vector<int>{9}) << "released outside";
    user::Desktop::Current().Advance(1000);
    Move(*toggle, {10, 10});
    user::PressButton(VK_LBUTTON);
    Pump();
    Move(*toggle, {10, 100});
    user::ReleaseButton(VK_LBUTTON);
    Pump();
    EXPECT_EQ(toggle->ToggleOn(), 1);
    EXPECT_EQ(frame->clicks, std::vector<int>{9});
}

TEST_F(BmpTxtButtons, DraggingOffAClassicPushButtonReleasesItsPressedLook) {
    theme::CurrentSwitches().themeActive = false;
    TBmpTxtButton* b = Add(9, u"Push", 5);
    ASSERT_TRUE(frame->Create());
    ASSERT_TRUE(b->IsClassic());
    Move(*b, {10, 10});
    user::PressButton(VK_LBUTTON);
    Pump();
    EXPECT_TRUE(b->IsSet(OWL::TGlyphButton::biPushed));
    Move(*b, {150, 10});
    EXPECT_FALSE(b->IsSet(OWL::TGlyphButton::biPushed));
    user::ReleaseButton(VK_LBUTTON);
    Pump();
}

TEST_F(BmpTxtButtons, TheTipComesAfter500MsGoesAfterFiveSecondsAndNotAgainUntilTheMouseLeaves) {
    TBmpTxtButton* b = Add(9, u"Tip", 5);
    TBmpTxtButton* quiet = Add(10, u"No tip", 112);
    b->SetTipText(Ovo::String(u"Shows the options"));
    ASSERT_TRUE(frame->Create());
    Move(*b, {20, 10});
    user::Desktop::Current().Advance(499);
    EXPECT_EQ(b->TipPopup(), nullptr);
    user::Desktop::Current().Advance(1);
    ASSERT_NE(b->TipPopup(), nullptr);
    EXPECT_EQ(b->TipPopup()->GetText().ToU16String(), u"Shows the options");
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(b->TipPopup()->Anchor().x, cursor.x - 3 + 2); // the pop-up stands 2 pixels off its anchor
    EXPECT_EQ(b->TipPopup()->Anchor().y, cursor.y + 19 + 2);
    user::Desktop::Current().Advance(5000);
    EXPECT_EQ(b->TipPopup(), nullptr);
    Move(*b, {22, 10});
    user::Desktop::Current().Advance(1000);
    EXPECT_EQ(b->TipPopup(), nullptr) << "not again before the mouse left";
    Move(*quiet, {20, 10}); // leaves b
    user::Desktop::Current().Advance(1000);
    EXPECT_EQ(quiet->TipPopup(), nullptr);
    Move(*b, {20, 10});
    user::Desktop::Current().Advance(500);
    ASSERT_NE(b->TipPopup(), nullptr);
    user::KeyDown(VK_SHIFT); // a key goes to the focus: nothing here has it
    user::Click(*b, {20, 10});
    Pump();
    EXPECT_EQ(b->TipPopup(), nullptr) << "a press ends it";
}

} // namespace

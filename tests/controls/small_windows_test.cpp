// Owners of modal boxes, dialog placement on monitors, the static text, the
// pop-up, the bitmap window, screen bitmaps and the host's error box.

#include <gtest/gtest.h>

#include "controls/BitmapWindow.h"
#include "controls/HostWindows.h"
#include "controls/Popup.h"
#include "controls/ScreenBitMapDC.h"
#include "controls/StaticText.h"
#include "controls/TopmostWindow.h"
#include "controls/WindowPlacement.h"
#include "core/XOvo.h"
#include "tests/controls/ControlsTest.h"

namespace {

using controls_test::ControlsTest;
using SmallWindows = ControlsTest;

RECT RectOf(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

TEST_F(SmallWindows, ModalBoxesBelongToTheHostsMainWindowElseToTheFirstWindowOfTheProcess) {
    EXPECT_EQ(GetModalOwnerWindow(), nullptr) << "no windows at all";
    auto first = Frame();
    ASSERT_TRUE(first->Create());
    auto second = Frame();
    ASSERT_TRUE(second->Create());
    CreateWindowExW(0, u"Static", u"", WS_CHILD, 0, 0, 1, 1, second->GetHandle(), nullptr, nullptr, nullptr);
    const TopmostWindow windows;
    ASSERT_EQ(windows.Windows().size(), 2u);
    EXPECT_EQ(windows.Windows()[0].window, second->GetHandle()) << "topmost first";
    EXPECT_EQ(windows.FirstWindow(), second.get());
    EXPECT_EQ(GetModalOwnerWindow(), second->GetHandle());
    host->Application().SetMainWindow(first->GetHandle());
    EXPECT_EQ(GetModalOwnerWindow(), first->GetHandle());
}

TEST_F(SmallWindows, ADialogPartlyOffScreenComesBackClampedAndOneResizedIsCentredOnTheNearerMonitor) {
    user::Desktop::Current().SetMonitors({{RECT{0, 0, 1920, 1080}, RECT{0, 0, 1920, 1040}},
                                          {RECT{1920, 0, 3200, 1024}, RECT{1920, 0, 3200, 984}}});
    auto dialog = Frame(0, 0, 400, 300);
    ASSERT_TRUE(dialog->Create());
    const HWND h = dialog->GetHandle();
    WindowPlacementMemory memory;
    PlaceWindow(memory, h);
    EXPECT_EQ(RectOf(h).left, 760) << "(1920 / 2) - 200: centred on the first monitor";
    EXPECT_EQ(RectOf(h).top, 370);

    MoveWindow(h, 3000, 900, 400, 300, TRUE); // mostly off the second monitor
    RememberPlace(memory, h);
    PlaceWindow(memory, h);
    EXPECT_EQ(RectOf(h).left, 2800) << "clamped inside the second monitor's work area";
    EXPECT_EQ(RectOf(h).bottom, 984);

    MoveWindow(h, 2000, 10, 500, 300, TRUE); // resized: the saved place no longer fits
    PlaceWindow(memory, h);
    EXPECT_EQ(RectOf(h).left, (1920 + 3200) / 2 - 250) << "centred on the nearer (second) monitor";
    EXPECT_EQ(RectOf(h).top, 984 / 2 - 150);

    EXPECT_EQ(ClampToMonitor(RECT{-50, -50, 3000, 2000}).left, 0) << "larger than the work area";
}

TEST_F(SmallWindows, TheStaticTextCentresByItsAlignmentCodes) {
    auto frame = Frame();
    auto* text = new StaticText(frame.get());
    text->Attr.W = 100;
    ASSERT_TRUE(frame->Create());
    text->SetAlignment(6, 6);
    EXPECT_EQ(text->Origin().x, 50);
    EXPECT_EQ(text->DrawFlags(), 6u);
    text->SetAlignment(0, 6);
    EXPECT_EQ(text->Origin().x, 0);
    EXPECT_EQ(text->DrawFlags(), 0u) << "the vertical code's bits are dropped";
    EXPECT_GT(text->Origin().y, 0);
    text->SetText(Ovo::String(u"Record 3"));
    text->SetInverted(true);
    Pump();
    EXPECT_EQ(gdi::ColorFromPixel(user::WindowPicture(text->GetHandle()).Get(99, 19)), RGB(0, 0, 0));
}

TEST_F(SmallWindows, APopupNearTheEdgesOpensLeftOfTheMarginOrAboveThePoint) {
    auto frame = Frame();
    ASSERT_TRUE(frame->Create());
    Ovo::Popup middle(POINT{500, 500}, frame.get(), Ovo::String(u"Value must be in range 1 to 10."));
    ASSERT_NE(middle.GetHandle(), nullptr);
    EXPECT_EQ(RectOf(middle.GetHandle()).left, 502);
    EXPECT_EQ(RectOf(middle.GetHandle()).top, 502);
    EXPECT_EQ(GetWindowLongPtrW(middle.GetHandle(), GWL_STYLE) & 0x88800000, 0x88800000);
    Ovo::Popup corner(POINT{1915, 1035}, frame.get(), Ovo::String(u"edge"));
    const RECT r = RectOf(corner.GetHandle());
    EXPECT_EQ(r.right, 1920 - 10);
    EXPECT_EQ(r.bottom, 1037 - 3);

    host->Application().SetVisible(false);
    Tarvik::RunModuleExitList(); // the module asks again
    Ovo::Popup hidden(POINT{10, 10}, frame.get(), Ovo::String(u"x"));
    EXPECT_EQ(hidden.GetHandle(), nullptr) << "not shown while the host is not visible";
}

TEST_F(SmallWindows, TheBitmapWindowSizesItselfToItsBitmapAndKeysItsCorner) {
    auto dialog = Frame();
    ASSERT_TRUE(dialog->Create());
    CreateWindowExW(0, u"Static", u"", WS_CHILD | WS_VISIBLE, 5, 5, 40, 40, dialog->GetHandle(),
                    reinterpret_cast<HMENU>(1002), nullptr, nullptr);
    auto bitmap = std::make_unique<OWL::TBitmap>(controls_test::TestModule(), MAKEINTRESOURCEW(206));
    ASSERT_TRUE(bitmap->IsValid());
    OvoControls::BitmapWindow window(dialog.get(), std::move(bitmap));
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(window.GetClientRect().Width(), 12);
    EXPECT_EQ(window.Destination().right, 12);
    window.Invalidate();
    Pump();
    const gdi::Surface picture = user::WindowPicture(window.GetHandle());
    EXPECT_EQ(gdi::ColorFromPixel(picture.Get(0, 0)), GetSysColor(COLOR_3DFACE))
        << "the green corner is clear";
    EXPECT_NE(gdi::ColorFromPixel(picture.Get(6, 6)), GetSysColor(COLOR_3DFACE));
}

TEST_F(SmallWindows, AScreenBitmapOfNoWidthMakesNoBitmap) {
    ScreenBitMapDC empty(0, 5);
    EXPECT_EQ(empty.Bitmap(), nullptr);
    ScreenBitMapDC dc(30, 20);
    ASSERT_NE(dc.Bitmap(), nullptr);
    SetViewportOrgEx(dc, 4, 4, nullptr);
    EXPECT_THROW(ScreenBitMapDC(40000, 10), XOvo);
}

TEST_F(SmallWindows, HostErrorBoxesGoThroughTheHost) {
    user::Desktop::Current().MessageBoxes().Answer(IDOK);
    EXPECT_EQ(ShowHostErrorBox(nullptr, u"The file could not be read.", u"Tarvik", 0), IDOK);
    ASSERT_EQ(user::Desktop::Current().MessageBoxes().Shown().size(), 1u);
    const auto& box = user::Desktop::Current().MessageBoxes().Shown().back();
    EXPECT_EQ(box.style, 0x2010u);
    EXPECT_EQ(box.caption, u"Tarvik");
    EXPECT_EQ(box.text, u"The file could not be read.");
}

TEST_F(SmallWindows, AChannelTitleMapHasAnEntryEvenWithoutChannels) {
    const auto titles = BuildChannelTitleMap(nullptr);
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_TRUE(titles.at(0).IsEmpty());
}

} // namespace

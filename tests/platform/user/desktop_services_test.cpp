// Monitors, system parameters, window enumeration and regions, recorded
// effects, icons, image lists, pop-up menus and the standard controls.

#include "tests/platform/user/ProbeWindows.h"

#include "platform/gdi/gdi.h"
#include "platform/gdi/probe.h"
#include "platform/user/Input.h"
#include "platform/win32/modules.h"

namespace {

using Desktop = ProbeWindows;

TEST_F(Desktop, MonitorsAnswerByContainmentLargestOverlapOrNearness) {
    user::Desktop::Current().SetMonitors({{RECT{0, 0, 1920, 1080}, RECT{0, 0, 1920, 1040}},
                                          {RECT{1920, 0, 3200, 1024}, RECT{1920, 0, 3200, 984}}});
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    const HMONITOR second = MonitorFromPoint({2000, 10}, MONITOR_DEFAULTTONULL);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetMonitorInfoW(second, &info));
    EXPECT_EQ(info.rcWork.bottom, 984);
    EXPECT_EQ(info.dwFlags, 0u);
    EXPECT_EQ(MonitorFromPoint({5000, 10}, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(MonitorFromPoint({5000, 10}, MONITOR_DEFAULTTONEAREST), second);
    const RECT mostlyRight{1800, 0, 2100, 100};
    EXPECT_EQ(MonitorFromRect(&mostlyRight, MONITOR_DEFAULTTONULL), second);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work.bottom, 1040);
}

TEST_F(Desktop, SystemParametersFollowTheSettings) {
    BOOL fade = FALSE;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETTOOLTIPFADE, 0, &fade, 0));
    EXPECT_TRUE(fade);
    user::Desktop::Current().Settings().tooltipAnimation = false;
    BOOL animation = TRUE;
    SystemParametersInfoW(SPI_GETTOOLTIPANIMATION, 0, &animation, 0);
    EXPECT_FALSE(animation);
    LOGFONTW font{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0));
    EXPECT_EQ(std::u16string(font.lfFaceName), u"Segoe UI");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = 500;
    EXPECT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0));
    EXPECT_EQ(metrics.lfMessageFont.lfHeight, -12);
}

std::vector<HWND> enumerated;
BOOL Collect(HWND hwnd, LPARAM) {
    enumerated.push_back(hwnd);
    return TRUE;
}

TEST_F(Desktop, EnumWindowsListsTopLevelWindowsOfThisProcessTopmostFirst) {
    const HWND first = Top();
    const HWND second = Top();
    Child(second, 1, {0, 0, 10, 10});
    enumerated.clear();
    ASSERT_TRUE(EnumWindows(&Collect, 0));
    EXPECT_EQ(enumerated, (std::vector<HWND>{second, first}));
    DWORD pid = 0;
    EXPECT_EQ(GetWindowThreadProcessId(first, &pid), GetCurrentThreadId());
    EXPECT_EQ(pid, GetCurrentProcessId());
}

TEST_F(Desktop, AWindowRegionClipsPaintingAndThePointer) {
    const HWND w = Top(WS_POPUP | WS_VISIBLE, {0, 0, 40, 40});
    EXPECT_TRUE(SetWindowRgn(w, CreateRectRgn(0, 0, 20, 40), FALSE));
    EXPECT_EQ(WindowFromPoint({10, 10}), w);
    EXPECT_EQ(WindowFromPoint({30, 10}), nullptr);
    HDC dc = GetDC(w);
    RECT all{0, 0, 40, 40};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &all, red);
    DeleteObject(red);
    ReleaseDC(w, dc);
    const gdi::Surface picture = user::WindowPicture(w);
    EXPECT_EQ(gdi::ColorFromPixel(picture.Get(10, 10)), RGB(255, 0, 0));
    EXPECT_NE(gdi::ColorFromPixel(picture.Get(30, 10)), RGB(255, 0, 0));
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(w, copy), SIMPLEREGION);
    DeleteObject(copy);
}

TEST_F(Desktop, AFramedWindowIsToldToPaintItsFrameBeforeItsClient) {
    const HWND w = Top(WS_POPUP | WS_BORDER, {0, 0, 40, 40});
    Forget();
    ShowWindow(w, SW_SHOW);
    user::Desktop::Current().Pump();
    EXPECT_EQ(To(w, {WM_SHOWWINDOW, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT, WM_NCPAINT}));
    EXPECT_EQ(gdi::ColorFromPixel(user::WindowPicture(w).Get(0, 0)), GetSysColor(COLOR_WINDOWFRAME));
}

TEST_F(Desktop, AnimationIsRecorded) {
    const HWND w = Top(WS_POPUP, {0, 0, 10, 10});
    EXPECT_TRUE(AnimateWindow(w, 200, AW_BLEND));
    EXPECT_TRUE(IsWindowVisible(w));
    AnimateWindow(w, 200, AW_BLEND | AW_HIDE);
    EXPECT_FALSE(IsWindowVisible(w));
    const auto& effects = user::Desktop::Current().Effects().Entries();
    ASSERT_GE(effects.size(), 2u);
    EXPECT_EQ(effects[effects.size() - 2].detail, u"200 524288");
}

TEST_F(Desktop, SystemIconsAreSharedAndDrawThroughTheirMasks) {
    const HICON warning = LoadIconW(nullptr, IDI_WARNING);
    EXPECT_EQ(warning, LoadImageW(nullptr, IDI_EXCLAMATION, IMAGE_ICON, 32, 32, LR_SHARED));
    EXPECT_EQ(user::IconName(warning), u"IDI_WARNING");
    const HANDLE small = LoadImageW(nullptr, IDI_ASTERISK, IMAGE_ICON, 16, 16, LR_SHARED);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(small), &info));
    EXPECT_EQ(gdi::SurfaceOf(info.hbmColor)->Width(), 16);
    EXPECT_EQ(gdi::SurfaceOf(info.hbmMask)->Get(0, 0) & gdi::kRgbMask, gdi::kRgbMask) << "corners are clear";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateBitmap(32, 32, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, canvas);
    gdi::SurfaceOf(canvas)->Fill(0x00123456);
    ASSERT_TRUE(DrawIconEx(dc, 0, 0, warning, 32, 32, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(gdi::SurfaceOf(canvas)->Get(2, 2), 0x00123456u) << "outside the triangle";
    EXPECT_NE(gdi::SurfaceOf(canvas)->Get(16, 28), 0x00123456u);
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
    EXPECT_TRUE(DestroyIcon(warning));
    EXPECT_EQ(user::IconName(warning), u"IDI_WARNING") << "shared icons stay";
}

TEST_F(Desktop, SetCursorRecordsEachChangeOfTheCursorShown) {
    const std::size_t before = user::Desktop::Current().Effects().Entries().size();
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    EXPECT_EQ(user::IconName(GetCursor()), u"IDC_HAND");
    const auto& effects = user::Desktop::Current().Effects().Entries();
    ASSERT_EQ(effects.size(), before + 1);
    EXPECT_EQ(effects.back().detail, u"IDC_HAND");
}

TEST_F(Desktop, ImageListsKeepMaskedPictures) {
    const HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 1, 1);
    HBITMAP strip = CreateBitmap(4, 2, 1, 32, nullptr);
    gdi::SurfaceOf(strip)->Fill(0x00FF0000);
    gdi::SurfaceOf(strip)->Set(0, 0, 0x0000FF00); // the key
    EXPECT_EQ(ImageList_AddMasked(list, strip, RGB(0, 255, 0)), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateBitmap(2, 2, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, canvas);
    ASSERT_TRUE(ImageList_Draw(list, 0, dc, 0, 0, ILD_NORMAL));
    EXPECT_EQ(gdi::SurfaceOf(canvas)->Get(0, 0), 0u) << "the key pixel is transparent";
    EXPECT_EQ(gdi::SurfaceOf(canvas)->Get(1, 1) & 0x00FFFFFFu, 0x00FF0000u);
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteObject(strip);
    DeleteDC(dc);
    EXPECT_TRUE(ImageList_Destroy(list));
}

TEST_F(Desktop, PopUpMenusAreAnsweredByTheTestAndRecorded) {
    const HWND owner = Top();
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 11, u"&First");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 12, u"Second");
    EXPECT_EQ(GetMenuItemCount(menu), 3);
    WCHAR text[8];
    EXPECT_EQ(GetMenuStringW(menu, 0, text, 8, MF_BYPOSITION), 6);
    auto& menus = user::Desktop::Current().Menus();
    menus.Answer(12);
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 5, 6, owner, nullptr), 12);
    menus.Answer(11);
    Forget();
    TPMPARAMS exclude{sizeof exclude, RECT{1, 2, 3, 4}};
    EXPECT_TRUE(TrackPopupMenuEx(menu, TPM_VERTICAL, 5, 6, owner, &exclude));
    user::Desktop::Current().Pump();
    EXPECT_EQ(To(owner, {WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_INITMENUPOPUP, WM_COMMAND}));
    ASSERT_EQ(menus.Shown().size(), 2u);
    EXPECT_EQ(menus.Shown()[1].items[2].flags, MF_GRAYED);
    EXPECT_EQ(menus.Shown()[1].exclude->right, 3);
    EXPECT_THROW(TrackPopupMenu(menu, 0, 0, 0, 0, owner, nullptr), user::UnexpectedPopupMenu);
    EXPECT_TRUE(DestroyMenu(menu));
}

TEST_F(Desktop, AButtonClickedInsideTellsItsParent) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
    const HWND button = CreateWindowExW(0, u"Button", u"OK", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10,
                                        80, 20, top, reinterpret_cast<HMENU>(7), nullptr, nullptr);
    Forget();
    user::Click(top, {20, 15});
    user::Desktop::Current().Pump();
    ASSERT_EQ(Only({WM_COMMAND}).size(), 1u);
    EXPECT_EQ(SendMessageW(button, BM_GETCHECK, 0, 0), BST_CHECKED);
    user::MoveMouseTo(top, {20, 15});
    user::PressButton(VK_LBUTTON);
    user::MoveMouseTo(top, {150, 150}); // released outside: no click
    user::ReleaseButton(VK_LBUTTON);
    user::Desktop::Current().Pump();
    EXPECT_EQ(Only({WM_COMMAND}).size(), 1u);
}

} // namespace

// Window pictures: what the paint cycle drew, read back from the top-level
// surface, with children clipped out of their parent's painting.

#include <filesystem>

#include "ProbeWindows.h"
#include "platform/gdi/Png.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/probe.h"
#include "platform/user/WindowSurfaces.h"

using Surfaces = ProbeWindows;

namespace {

COLORREF At(const gdi::Surface& s, int x, int y) {
    return gdi::ColorFromPixel(s.Get(x, y)) & 0x00FFFFFF;
}

} // namespace

TEST_F(Surfaces, ThePictureIsWhatErasingAndPaintingDrew) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    for (auto [name, brush] : {std::pair{u"Red", red}, std::pair{u"Blue", blue}}) {
        WNDCLASSW c{};
        c.lpfnWndProc = &ProbeProc;
        c.lpszClassName = name;
        c.hbrBackground = brush;
        ASSERT_NE(RegisterClassW(&c), 0);
    }
    HWND top = CreateWindowExW(0, u"Red", u"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER, 200, 100,
                               42, 32, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExW(0, u"Blue", u"", WS_CHILD | WS_VISIBLE, 10, 5, 20, 10, top, nullptr, nullptr,
                                 nullptr);
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    hook = [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (h != child || m != WM_PAINT)
            return std::nullopt;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        const RECT square{0, 0, 4, 4};
        FillRect(dc, &square, green);
        const RECT outside{-5, -3, 30, 13}; // its left edge falls on the parent: clipped away
        FrameRect(dc, &outside, green);
        EndPaint(h, &ps);
        return 0;
    };
    user::Desktop::Current().Pump();
    const gdi::Surface picture = user::WindowPicture(top);
    ASSERT_EQ(picture.Width(), 42);
    ASSERT_EQ(picture.Height(), 32);
    EXPECT_EQ(At(picture, 1, 1), RGB(255, 0, 0));   // the parent's client starts inside its border
    EXPECT_EQ(At(picture, 11, 6), RGB(0, 255, 0));  // the child's client corner, painted green
    EXPECT_EQ(At(picture, 15, 10), RGB(0, 0, 255)); // the rest of the child, erased blue
    EXPECT_EQ(At(picture, 31, 6), RGB(255, 0, 0));  // right of the child
    EXPECT_EQ(At(picture, 6, 8), RGB(255, 0, 0));   // under the frame left of the child
    const gdi::Surface childPicture = user::WindowPicture(child);
    EXPECT_EQ(childPicture.Width(), 20);
    EXPECT_EQ(At(childPicture, 0, 0), RGB(0, 255, 0));
    EXPECT_EQ(user::Desktop::Current().Paint().Outstanding(), 0);

    const std::string path = (std::filesystem::temp_directory_path() / "user_window_picture.png").string();
    ASSERT_TRUE(user::SaveWindowPng(top, path));
    EXPECT_EQ(gdi::DifferentPixels(gdi::LoadPng(path), picture), 0u);
    std::filesystem::remove(path);
    DestroyWindow(top);
    EXPECT_FALSE(user::SaveWindowPng(top, path));
    for (HBRUSH b : {red, blue, green})
        DeleteObject(b);
}

TEST_F(Surfaces, RasterMemoryComesWithTheFirstPixelDrawn) {
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    WNDCLASSW c{};
    c.lpfnWndProc = &ProbeProc;
    c.lpszClassName = u"Measured";
    ASSERT_NE(RegisterClassW(&c), 0);
    HWND top =
        CreateWindowExW(0, u"Measured", u"", WS_POPUP, 0, 0, 30, 20, nullptr, nullptr, nullptr, nullptr);
    for (HWND measured : {HWND{nullptr}, top}) {
        HDC dc = GetDC(measured);
        TEXTMETRICW metrics{};
        EXPECT_TRUE(GetTextMetricsW(dc, &metrics));
        EXPECT_EQ(gdi::ColorFromPixel(gdi::SurfaceOf(dc)->Get(3, 3)) & 0x00FFFFFF, RGB(0, 0, 0));
        EXPECT_FALSE(gdi::SurfaceOf(dc)->Allocated());
        ReleaseDC(measured, dc);
    }
    HDC dc = GetDC(top);
    const RECT corner{0, 0, 2, 2};
    FillRect(dc, &corner, white);
    EXPECT_TRUE(gdi::SurfaceOf(dc)->Allocated());
    ReleaseDC(top, dc);
    SetWindowPos(top, nullptr, 0, 0, 40, 25, SWP_NOMOVE | SWP_NOZORDER);
    const gdi::Surface grown = user::WindowPicture(top);
    ASSERT_EQ(grown.Width(), 40);
    EXPECT_EQ(At(grown, 1, 1), RGB(255, 255, 255)); // kept when the surface grew
    EXPECT_EQ(At(grown, 2, 1), RGB(0, 0, 0));
    EXPECT_EQ(At(grown, 35, 22), RGB(0, 0, 0));
    DeleteObject(white);
}

#pragma once
// A small white memory bitmap selected into a memory device context, with
// pixel probes, for pixel-exact tests of the drawing calls.

#include <set>
#include <utility>

#include "platform/gdi/gdi.h"
#include "platform/gdi/probe.h"

namespace gdi_test {

using Points = std::set<std::pair<int, int>>;

class Canvas {
public:
    Canvas(int width, int height, COLORREF background = RGB(255, 255, 255))
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)),
          bitmap_(CreateBitmap(width, height, 1, 32, nullptr)) {
        old_ = SelectObject(dc_, bitmap_);
        Clear(background);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Reads the bitmap directly, whatever the clip.
    COLORREF At(int x, int y) const { return gdi::ColorFromPixel(gdi::SurfaceOf(bitmap_)->Get(x, y)); }
    void Clear(COLORREF c) { gdi::SurfaceOf(bitmap_)->Fill(gdi::PixelFromColor(c)); }

    Points Where(COLORREF c) const {
        Points out;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (At(x, y) == c)
                    out.emplace(x, y);
        return out;
    }
    Points NotEqual(COLORREF c) const {
        Points out;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (At(x, y) != c)
                    out.emplace(x, y);
        return out;
    }
    std::vector<gdi::Pixel> Snapshot() const { return gdi::SurfaceOf(bitmap_)->Pixels(); }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

inline Points RectPoints(int l, int t, int r, int b) {
    Points out;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            out.emplace(x, y);
    return out;
}

} // namespace gdi_test

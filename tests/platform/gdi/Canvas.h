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
        : mWidth(width), mHeight(height), mDc(CreateCompatibleDC(nullptr)),
          mBitmap(CreateBitmap(width, height, 1, 32, nullptr)) {
        mOld = SelectObject(mDc, mBitmap);
        Clear(background);
    }
    ~Canvas() {
        SelectObject(mDc, mOld);
        DeleteObject(mBitmap);
        DeleteDC(mDc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return mDc; }
    HBITMAP bitmap() const { return mBitmap; }
    int width() const { return mWidth; }
    int height() const { return mHeight; }

    // Reads the bitmap directly, whatever the clip.
    COLORREF At(int x, int y) const { return gdi::ColorFromPixel(gdi::SurfaceOf(mBitmap)->Get(x, y)); }
    void Clear(COLORREF c) { gdi::SurfaceOf(mBitmap)->Fill(gdi::PixelFromColor(c)); }

    Points Where(COLORREF c) const {
        Points out;
        for (int y = 0; y < mHeight; ++y)
            for (int x = 0; x < mWidth; ++x)
                if (At(x, y) == c)
                    out.emplace(x, y);
        return out;
    }
    Points NotEqual(COLORREF c) const {
        Points out;
        for (int y = 0; y < mHeight; ++y)
            for (int x = 0; x < mWidth; ++x)
                if (At(x, y) != c)
                    out.emplace(x, y);
        return out;
    }
    std::vector<gdi::Pixel> Snapshot() const { return gdi::SurfaceOf(mBitmap)->Pixels(); }

private:
    int mWidth;
    int mHeight;
    HDC mDc;
    HBITMAP mBitmap;
    HGDIOBJ mOld;
};

inline Points RectPoints(int l, int t, int r, int b) {
    Points out;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            out.emplace(x, y);
    return out;
}

} // namespace gdi_test

#pragma once
// An in-memory raster: memory bitmaps, window back buffers and printer pages
// are all surfaces. Pixels are kept 32-bit whatever depth is reported; a
// 1-bit surface stores only black and white, mapping every colour written to
// the nearer of the two, as drawing onto a monochrome bitmap does. A bottom-up
// surface (a bottom-up device-independent bitmap) keeps its last row first in
// Pixels(); Get and Set take top-down coordinates either way. The pixel memory
// is allocated when a pixel is first written or the pixels are asked for as a
// whole: until then every pixel reads as the fill, so a window or screen that
// is only measured, never painted, costs no raster.

#include <vector>

#include "platform/gdi/Color.h"

namespace gdi {

class Surface {
public:
    // Largest side accepted; larger requests are refused by the callers that
    // take sizes from outside.
    static constexpr int kMaxSide = 32768;

    Surface(int width, int height, int bitsPerPixel = 32, Pixel fill = 0, bool bottomUp = false);

    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    int BitsPerPixel() const { return mBitsPerPixel; }
    bool BottomUp() const { return mBottomUp; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < mWidth && y < mHeight; }

    // Callers keep (x, y) inside; Contains says where that is.
    Pixel Get(int x, int y) const { return mPixels.empty() ? mFill : mPixels[Index(x, y)]; }
    void Set(int x, int y, Pixel p) {
        if (mPixels.empty())
            Allocate();
        mPixels[Index(x, y)] = Quantise(p);
    }
    void Fill(Pixel p);
    // Whether the pixel memory exists yet (every pixel is the fill while not).
    bool Allocated() const { return !mPixels.empty(); }

    const std::vector<Pixel>& Pixels() const {
        if (mPixels.empty())
            Allocate();
        return mPixels;
    }
    std::vector<Pixel>& Pixels() {
        if (mPixels.empty())
            Allocate();
        return mPixels;
    }

private:
    std::size_t Index(int x, int y) const {
        const int row = mBottomUp ? mHeight - 1 - y : y;
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(mWidth) + static_cast<std::size_t>(x);
    }
    Pixel Quantise(Pixel p) const;
    void Allocate() const;

    int mWidth;
    int mHeight;
    int mBitsPerPixel;
    bool mBottomUp;
    Pixel mFill; // every pixel's value until mPixels is allocated
    mutable std::vector<Pixel> mPixels;
};

} // namespace gdi

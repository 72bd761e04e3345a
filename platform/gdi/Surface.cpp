#include "platform/gdi/Surface.h"

#include <algorithm>
#include <stdexcept>

namespace gdi {

Surface::Surface(int width, int height, int bitsPerPixel, Pixel fill, bool bottomUp)
    : mWidth(width), mHeight(height), mBitsPerPixel(bitsPerPixel == 1 ? 1 : 32), mBottomUp(bottomUp),
      mFill(0) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        throw std::invalid_argument("surface size out of range");
    mFill = Quantise(fill);
}

void Surface::Allocate() const {
    mPixels.assign(static_cast<std::size_t>(mWidth) * static_cast<std::size_t>(mHeight), mFill);
}

void Surface::Fill(Pixel p) {
    mFill = Quantise(p);
    if (!mPixels.empty())
        std::fill(mPixels.begin(), mPixels.end(), mFill);
}

Pixel Surface::Quantise(Pixel p) const {
    if (mBitsPerPixel != 1)
        return p;
    const int sum =
        static_cast<int>((p >> 16) & 0xFF) + static_cast<int>((p >> 8) & 0xFF) + static_cast<int>(p & 0xFF);
    return sum >= 383 ? kRgbMask : 0;
}

} // namespace gdi

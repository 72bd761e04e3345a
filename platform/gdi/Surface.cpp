#include "platform/gdi/Surface.h"

#include <algorithm>
#include <stdexcept>

namespace gdi {

Surface::Surface(int width, int height, int bitsPerPixel, Pixel fill, bool bottomUp)
    : mWidth(width), mHeight(height), mBitsPerPixel(bitsPerPixel == 1 ? 1 : 32), mBottomUp(bottomUp) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        throw std::invalid_argument("surface size out of range");
    mPixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), Quantise(fill));
}

void Surface::Fill(Pixel p) {
    std::fill(mPixels.begin(), mPixels.end(), Quantise(p));
}

Pixel Surface::Quantise(Pixel p) const {
    if (mBitsPerPixel != 1)
        return p;
    const int sum =
        static_cast<int>((p >> 16) & 0xFF) + static_cast<int>((p >> 8) & 0xFF) + static_cast<int>(p & 0xFF);
    return sum >= 383 ? kRgbMask : 0;
}

} // namespace gdi

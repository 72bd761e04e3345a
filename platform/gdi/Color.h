#pragma once
// The one place where a COLORREF (0x00BBGGRR: red in the low byte) becomes a
// raster pixel and back. Pixels are 32-bit words 0xAARRGGBB, that is bytes
// B, G, R, A in memory, as in a 32-bit top-down device-independent bitmap.
// GDI drawing writes alpha 0.

#include <cstdint>

#include "platform/win32/types.h"

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

namespace gdi {

using Pixel = std::uint32_t;

constexpr Pixel PixelFromColor(COLORREF c) {
    return (static_cast<Pixel>(GetRValue(c)) << 16) | (static_cast<Pixel>(GetGValue(c)) << 8) | GetBValue(c);
}

// Drops the alpha byte.
constexpr COLORREF ColorFromPixel(Pixel p) {
    return RGB(static_cast<BYTE>((p >> 16) & 0xFF), static_cast<BYTE>((p >> 8) & 0xFF),
               static_cast<BYTE>(p & 0xFF));
}

constexpr Pixel kRgbMask = 0x00FFFFFF;

} // namespace gdi

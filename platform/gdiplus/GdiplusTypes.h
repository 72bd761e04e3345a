#pragma once
// The values GDI+ calls take and give: status codes, colours (ARGB, alpha in
// the high byte, straight), pixel formats, rectangles, colour matrices and
// colour maps. Numbers are GDI+'s own.

#include <cstdint>

#include "platform/win32/types.h"

namespace Gdiplus {

using REAL = float;
using ARGB = std::uint32_t;
using PixelFormat = INT;

enum Status {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    GdiplusNotInitialized = 18,
};

inline constexpr PixelFormat PixelFormat1bppIndexed = 0x00030101;
inline constexpr PixelFormat PixelFormat8bppIndexed = 0x00030803;
inline constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
inline constexpr PixelFormat PixelFormat32bppRGB = 0x00022009;
inline constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
inline constexpr PixelFormat PixelFormat32bppPARGB = 0x000E200B;

enum Unit { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2 };
enum ColorMatrixFlags { ColorMatrixFlagsDefault = 0 };
enum ColorAdjustType { ColorAdjustTypeDefault = 0, ColorAdjustTypeBitmap = 1 };

class Color {
public:
    Color() = default;
    Color(ARGB argb) : mArgb(argb) {}
    Color(BYTE r, BYTE g, BYTE b) : Color(255, r, g, b) {}
    Color(BYTE a, BYTE r, BYTE g, BYTE b)
        : mArgb((ARGB{a} << 24) | (ARGB{r} << 16) | (ARGB{g} << 8) | ARGB{b}) {}

    ARGB GetValue() const { return mArgb; }
    BYTE GetA() const { return static_cast<BYTE>(mArgb >> 24); }
    BYTE GetR() const { return static_cast<BYTE>(mArgb >> 16); }
    BYTE GetG() const { return static_cast<BYTE>(mArgb >> 8); }
    BYTE GetB() const { return static_cast<BYTE>(mArgb); }

private:
    ARGB mArgb = 0xFF000000; // opaque black
};

struct Rect {
    INT X = 0;
    INT Y = 0;
    INT Width = 0;
    INT Height = 0;
};

// Row vector [R G B A 1] times the matrix, on straight channels 0 to 1.
struct ColorMatrix {
    REAL m[5][5];
};

struct ColorMap {
    Color oldColor;
    Color newColor;
};

} // namespace Gdiplus

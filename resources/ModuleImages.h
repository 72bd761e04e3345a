#pragma once
// The module's pictures: bitmap resources drawn here as character art and
// packed as device-independent bitmaps of the depth each one has.
//
//   201 the mark of invalid settings (the error icon), 12 x 12, 24 bits;
//   206 error icon, 12 x 12, 32 bits per pixel; 207 warning icon, 12 x 12,
//   24 bits; 208 information icon, 14 x 15, 8 bits with a colour table.
//
// In each the top-left pixel is the colour treated as transparent: pure green
// in 201, 206 and 207, light grey (192, 192, 192) in 208.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/win32/types.h"

namespace Tarvik {

inline constexpr WORD kInvalidMarkBitmap = 201;
inline constexpr WORD kErrorIconBitmap = 206;
inline constexpr WORD kWarningIconBitmap = 207;
inline constexpr WORD kInfoIconBitmap = 208;
// PNG resources ("PNG"), 32 bits with alpha: the snap toolbar's follow-the-
// newest-row symbol (16 x 16) and the accordion's done tick, down chevron and
// error disc (13 x 13 each).
inline constexpr WORD kFollowLatestPng = 1005;
inline constexpr WORD kDonePng = 6020;
inline constexpr WORD kChevronPng = 6021;
inline constexpr WORD kErrorPng = 6022;

struct ArtColour {
    char key;
    COLORREF colour;
};

// A packed DIB (BITMAPINFOHEADER, colour table for 8 bits, bottom-up rows)
// of rows of characters, each character a colour of the palette.
std::vector<BYTE> PackArt(const std::vector<std::string_view>& rows, int bitsPerPixel,
                          const std::vector<ArtColour>& palette);

void RegisterModuleImages(HMODULE instance);

} // namespace Tarvik

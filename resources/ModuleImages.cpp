#include "resources/ModuleImages.h"

#include "platform/gdi/Png.h"
#include "platform/gdi/Surface.h"

#include <algorithm>

#include "platform/win32/resources.h"

namespace Tarvik {
namespace {

const std::vector<ArtColour> kColours{{'G', 0x00FF00}, {'L', 0xC0C0C0}, {'R', 0x2828DC}, {'W', 0xFFFFFF},
                                      {'Y', 0x14C8FA}, {'K', 0x000000}, {'B', 0xD26428}, {'D', 0x1E1EA0}};

const std::vector<std::string_view> kError{
    "GGGGRRRRGGGG", "GGRRRRRRRRGG", "GRRRRWWRRRRG", "GRRRRWWRRRRG", "RRRRRWWRRRRR", "RRRRRWWRRRRR",
    "RRRRRWWRRRRR", "RRRRRRRRRRRR", "GRRRRWWRRRRG", "GRRRRWWRRRRG", "GGRRRRRRRRGG", "GGGGRRRRGGGG",
};

const std::vector<std::string_view> kWarning{
    "GGGGGYYGGGGG", "GGGGGYYGGGGG", "GGGGYKKYGGGG", "GGGGYKKYGGGG", "GGGYYKKYYGGG", "GGGYYKKYYGGG",
    "GGYYYKKYYYGG", "GGYYYYYYYYGG", "GYYYYKKYYYYG", "GYYYYKKYYYYG", "YYYYYYYYYYYY", "KKKKKKKKKKKK",
};

const std::vector<std::string_view> kInfo{
    "LLLLBBBBBBLLLL", "LLBBBBBBBBBBLL", "LBBBBBWWBBBBBL", "LBBBBBWWBBBBBL", "BBBBBBBBBBBBBB",
    "BBBBBWWWBBBBBB", "BBBBBBWWBBBBBB", "BBBBBBWWBBBBBB", "BBBBBBWWBBBBBB", "BBBBBBWWBBBBBB",
    "LBBBBWWWWBBBBL", "LBBBBBBBBBBBBL", "LLBBBBBBBBBBLL", "LLLLBBBBBBLLLL", "LLLLLLLLLLLLLL",
};

COLORREF ColourOf(char c, const std::vector<ArtColour>& palette) {
    for (const ArtColour& a : palette)
        if (a.key == c)
            return a.colour;
    return 0;
}

void Put32(std::vector<BYTE>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<BYTE>(v >> (8 * i)));
}

void Put16(std::vector<BYTE>& out, std::uint16_t v) {
    out.push_back(static_cast<BYTE>(v));
    out.push_back(static_cast<BYTE>(v >> 8));
}

} // namespace

std::vector<BYTE> PackArt(const std::vector<std::string_view>& rows, int bitsPerPixel,
                          const std::vector<ArtColour>& palette) {
    const int height = static_cast<int>(rows.size());
    const int width = height > 0 ? static_cast<int>(rows[0].size()) : 0;
    std::vector<char> table; // the characters used, in order of first use, for 8 bits
    if (bitsPerPixel == 8)
        for (std::string_view row : rows)
            for (char c : row)
                if (std::find(table.begin(), table.end(), c) == table.end())
                    table.push_back(c);
    std::vector<BYTE> out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height)); // bottom-up
    Put16(out, 1);
    Put16(out, static_cast<std::uint16_t>(bitsPerPixel));
    for (std::uint32_t v : {0u, 0u, 0u, 0u, static_cast<std::uint32_t>(table.size()), 0u})
        Put32(out, v);
    for (char c : table) {
        const COLORREF rgb = ColourOf(c, palette);
        out.insert(out.end(),
                   {static_cast<BYTE>(rgb >> 16), static_cast<BYTE>(rgb >> 8), static_cast<BYTE>(rgb), 0});
    }
    const std::size_t stride = (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        std::vector<BYTE> line;
        for (char c : rows[static_cast<std::size_t>(y)]) {
            const COLORREF rgb = ColourOf(c, palette);
            const BYTE b = static_cast<BYTE>(rgb >> 16), g = static_cast<BYTE>(rgb >> 8),
                       r = static_cast<BYTE>(rgb);
            if (bitsPerPixel == 8)
                line.push_back(static_cast<BYTE>(std::find(table.begin(), table.end(), c) - table.begin()));
            else if (bitsPerPixel == 24)
                line.insert(line.end(), {b, g, r});
            else
                line.insert(line.end(), {b, g, r, 0xFF});
        }
        line.resize(stride, 0);
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

namespace {

// PNG pictures with an alpha channel: '.' is transparent, the other keys
// opaque colours (COLORREF).
const std::vector<ArtColour> kPngColours{
    {'g', 0x2E9E3A}, {'k', 0x505050}, {'r', 0x2828DC}, {'w', 0xFFFFFF}, {'b', 0x96501E}};

// A green tick, 13 x 13.
const std::vector<std::string_view> kDoneTick{
    ".............", "...........g.", "..........gg.", ".........ggg.", "........ggg..",
    ".g.....ggg...", ".gg...ggg....", ".ggg.ggg.....", "..ggggg......", "...ggg.......",
    "....g........", ".............", "............."};
// A down chevron, 13 x 13.
const std::vector<std::string_view> kChevron{
    ".............", ".............", ".............", ".............", ".k.........k.",
    ".kk.......kk.", "..kk.....kk..", "...kk...kk...", "....kk.kk....", ".....kkk.....",
    "......k......", ".............", "............."};
// A red disc with a white exclamation mark, 13 x 13.
const std::vector<std::string_view> kErrorDisc{
    "....rrrrr....", "..rrrrrrrrr..", ".rrrrrwrrrrr.", ".rrrrrwrrrrr.", "rrrrrrwrrrrrr",
    "rrrrrrwrrrrrr", "rrrrrrwrrrrrr", "rrrrrrwrrrrrr", "rrrrrrrrrrrrr", ".rrrrrwrrrrr.",
    ".rrrrrrrrrrr.", "..rrrrrrrrr..", "....rrrrr...."};
// Following the newest row: an arrow down onto a bar, 16 x 16.
const std::vector<std::string_view> kFollowLatest{
    "................", "................", ".......bb.......", ".......bb.......",
    ".......bb.......", ".......bb.......", ".......bb.......", "....bbbbbbbb....",
    ".....bbbbbb.....", "......bbbb......", ".......bb.......", "................",
    "..bbbbbbbbbbbb..", "..bbbbbbbbbbbb..", "................", "................"};

std::vector<BYTE> PackPngArt(const std::vector<std::string_view>& rows) {
    const int height = static_cast<int>(rows.size());
    const int width = height > 0 ? static_cast<int>(rows[0].size()) : 0;
    gdi::Surface picture(width, height, 32, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            if (c != '.')
                picture.Set(x, y, 0xFF000000u | gdi::PixelFromColor(ColourOf(c, kPngColours)));
        }
    const std::vector<std::uint8_t> png = gdi::EncodePngWithAlpha(picture);
    return std::vector<BYTE>(png.begin(), png.end());
}

} // namespace

void RegisterModuleImages(HMODULE instance) {
    const LANGID neutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    const LPCWSTR bitmap = MAKEINTRESOURCEW(2);
    RegisterResource(instance, bitmap, MAKEINTRESOURCEW(kInvalidMarkBitmap), neutral,
                     PackArt(kError, 24, kColours));
    RegisterResource(instance, bitmap, MAKEINTRESOURCEW(kErrorIconBitmap), neutral,
                     PackArt(kError, 32, kColours));
    RegisterResource(instance, bitmap, MAKEINTRESOURCEW(kWarningIconBitmap), neutral,
                     PackArt(kWarning, 24, kColours));
    RegisterResource(instance, bitmap, MAKEINTRESOURCEW(kInfoIconBitmap), neutral,
                     PackArt(kInfo, 8, kColours));
    const LPCWSTR png = u"PNG";
    RegisterResource(instance, png, MAKEINTRESOURCEW(kDonePng), neutral, PackPngArt(kDoneTick));
    RegisterResource(instance, png, MAKEINTRESOURCEW(kChevronPng), neutral, PackPngArt(kChevron));
    RegisterResource(instance, png, MAKEINTRESOURCEW(kErrorPng), neutral, PackPngArt(kErrorDisc));
    RegisterResource(instance, png, MAKEINTRESOURCEW(kFollowLatestPng), neutral, PackPngArt(kFollowLatest));
}

} // namespace Tarvik

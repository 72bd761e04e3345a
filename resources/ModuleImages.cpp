#include "resources/ModuleImages.h"

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
}

} // namespace Tarvik

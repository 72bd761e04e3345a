#include "controls/PreviewColours.h"

#include "platform/gdi/gdi.h"
#include "platform/user/paint_api.h"

namespace Tarvik {
namespace {

constexpr std::array<COLORREF, 21> kPalette1{0x0000FF, 0xFF0000, 0x008000, 0xFF00FF, 0x800000, 0x000080,
                                             0x008080, 0x800080, 0x808000, 0x000000, 0x00FF00, 0xFFFF00,
                                             0x0080FF, 0x8000FF, 0xFF0080, 0x004080, 0xC08000, 0x00A0E0,
                                             0xFF8000, 0xC08080, 0x00FFFF};

constexpr std::array<COLORREF, 37> kPalette2{
    0x0000D5, 0x0058EA, 0x0080AA, 0x00BFA8, 0x00AA55, 0x006A0E, 0x208000, 0x6AAA00, 0xAAAA00, 0xEA9300,
    0xFF4000, 0x950013, 0xD5006A, 0xBF00A8, 0x9F00D5, 0x5800EA, 0x6A6A6A, 0x000000, 0xFF55EA, 0xDA6AFF,
    0xAF80FF, 0x6A6AFF, 0x6AA3FF, 0x55D5FF, 0x6AFFED, 0x55FFAA, 0x2BFF45, 0x70FF40, 0xBFFF55, 0xFFFF40,
    0xFFC86A, 0xFF8F6A, 0xFF6A7D, 0xFF6AB5, 0xBFBFBF, 0x8A8A8A, 0x555555};

constexpr std::array<COLORREF, 37> Palette3() {
    std::array<COLORREF, 37> p = kPalette2;
    p[17] = 0x343434; // entry 18
    return p;
}
constexpr std::array<COLORREF, 37> kPalette3 = Palette3();

constexpr std::array<COLORREF, 37> Palette4() {
    constexpr std::array<COLORREF, 18> own{0x3535FF, 0x2769F3, 0x00B5FF, 0x00F4FB, 0x5EFBFF, 0x14E4A6,
                                           0x00D71B, 0x6DFF25, 0xBCEB01, 0xE1CF2B, 0xF19701, 0xFF6A2A,
                                           0xFF8FA2, 0xCE0FB7, 0xA607DC, 0xBA07F5, 0x959595, 0xFFFFFF};
    std::array<COLORREF, 37> p = kPalette2;
    for (std::size_t i = 0; i < own.size(); ++i)
        p[i] = own[i];
    return p;
}
constexpr std::array<COLORREF, 37> kPalette4 = Palette4();

// Palette 2 is used from its 19th entry (offset 18) on.
constexpr int kPalette2Offset = 18;

struct Choice {
    bool made = false;
    bool hasOwner = false;
    PaletteChoice palette{};
};

int ScreenBitsPerPixel() {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    return bits;
}

} // namespace

std::span<const COLORREF, 21> PreviewPalette1() {
    return kPalette1;
}
std::span<const COLORREF, 37> PreviewPalette2() {
    return kPalette2;
}
std::span<const COLORREF, 37> PreviewPalette3() {
    return kPalette3;
}
std::span<const COLORREF, 37> PreviewPalette4() {
    return kPalette4;
}

PaletteChoice ChoosePreviewPalette(bool hasOwner, int bitsPerPixel) {
    if (bitsPerPixel <= 8)
        return {kPalette1.data(), 12};
    if (!hasOwner)
        return {kPalette1.data(), 20};
    return {kPalette2.data() + kPalette2Offset, static_cast<int>(kPalette2.size()) - kPalette2Offset};
}

COLORREF GetPreviewColour(PreviewColourOwner* owner, int index) {
    if (owner != nullptr) {
        COLORREF colour = 0;
        owner->PreviewColour(index, colour);
        return colour;
    }
    static Choice choice;
    if (!choice.made || choice.hasOwner) {
        choice = {true, false, ChoosePreviewPalette(false, ScreenBitsPerPixel())};
    }
    const int count = choice.palette.count;
    const int at = ((index % count) + count) % count;
    return choice.palette.first[at];
}

} // namespace Tarvik

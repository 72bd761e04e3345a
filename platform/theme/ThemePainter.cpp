// The colours follow from (class, part, state) alone, so a picture is the
// same on every run and every machine.

#include "platform/theme/ThemePainter.h"

#include <cstdint>

#include "platform/gdi/gdi.h"
#include "platform/theme/uxtheme.h"

namespace theme {
namespace {

// FNV-1a over the class name's units, the part and the state.
std::uint32_t Key(std::u16string_view themeClass, int part, int state) {
    std::uint32_t h = 2166136261u;
    auto mix = [&h](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h ^= (v >> (8 * i)) & 0xFF;
            h *= 16777619u;
        }
    };
    for (char16_t c : themeClass)
        mix(c);
    mix(static_cast<std::uint32_t>(part));
    mix(static_cast<std::uint32_t>(state));
    return h;
}

// A light face (each channel 0xC0 to 0xFF) and a dark border (0x20 to 0x5F).
COLORREF Face(std::uint32_t key) {
    return RGB(static_cast<BYTE>(0xC0 | (key & 0x3F)), static_cast<BYTE>(0xC0 | ((key >> 6) & 0x3F)),
               static_cast<BYTE>(0xC0 | ((key >> 12) & 0x3F)));
}
COLORREF Border(std::uint32_t key) {
    return RGB(static_cast<BYTE>(0x20 + ((key >> 18) & 0x3F)), static_cast<BYTE>(0x20 + ((key >> 24) & 0x3F)),
               static_cast<BYTE>(0x20 + ((key >> 26) & 0x3F)));
}

void Fill(HDC dc, const RECT& r, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void Frame(HDC dc, const RECT& r, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

// Two strokes from the left third down to the bottom third and up to the right.
void Tick(HDC dc, const RECT& r, COLORREF color) {
    const LONG w = r.right - r.left;
    const LONG h = r.bottom - r.top;
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ old = SelectObject(dc, pen);
    for (LONG d = 0; d < 2; ++d) {
        MoveToEx(dc, r.left + w * 2 / 10, r.top + h * 5 / 10 + d, nullptr);
        LineTo(dc, r.left + w * 4 / 10, r.top + h * 7 / 10 + d);
        LineTo(dc, r.left + w * 8 / 10 + 1, r.top + h * 3 / 10 + d - 1);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

bool IsCheckedBox(std::u16string_view themeClass, int part, int state) {
    return themeClass == u"BUTTON" && part == BP_CHECKBOX && state >= CBS_CHECKEDNORMAL;
}

} // namespace

void PaintPart(HDC dc, std::u16string_view themeClass, int part, int state, const RECT& rect) {
    const std::uint32_t key = Key(themeClass, part, state);
    Fill(dc, rect, Face(key));
    Frame(dc, rect, Border(key));
    if (IsCheckedBox(themeClass, part, state))
        Tick(dc, rect, Border(key));
}

} // namespace theme

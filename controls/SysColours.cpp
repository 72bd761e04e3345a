#include "controls/SysColours.h"

#include <algorithm>

namespace {

SysColourCache Read() {
    return SysColourCache{GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNSHADOW),
                          GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT),
                          RGB(255, 255, 255),         GetSysColor(COLOR_WINDOW)};
}

SysColourCache& Current() {
    static SysColourCache cache = Read();
    return cache;
}

SysColourCache& Defaults() {
    static SysColourCache cache = Read();
    return cache;
}

} // namespace

void RefreshSysColors() {
    Current() = Read();
    Defaults() = Read();
}

const SysColourCache& CurrentSysColours() {
    return Current();
}

const SysColourCache& DefaultSysColours() {
    return Defaults();
}

COLORREF LightenColor(COLORREF colour, double fraction) {
    const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    const double step = (720 - r - g - b) * fraction / 3.0;
    const int d = step > -1e9 && step < 1e9 ? static_cast<int>(step) : 0;
    auto lift = [d](int c) { return static_cast<BYTE>(std::clamp(c + d, 0, 240)); };
    return RGB(lift(r), lift(g), lift(b));
}

void DrawOnePixelFrame(HDC dc, COLORREF topLeft, COLORREF bottomRight, const RECT& r) {
    const COLORREF saved = GetBkColor(dc);
    const RECT edges[] = {{r.left, r.top, r.right, r.top + 1},
                          {r.left, r.top, r.left + 1, r.bottom},
                          {r.right - 1, r.top, r.right, r.bottom},
                          {r.left, r.bottom - 1, r.right, r.bottom}};
    for (int i = 0; i < 4; ++i) {
        SetBkColor(dc, i < 2 ? topLeft : bottomRight);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &edges[i], nullptr, 0, nullptr);
    }
    SetBkColor(dc, saved);
}

#pragma once
// A colour: an RGB value or a system colour resolved when it is used.

#include "platform/gdi/Color.h"
#include "platform/gdi/gdi.h"

namespace OWL {

class TColor {
public:
    constexpr TColor() = default;
    constexpr TColor(COLORREF rgb) : mValue(rgb) {}
    constexpr TColor(BYTE r, BYTE g, BYTE b) : mValue(RGB(r, g, b)) {}
    static constexpr TColor SysColor(int index) { return TColor(kSysFlag | static_cast<COLORREF>(index)); }

    constexpr bool IsSysColor() const { return (mValue & 0xFF000000u) == kSysFlag; }
    // No colour: nothing is painted with it.
    constexpr bool IsNone() const { return mValue == kNone; }
    // The RGB value, looking a system colour up now.
    COLORREF GetValue() const { return IsSysColor() ? GetSysColor(static_cast<int>(mValue & 0xFF)) : mValue; }
    operator COLORREF() const { return GetValue(); }

    static const TColor None;
    static const TColor Black;
    static const TColor LtGray;
    static const TColor Gray;
    static const TColor White;
    static const TColor Sys3dFace;
    static const TColor Sys3dHilight;
    static const TColor Sys3dShadow;
    static const TColor SysWindow;
    static const TColor SysWindowText;

private:
    static constexpr COLORREF kSysFlag = 0x80000000u;
    static constexpr COLORREF kNone = 0xFF000000u;
    COLORREF mValue = 0;
};

inline constexpr TColor TColor::None{0xFF000000u};
inline constexpr TColor TColor::Black{0, 0, 0};
inline constexpr TColor TColor::LtGray{192, 192, 192};
inline constexpr TColor TColor::Gray{128, 128, 128};
inline constexpr TColor TColor::White{255, 255, 255};
inline constexpr TColor TColor::Sys3dFace = TColor::SysColor(COLOR_3DFACE);
inline constexpr TColor TColor::Sys3dHilight = TColor::SysColor(COLOR_3DHILIGHT);
inline constexpr TColor TColor::Sys3dShadow = TColor::SysColor(COLOR_3DSHADOW);
inline constexpr TColor TColor::SysWindow = TColor::SysColor(COLOR_WINDOW);
inline constexpr TColor TColor::SysWindowText = TColor::SysColor(COLOR_WINDOWTEXT);

} // namespace OWL

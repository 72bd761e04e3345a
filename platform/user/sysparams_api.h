#pragma once
// System parameters the controls read, with the values tests may change
// (Desktop::Settings).

#include "platform/gdi/structs.h"
#include "platform/user/handles.h"

inline constexpr UINT SPI_GETICONTITLELOGFONT = 0x001F;
inline constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;
inline constexpr UINT SPI_GETWORKAREA = 0x0030;
inline constexpr UINT SPI_GETTOOLTIPANIMATION = 0x1016;
inline constexpr UINT SPI_GETTOOLTIPFADE = 0x1018;

struct NONCLIENTMETRICSW {
    UINT cbSize;
    int iBorderWidth;
    int iScrollWidth;
    int iScrollHeight;
    int iCaptionWidth;
    int iCaptionHeight;
    LOGFONTW lfCaptionFont;
    int iSmCaptionWidth;
    int iSmCaptionHeight;
    LOGFONTW lfSmCaptionFont;
    int iMenuWidth;
    int iMenuHeight;
    LOGFONTW lfMenuFont;
    LOGFONTW lfStatusFont;
    LOGFONTW lfMessageFont;
    int iPaddedBorderWidth;
};
static_assert(sizeof(NONCLIENTMETRICSW) == 504);

// SPI_GETTOOLTIPANIMATION and SPI_GETTOOLTIPFADE write a BOOL, SPI_GETWORKAREA
// the primary monitor's work area, SPI_GETICONTITLELOGFONT a LOGFONTW (uiParam
// its size), SPI_GETNONCLIENTMETRICS the record (cbSize 500 without the
// padded border, or 504). FALSE for other actions.
BOOL SystemParametersInfoW(UINT action, UINT uiParam, void* pvParam, UINT winIni);

namespace user {
struct SystemSettings {
    bool tooltipAnimation = true;
    bool tooltipFade = true;
    LOGFONTW iconTitleFont{};    // "Segoe UI", height -12
    NONCLIENTMETRICSW metrics{}; // message, menu, status and caption fonts "Segoe UI" -12
    bool swapButtons = false;    // SM_SWAPBUTTON: the right button is the primary one
};
SystemSettings DefaultSystemSettings();
} // namespace user

#pragma once
// The user-interface fonts: "MS Shell Dlg 2" (character set 1, pitch and
// family 0x22) at a size in points converted to a device context's logical
// units, optionally rotated, and the default-GUI face with its metrics.

#include <memory>
#include <utility>

#include "platform/owl/TDC.h"
#include "platform/owl/TFont.h"

// 12 points when the application's primary language (low 10 bits of its
// language id) is Chinese (4) or Japanese (17), else 10.
int UiPointSize();

// MulDiv(points, LOGPIXELSY, 72), then MulDiv(that, window-extent width,
// viewport-extent width) of the context.
int PointsToLogical(int points, const OWL::TDC& dc);
int PointsToLogical(int points, HDC dc);

// OUT_TT_ONLY_PRECIS (7) when the font is rotated or the context is not a
// raster display, else 0.
BYTE OutputPrecision(HDC dc, int angle = 0);

// The dialog font's LOGFONTW at points (0: UiPointSize()) on the context,
// escapement and orientation angle (tenths of a degree), regular weight.
LOGFONTW DialogLogFont(HDC dc, int points, int angle);
// That font on the context (the screen when dc is null).
std::unique_ptr<OWL::TFont> CreateDialogFont(int points, int angle, HDC dc);

// The dialog font as a raw handle the caller deletes, at points on the context
// (a screen context when dc is null), rotated by angle, italic or not. False,
// and nothing made, without an out pointer.
bool CreateRotatedFont(HFONT* out, HDC dc, int points, int angle, bool italic);

// The default GUI font's face at points (weight 700 or 400, pitch and family
// 0x12) and the context's text metrics with it selected.
struct GuiFont {
    std::unique_ptr<OWL::TFont> font;
    TEXTMETRICW metrics{};
};
void MakeGuiFont(HDC dc, GuiFont& out, int points, bool bold);

// (tmAveCharWidth, tmHeight + tmExternalLeading) of the font on a screen
// context; (0, 0) when there is none.
std::pair<int, int> GetFontLineHeight(HFONT font);

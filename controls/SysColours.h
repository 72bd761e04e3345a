#pragma once
// The system colours the controls draw with, cached at module start
// (RefreshSysColors) with a current and a default copy each, the lightening
// of a colour, and a one-pixel three-dimensional frame.

#include "platform/gdi/gdi.h"

struct SysColourCache {
    COLORREF buttonText;      // COLOR_BTNTEXT
    COLORREF buttonShadow;    // COLOR_BTNSHADOW
    COLORREF buttonFace;      // COLOR_BTNFACE
    COLORREF buttonHighlight; // COLOR_BTNHIGHLIGHT
    COLORREF white;           // RGB(255, 255, 255)
    COLORREF window;          // COLOR_WINDOW
};

// Reads the six colours into both copies.
void RefreshSysColors();
const SysColourCache& CurrentSysColours();
const SysColourCache& DefaultSysColours();

// d = truncation of (720 - r - g - b) x fraction / 3.0 added to each channel,
// each then clamped to 0..240.
COLORREF LightenColor(COLORREF colour, double fraction);

// Fills (L, T, R, T + 1) and (L, T, L + 1, B) with topLeft and (R - 1, T, R, B)
// and (L, B - 1, R, B) with bottomRight, each an opaque ExtTextOut without
// text; the context's background colour is restored.
void DrawOnePixelFrame(HDC dc, COLORREF topLeft, COLORREF bottomRight, const RECT& rect);

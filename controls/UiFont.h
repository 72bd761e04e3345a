#pragma once
// The module's user-interface font.

#include <memory>

#include "platform/owl/TFont.h"

// "MS Shell Dlg 2" at 10 points (12 when the application's primary language is
// Chinese or Japanese), scaled to the device context's LOGPIXELSY and its
// window-to-viewport ratio; bold (700) or regular (400), underlined or not.
// A null context measures on the screen. The caller owns the font.
std::unique_ptr<OWL::TFont> GetUiFontPointSize(HDC dc, bool bold, bool underline);

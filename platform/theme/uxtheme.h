#pragma once
// The visual-styles library's entries, as the module binds them by name at
// run time (ThemeLibrary.h). Themed parts are drawn flat: a fill whose colour
// follows from (class, part, state), a one-pixel border and, for checked
// check boxes, a tick. Every entry that draws records itself in the device
// context's display list first ("DrawThemeBackground": part, state, rectangle;
// the class list as text).

#include "platform/gdi/handles.h"
#include "platform/win32/hresult.h"

struct HWND__;
using HWND = HWND__*;
struct HTHEME__;
using HTHEME = HTHEME__*;

// Button parts and check-box states.
inline constexpr int BP_PUSHBUTTON = 1;
inline constexpr int BP_RADIOBUTTON = 2;
inline constexpr int BP_CHECKBOX = 3;
inline constexpr int BP_GROUPBOX = 4;
inline constexpr int CBS_UNCHECKEDNORMAL = 1;
inline constexpr int CBS_UNCHECKEDHOT = 2;
inline constexpr int CBS_UNCHECKEDPRESSED = 3;
inline constexpr int CBS_UNCHECKEDDISABLED = 4;
inline constexpr int CBS_CHECKEDNORMAL = 5;
inline constexpr int CBS_CHECKEDHOT = 6;
inline constexpr int CBS_CHECKEDPRESSED = 7;
inline constexpr int CBS_CHECKEDDISABLED = 8;

// Tool-tip parts (the balloon 3, its close button 5 and its stem 6) and text
// styles (the hyperlink 6).
inline constexpr int TTP_BALLOON = 3;
inline constexpr int TTP_CLOSE = 5;
inline constexpr int TTP_BALLOONSTEM = 6;
inline constexpr int TEXT_BODYTEXT = 4;
inline constexpr int TEXT_HYPERLINKTEXT = 6;
inline constexpr int TP_BUTTON = 1;

// Theme properties.
inline constexpr int TMT_BORDERCOLOR = 3801;
inline constexpr int TMT_TEXTCOLOR = 3803;
inline constexpr int TMT_BORDERCOLORHINT = 3822;

// GetThemePartSize kinds.
inline constexpr int TS_MIN = 0;
inline constexpr int TS_TRUE = 1;
inline constexpr int TS_DRAW = 2;

// Buffered animation.
struct HANIMATIONBUFFER__;
using HANIMATIONBUFFER = HANIMATIONBUFFER__*;
inline constexpr int BPBF_COMPATIBLEBITMAP = 0;
inline constexpr int BPAS_NONE = 0;
inline constexpr int BPAS_LINEAR = 1;
struct BP_ANIMATIONPARAMS {
    DWORD cbSize;
    DWORD dwFlags;
    int style;
    DWORD dwDuration;
};
struct BP_PAINTPARAMS;

namespace theme {

inline constexpr HRESULT E_HANDLE = MakeHResult(0x80070006u);

// The entries. A class list names one or more classes separated by ';'; the
// first known one (case-insensitive) is opened. Null for no known class or
// while themes are off.
HTHEME OpenThemeData(HWND hwnd, LPCWSTR classList);
// S_OK, or E_HANDLE for a handle that is not open.
HRESULT CloseThemeData(HTHEME theme);
// clip may be null. E_HANDLE for a handle that is not open, E_INVALIDARG for a
// null context or rectangle.
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect, const RECT* clip);
BOOL IsThemeActive();
BOOL IsAppThemed();

// Text in the context's font, drawn as DrawTextW would (count -1: the whole
// text) in the colour of the part: black, the hyperlink blue for TEXTSTYLE
// part 6.
HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int count, DWORD flags,
                      DWORD flags2, const RECT* rect);
// The extent as DrawTextW with DT_CALCRECT measures it within the bounds.
HRESULT GetThemeTextExtent(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int count, DWORD flags,
                           const RECT* bounds, RECT* extent);
// TOOLTIP close button 16 x 16, balloon stem 20 x 20, TOOLBAR and BUTTON
// parts 23 x 22; Switches::partSizes overrides.
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, const RECT* rect, int kind, SIZE* size);
// The balloon's body is a rounded rectangle, the stem a triangle pointing up
// (states 1 and 3) or down (4 and 6) from the rectangle's edge; other parts
// their rectangle.
HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int part, int state, const RECT* rect, HRGN* region);
HRESULT GetThemeColor(HTHEME theme, int part, int state, int property, COLORREF* color);
// Recorded only.
HRESULT SetWindowTheme(HWND hwnd, LPCWSTR app, LPCWSTR idList);
// Fills the rectangle with the parent's class background (the button face
// without one).
HRESULT DrawThemeParentBackground(HWND hwnd, HDC dc, const RECT* rect);

// Buffered animations run on the test clock. With a duration of 0 no "from"
// context is given and EndBufferedAnimation copies the "to" picture onto the
// target. With a duration, EndBufferedAnimation shows the "from" picture and
// starts the animation of the window: its rectangle is invalidated every
// 10 ms, and BufferedPaintRenderAnimation paints the cross-fade of the two
// pictures at the time elapsed and answers TRUE, until the duration has passed;
// then it ends the animation and answers FALSE, so the window paints itself.
HRESULT BufferedPaintInit();
HRESULT BufferedPaintUnInit();
HANIMATIONBUFFER BeginBufferedAnimation(HWND hwnd, HDC target, const RECT* rect, int format,
                                        BP_PAINTPARAMS* paint, BP_ANIMATIONPARAMS* animation, HDC* from,
                                        HDC* to);
BOOL BufferedPaintRenderAnimation(HWND hwnd, HDC target);
HRESULT EndBufferedAnimation(HANIMATIONBUFFER buffer, BOOL updateTarget);

} // namespace theme

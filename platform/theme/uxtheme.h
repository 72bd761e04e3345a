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

} // namespace theme

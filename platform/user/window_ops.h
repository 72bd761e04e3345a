#pragma once
// Operations that several platform functions share: non-client layout, hiding,
// moving the focus out of a window, marking and painting update regions.

#include "platform/user/Desktop.h"

namespace user {

// The window of the current desktop, or null.
Window* Lookup(HWND hwnd);
// Posts the leave notice of a tracked window the pointer is no longer over
// (after the capture was released).
void CheckTrackedLeave();
// {0, 0, client width, client height}.
RECT ClientArea(const Window& w);
// The client rectangle that the default non-client layout leaves of a window
// rectangle: frame (thick 4, dialog 3, border 1), caption 18, client edge 2,
// scroll bars 17.
RECT DefaultClientRect(const RECT& window, DWORD style, DWORD exStyle);
// Focus inside w (w or a descendant) goes to w's parent, or to nobody.
void MoveFocusOutOf(Desktop& d, const Window& w);
// Clears WS_VISIBLE, moves the focus out and invalidates the uncovered part of
// the parent. Sends no WM_SHOWWINDOW.
void Hide(Desktop& d, Window& w);
// Whether the window has something to paint outside its client area: a
// non-client area or a region.
bool HasFrame(const Window& w);
// Invalidates or validates (RDW_INVALIDATE / RDW_VALIDATE, RDW_ERASE,
// RDW_NOERASE) area of w in client coordinates (null: all), and of its children
// as RDW_ALLCHILDREN / RDW_NOCHILDREN / WS_CLIPCHILDREN decide. Invalidating
// the whole window (or with RDW_FRAME) owes its frame a WM_NCPAINT.
void Mark(Desktop& d, Window& w, const RECT* area, UINT flags);
// Sends WM_PAINT now to hwnd and, as flags decide, its children, where there is
// something to paint.
void PaintNow(Desktop& d, HWND hwnd, UINT flags);

} // namespace user

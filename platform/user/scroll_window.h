#pragma once
// Scrolling a window's contents: the pixels already painted move, and only
// the band they uncover is invalidated (with SW_INVALIDATE), so a window
// that scrolls by less than its size repaints only that band.

#include "platform/user/records.h"

inline constexpr UINT SW_SCROLLCHILDREN = 0x0001;
inline constexpr UINT SW_INVALIDATE = 0x0002;
inline constexpr UINT SW_ERASE = 0x0004;

// Moves the pixels of scroll (client coordinates; null: the client area)
// that lie within clip (null: the client area) by (dx, dy); pixels moved out
// of that area are dropped. A pending update region inside it moves with the
// pixels, children's pixels included. With SW_SCROLLCHILDREN every child
// window moves with them by (dx, dy); without it the children stay and are
// repainted. SW_ERASE erases the invalidated band. The uncovered band goes to
// update (a region, replaced) and updateRect (its bounding box) when given.
// Returns NULLREGION, SIMPLEREGION or COMPLEXREGION for the band, ERROR (0)
// for a window that does not exist.
int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   RECT* updateRect, UINT flags);

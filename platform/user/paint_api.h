#pragma once
// Invalidation and painting. Each window keeps an update region (client
// coordinates) and an erase flag; nothing paints until the queue is pumped
// (WM_PAINT, parents before children) or UpdateWindow/RDW_UPDATENOW paint at
// once. Invalidating a window without WS_CLIPCHILDREN also invalidates the
// parts of its children under the rectangle; a child's invalidation never
// reaches its parent. Hidden windows collect nothing.

#include "platform/user/records.h"

inline constexpr UINT RDW_INVALIDATE = 0x0001;
inline constexpr UINT RDW_INTERNALPAINT = 0x0002;
inline constexpr UINT RDW_ERASE = 0x0004;
inline constexpr UINT RDW_VALIDATE = 0x0008;
inline constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
inline constexpr UINT RDW_NOERASE = 0x0020;
inline constexpr UINT RDW_NOCHILDREN = 0x0040;
inline constexpr UINT RDW_ALLCHILDREN = 0x0080;
inline constexpr UINT RDW_UPDATENOW = 0x0100;
inline constexpr UINT RDW_ERASENOW = 0x0200;
inline constexpr UINT RDW_FRAME = 0x0400;
inline constexpr UINT RDW_NOFRAME = 0x0800;

// rect in client coordinates, null for the whole client area.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
// The bounding box of the update region; with erase set, a pending
// WM_ERASEBKGND is sent now. Returns whether there is anything to paint.
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
// Paints the window and its children that have something to paint, now.
BOOL UpdateWindow(HWND hwnd);
// Regions are not supported yet: a non-null region fails.
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);

// Sends WM_NCPAINT first when the frame is owed a paint (the window was
// shown, sized or given a region and has a non-client area or a region).
// Validates the update region, sends WM_ERASEBKGND when erasing was asked for
// (fErase is then set when the window did not erase), and hands out a DC
// clipped to what was invalid; rcPaint is its box.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
// A DC over the client area; null hwnd gives a DC over the whole screen.
HDC GetDC(HWND hwnd);
// A DC over the whole window, non-client area included, origin at the
// window's top-left corner; released with ReleaseDC.
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);

#pragma once
// Scroll bars: the system class "ScrollBar" (SBS_HORZ or SBS_VERT) and the
// scroll information of such a control (bar SB_CTL; the bars of a window's
// frame are not kept).
//
// A bar keeps a range [nMin, nMax], a page and a position, which the program
// sets; the position stays within [nMin, nMax - max(nPage - 1, 0)]. The bar
// never moves itself: the pointer on it only reports to the parent, with
// WM_VSCROLL or WM_HSCROLL (code in the low word of wParam, lParam the bar):
// a press on an arrow gives SB_LINEUP or SB_LINEDOWN, a press in the track
// before or after the thumb SB_PAGEUP or SB_PAGEDOWN, dragging the thumb
// SB_THUMBTRACK for each new position (in the high word, and in nTrackPos)
// and its release SB_THUMBPOSITION; every release ends with SB_ENDSCROLL.
// Actions do not repeat while the button is held. A focused bar answers the
// arrow, page, Home and End keys the same way. Setting the information sends
// nothing.

#include "platform/user/records.h"

inline constexpr DWORD SBS_HORZ = 0x0000;
inline constexpr DWORD SBS_VERT = 0x0001;

inline constexpr int SB_HORZ = 0;
inline constexpr int SB_VERT = 1;
inline constexpr int SB_CTL = 2;

// Action codes of WM_HSCROLL and WM_VSCROLL.
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINELEFT = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_LINERIGHT = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGELEFT = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_PAGERIGHT = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_LEFT = 6;
inline constexpr int SB_BOTTOM = 7;
inline constexpr int SB_RIGHT = 7;
inline constexpr int SB_ENDSCROLL = 8;

inline constexpr UINT SIF_RANGE = 0x0001;
inline constexpr UINT SIF_PAGE = 0x0002;
inline constexpr UINT SIF_POS = 0x0004;
inline constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
inline constexpr UINT SIF_TRACKPOS = 0x0010;
inline constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

// Messages of the control.
inline constexpr UINT SBM_SETPOS = 0x00E0;
inline constexpr UINT SBM_GETPOS = 0x00E1;
inline constexpr UINT SBM_SETRANGE = 0x00E2;
inline constexpr UINT SBM_GETRANGE = 0x00E3;
inline constexpr UINT SBM_SETRANGEREDRAW = 0x00E6;
inline constexpr UINT SBM_SETSCROLLINFO = 0x00E9;
inline constexpr UINT SBM_GETSCROLLINFO = 0x00EA;

struct SCROLLINFO {
    UINT cbSize;
    UINT fMask;
    int nMin;
    int nMax;
    UINT nPage;
    int nPos;
    int nTrackPos; // read only: the thumb's place while it is dragged, else the position
};
static_assert(sizeof(SCROLLINFO) == 28);

// Only bar SB_CTL, on a "ScrollBar" control; cbSize must be 28. SetScrollInfo
// returns the position after the change (0 on failure); the page is limited
// to the range's size.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
// Return the previous position.
int SetScrollPos(HWND hwnd, int bar, int position, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int minimum, int maximum, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, int* minimum, int* maximum);

namespace user {
class ClassRegistry;
// Called when a desktop starts.
void RegisterScrollBarClass(ClassRegistry& classes);
} // namespace user

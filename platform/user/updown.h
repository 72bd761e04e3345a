#pragma once
// The common up-down control "msctls_updown32": two arrow buttons that step a
// position within a range, optionally writing it into a buddy window's text.
//
// A press on the upper half steps towards the range's upper end, on the lower
// half towards its lower end (by one; clamped, or wrapped with UDS_WRAP). Each
// step first sends WM_NOTIFY UDN_DELTAPOS (NMUPDOWN: the position and the
// step) to the parent, which may refuse it by answering non-zero; then the
// position changes, a UDS_SETBUDDYINT buddy gets it as its text, and the
// parent gets WM_VSCROLL (SB_THUMBPOSITION, position; lParam the control).
// UDS_AUTOBUDDY takes the sibling created just before it as its buddy.
// With UDS_SETBUDDYINT, UDM_GETPOS32 reads the buddy's text first: a text that
// is no number in the range leaves the position and reports an error.

#include "platform/user/records.h"

inline constexpr DWORD UDS_WRAP = 0x0001;
inline constexpr DWORD UDS_SETBUDDYINT = 0x0002;
inline constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
inline constexpr DWORD UDS_ALIGNLEFT = 0x0008;
inline constexpr DWORD UDS_AUTOBUDDY = 0x0010;
inline constexpr DWORD UDS_ARROWKEYS = 0x0020;
inline constexpr DWORD UDS_NOTHOUSANDS = 0x0080;

// UDM_SETRANGE: lParam MAKELONG(upper, lower); UDM_GETRANGE answers the same.
// UDM_SETRANGE32 (lower, upper); UDM_GETRANGE32 (int* lower, int* upper).
// UDM_GETPOS32 (0, BOOL* error) answers the position.
inline constexpr UINT UDM_SETRANGE = 0x0465;
inline constexpr UINT UDM_GETRANGE = 0x0466;
inline constexpr UINT UDM_SETPOS = 0x0467;
inline constexpr UINT UDM_GETPOS = 0x0468;
inline constexpr UINT UDM_SETBUDDY = 0x0469;
inline constexpr UINT UDM_GETBUDDY = 0x046A;
inline constexpr UINT UDM_SETRANGE32 = 0x046F;
inline constexpr UINT UDM_GETRANGE32 = 0x0470;
inline constexpr UINT UDM_SETPOS32 = 0x0471;
inline constexpr UINT UDM_GETPOS32 = 0x0472;

inline constexpr UINT UDN_DELTAPOS = static_cast<UINT>(-722);

struct NMUPDOWN {
    NMHDR hdr;
    int iPos;
    int iDelta;
};

inline constexpr const char16_t* UPDOWN_CLASSW = u"msctls_updown32";

namespace user {
class ClassRegistry;
void RegisterUpDownClass(ClassRegistry& classes);
} // namespace user

#pragma once
// Menus as data, and pop-up menus answered by the test (ScriptedMenus.h).
// TrackPopupMenu[Ex] sends WM_INITMENUPOPUP to the owner first; with
// TPM_RETURNCMD it returns the chosen command (0 when dismissed), otherwise it
// posts WM_COMMAND with the command to the owner and returns whether one was
// chosen.

#include "platform/user/handles.h"

inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;

inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_VERTICAL = 0x0040;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

struct TPMPARAMS {
    UINT cbSize;
    RECT rcExclude;
};
static_assert(sizeof(TPMPARAMS) == 20);

HMENU CreatePopupMenu();
HMENU CreateMenu();
BOOL DestroyMenu(HMENU menu);
// newItem is the command id, or the sub-menu with MF_POPUP.
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR newItem, LPCWSTR text);
BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR newItem, LPCWSTR text);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);
// Copies at most max - 1 characters and a terminator; the length copied (the
// whole text's length when buffer is null).
int GetMenuStringW(HMENU menu, UINT item, LPWSTR buffer, int max, UINT flags);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// The previous check or enable state, or -1 (as a UINT) for no such item.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable);

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* ignored);
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params);

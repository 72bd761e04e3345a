#pragma once
// Icons, cursors and bitmap resources. The system icons and cursors are plain
// pictures of our own (UserObjects.h); SetCursor shows a cursor, and each
// change of the cursor shown is an effect ("SetCursor", its name).

#include "platform/gdi/handles.h"
#include "platform/user/handles.h"
#include "platform/win32/resources.h"

inline const LPCWSTR IDI_APPLICATION = MAKEINTRESOURCEW(32512);
inline const LPCWSTR IDI_HAND = MAKEINTRESOURCEW(32513);
inline const LPCWSTR IDI_ERROR = IDI_HAND;
inline const LPCWSTR IDI_QUESTION = MAKEINTRESOURCEW(32514);
inline const LPCWSTR IDI_EXCLAMATION = MAKEINTRESOURCEW(32515);
inline const LPCWSTR IDI_WARNING = IDI_EXCLAMATION;
inline const LPCWSTR IDI_ASTERISK = MAKEINTRESOURCEW(32516);
inline const LPCWSTR IDI_INFORMATION = IDI_ASTERISK;

inline const LPCWSTR IDC_ARROW = MAKEINTRESOURCEW(32512);
inline const LPCWSTR IDC_IBEAM = MAKEINTRESOURCEW(32513);
inline const LPCWSTR IDC_WAIT = MAKEINTRESOURCEW(32514);
inline const LPCWSTR IDC_CROSS = MAKEINTRESOURCEW(32515);
inline const LPCWSTR IDC_SIZEWE = MAKEINTRESOURCEW(32644);
inline const LPCWSTR IDC_SIZENS = MAKEINTRESOURCEW(32645);
inline const LPCWSTR IDC_SIZEALL = MAKEINTRESOURCEW(32646);
inline const LPCWSTR IDC_HAND = MAKEINTRESOURCEW(32649);

inline const LPCWSTR RT_BITMAP = MAKEINTRESOURCEW(2);

inline constexpr UINT IMAGE_BITMAP = 0;
inline constexpr UINT IMAGE_ICON = 1;
inline constexpr UINT IMAGE_CURSOR = 2;
inline constexpr UINT LR_DEFAULTCOLOR = 0x0000;
inline constexpr UINT LR_DEFAULTSIZE = 0x0040;
inline constexpr UINT LR_CREATEDIBSECTION = 0x2000;
inline constexpr UINT LR_SHARED = 0x8000;

inline constexpr UINT DI_MASK = 0x0001;
inline constexpr UINT DI_IMAGE = 0x0002;
inline constexpr UINT DI_NORMAL = 0x0003;

struct ICONINFO {
    BOOL fIcon;
    DWORD xHotspot;
    DWORD yHotspot;
    HBITMAP hbmMask;
    HBITMAP hbmColor;
};

// System icons (null instance) at 32 x 32; other instances have none here.
HICON LoadIconW(HINSTANCE instance, LPCWSTR name);
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);
// IMAGE_BITMAP: a bitmap resource of the module (RT_BITMAP, a packed DIB) with
// its own depth. IMAGE_ICON and IMAGE_CURSOR: system ones (null instance) at
// cx x cy (0: the default size); with LR_SHARED the shared one, else a copy
// the caller destroys.
HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags);
HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name);

// The mask (white: transparent) may be monochrome; the colour bitmap may be
// null for a monochrome icon, which is not supported here (null).
HICON CreateIconIndirect(const ICONINFO* info);
// Copies of the colour and mask bitmaps, which the caller deletes.
BOOL GetIconInfo(HICON icon, ICONINFO* info);
// Shared icons stay (TRUE all the same).
BOOL DestroyIcon(HICON icon);
BOOL DestroyCursor(HCURSOR cursor);
// DI_NORMAL draws the picture through its mask, stretched (nearest pixel) to
// cx x cy (0: its own size).
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH background, UINT flags);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);

HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

namespace user {
// "IDC_ARROW", "IDI_WARNING" ... for system icons and cursors, else "".
std::u16string IconName(HICON icon);
} // namespace user

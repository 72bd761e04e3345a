#pragma once
// The clipboard: one per desktop. A window opens it, may empty it (taking
// ownership) and puts global memory blocks on it by format; the clipboard
// owns a block once SetClipboardData took it and frees it when it is
// replaced, emptied or the desktop goes. Tests read what it holds through
// user::Clipboard (Desktop::Current().ClipboardState()) and can make it refuse
// to open, as when another program holds it.

#include "platform/user/records.h"

inline constexpr UINT CF_TEXT = 1;
inline constexpr UINT CF_UNICODETEXT = 13;

// FALSE while it is open (by any window) or refused.
BOOL OpenClipboard(HWND owner);
// FALSE when it is not open.
BOOL CloseClipboard();
// Frees what it holds; the opener becomes the owner. FALSE when not open.
BOOL EmptyClipboard();
// Takes the block; null (the block stays the caller's) when not open or the
// block is unknown.
HANDLE SetClipboardData(UINT format, HANDLE data);
// The block of the format, owned by the clipboard; null when not open or none.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);

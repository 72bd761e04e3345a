#pragma once
// Opaque handles of the window layer. Each kind is a distinct pointer type to an
// incomplete struct, so one kind cannot be passed for another; the value is a
// key into a table, never a pointer to memory.

#include "platform/win32/types.h"

struct HWND__;
using HWND = HWND__*;
struct HMENU__;
using HMENU = HMENU__*;
struct HICON__;
using HICON = HICON__*;
using HCURSOR = HICON;
// Drawing handles the window layer hands out or stores; the drawing layer owns them.
struct HDC__;
using HDC = HDC__*;
struct HBRUSH__;
using HBRUSH = HBRUSH__*;
struct HRGN__;
using HRGN = HRGN__*;

using ATOM = WORD;

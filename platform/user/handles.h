#pragma once
// Opaque handles of the window layer. Each kind is a distinct pointer type to an
// incomplete struct, so one kind cannot be passed for another; the value is a
// key into a table, never a pointer to memory.

#include "platform/gdi/handles.h" // drawing handles the window layer hands out or stores
#include "platform/win32/types.h"

struct HWND__;
using HWND = HWND__*;
struct HMENU__;
using HMENU = HMENU__*;
struct HICON__;
using HICON = HICON__*;
using HCURSOR = HICON;

using ATOM = WORD;

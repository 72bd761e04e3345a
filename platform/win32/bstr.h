#pragma once
// Automation strings. A BSTR points at UTF-16 units that are preceded by a
// 32-bit byte count and followed by a NUL unit. A null BSTR is the empty text.

#include "platform/win32/types.h"

using BSTR = WCHAR*;

// A copy of a NUL-terminated text; null when text is null or memory is short.
BSTR SysAllocString(const WCHAR* text);
// A BSTR of length units copied from text; with a null text the units are zero.
// Null when memory is short or the length is too large for the 32-bit prefix.
BSTR SysAllocStringLen(const WCHAR* text, UINT length);
// Frees a BSTR; null is ignored.
void SysFreeString(BSTR text);
// Number of units (not counting the terminator); 0 for null.
UINT SysStringLen(BSTR text);

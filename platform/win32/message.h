#pragma once
// FormatMessageW over this platform's small table of system message texts.
// Only FORMAT_MESSAGE_FROM_SYSTEM is supported (inserts are never expanded).
// Like the system's own texts, each ends with CR LF. The result is the number
// of units written (terminator not counted), or 0 when the message is unknown
// or the buffer of `size` units is too small.

#include "platform/win32/types.h"

inline constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x200;
inline constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x1000;

DWORD FormatMessageW(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPWSTR buffer,
                     DWORD size, void* arguments);

#pragma once
// Conversion between UTF-16 and the 8-bit "ANSI" code page.
//
// This platform has exactly one 8-bit code page: Windows-1252 (Latin-1 with
// printable characters in 0x80-0x9F; its five unassigned bytes map to the C1
// controls of the same value, both ways, so every byte round-trips). CP_ACP,
// CP_THREAD_ACP and 1252 all name it; any other code page fails with 0.
//
// Conventions: a source length of -1 means NUL-terminated, and the terminator is
// converted and counted; a destination length of 0 asks for the size needed; a
// destination that is too small gives 0. A character the code page cannot
// represent becomes the default character ('?' unless one is given) and sets
// *usedDefault; a surrogate pair counts as one character.

#include "platform/win32/types.h"

inline constexpr UINT CP_ACP = 0;
inline constexpr UINT CP_THREAD_ACP = 3;
inline constexpr UINT CP_WINDOWS_1252 = 1252;

// The number of the process's 8-bit code page: 1252.
UINT GetACP();

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR source, int sourceLength, LPWSTR target,
                        int targetLength);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR source, int sourceLength, LPSTR target,
                        int targetLength, LPCSTR defaultChar, BOOL* usedDefault);

#pragma once
// Global memory blocks: GlobalAlloc hands out a handle to a block of bytes,
// GlobalLock its address (the same address for the block's life here; the
// lock count is kept), GlobalFree ends it. Handles are never reused, so a
// stale or doubly freed handle is refused rather than mistaken for another
// block.

#include "platform/win32/types.h"

inline constexpr UINT GMEM_FIXED = 0x0000;
inline constexpr UINT GMEM_MOVEABLE = 0x0002;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// Null when bytes is above 0x7FFFFFFF. The bytes start zeroed either way.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// Null for an unknown handle; otherwise the block's address, one lock more.
LPVOID GlobalLock(HGLOBAL block);
// FALSE once the lock count is 0 (or for an unknown handle).
BOOL GlobalUnlock(HGLOBAL block);
// Null on success; the handle itself when it names no block.
HGLOBAL GlobalFree(HGLOBAL block);
// 0 for an unknown handle.
SIZE_T GlobalSize(HGLOBAL block);

namespace win32 {
// Blocks allocated and not yet freed.
int LiveGlobalBlocks();
// The block's lock count; -1 for an unknown handle.
int GlobalLockCount(HGLOBAL block);
} // namespace win32

#pragma once
// The GDI+ session: started and shut down by reference count. Images and
// graphics made while no session runs are unusable (GdiplusNotInitialized).
// Objects are allocated with GdipAlloc and freed with GdipFree.

#include <cstddef>

#include "platform/gdiplus/GdiplusTypes.h"

namespace Gdiplus {

struct GdiplusStartupInput {
    UINT GdiplusVersion = 1;
    void* DebugEventCallback = nullptr;
    BOOL SuppressBackgroundThread = FALSE;
    BOOL SuppressExternalCodecs = FALSE;
};

struct GdiplusStartupOutput {
    void* NotificationHook = nullptr;
    void* NotificationUnhook = nullptr;
};

Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
void GdiplusShutdown(ULONG_PTR token);
// Sessions started and not yet shut down.
int ActiveSessions();

void* GdipAlloc(std::size_t size);
void GdipFree(void* block);

} // namespace Gdiplus

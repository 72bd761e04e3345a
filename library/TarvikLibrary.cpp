// The exports of libtarvik.so: the library entry and DllRegisterClassObjects.

#include "library/LibraryEntry.h"

#define TARVIK_EXPORT extern "C" __attribute__((visibility("default")))

TARVIK_EXPORT BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    return Tarvik::LibraryEntry(instance, reason, reserved);
}

TARVIK_EXPORT HRESULT DllRegisterClassObjects(IUnknown* host) {
    return Tarvik::RegisterClassObjects(host);
}

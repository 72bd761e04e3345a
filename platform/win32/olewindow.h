#pragma once
// IOleWindow: an object that has a window answers its handle.

#include "platform/win32/unknown.h"

struct HWND__;
using HWND = HWND__*;

inline constexpr IID IID_IOleWindow = MakeGuid("{00000114-0000-0000-C000-000000000046}");

struct IOleWindow : IUnknown {
    virtual HRESULT GetWindow(HWND* window) = 0;              // slot 3
    virtual HRESULT ContextSensitiveHelp(BOOL enterMode) = 0; // slot 4

protected:
    ~IOleWindow() = default;
};

#pragma once
// The state of one window. Rectangles are in the coordinates of the parent's
// client area (screen coordinates for a top-level window); the client rectangle
// is what WM_NCCALCSIZE left of the window rectangle.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/Region.h"
#include "platform/user/UpdateRegion.h"
#include "platform/user/WindowClass.h"
#include "platform/user/styles.h"

namespace user {

struct Window {
    HWND handle = nullptr;
    WindowClass* windowClass = nullptr;
    std::u16string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT window{0, 0, 0, 0};
    RECT client{0, 0, 0, 0};
    RECT restored{0, 0, 0, 0};  // window rectangle to return to from maximised
    HWND parent = nullptr;      // set for child windows only
    HWND owner = nullptr;       // set for top-level windows only
    std::vector<HWND> children; // z-order, topmost first
    LONG_PTR id = 0;
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    std::vector<std::byte> extra;
    std::shared_ptr<void> control; // what a system control class keeps for the window
    UpdateRegion update;
    bool erasePending = false;
    bool frameDirty = false;           // WM_NCPAINT owed: sent by the next BeginPaint
    std::optional<gdi::Region> region; // SetWindowRgn: window coordinates
    bool destroying = false;           // DestroyWindow has begun; WM_NCDESTROY not yet sent
    bool destroyed = false;            // gone; the object lingers only until the outermost dispatch returns
    DWORD process = 0;                 // another process's window (user::RegisterOtherProcessWindow); 0: ours

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    LONG ClientWidth() const { return client.right - client.left; }
    LONG ClientHeight() const { return client.bottom - client.top; }
};

} // namespace user

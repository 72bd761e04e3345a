#pragma once
// Where window device contexts come from. The window layer asks for a DC over a
// window's client area, clipped to a rectangle in client coordinates, and gives
// it back when the caller releases it. The desktop uses WindowSurfaces; a test
// may put its own device in place.

#include "platform/user/handles.h"

namespace user {

class PaintDevice {
public:
    virtual ~PaintDevice() = default;
    virtual HDC Acquire(HWND hwnd, const RECT& clip) = 0;
    virtual void Release(HWND hwnd, HDC dc) = 0;
    // Fills the DC's clip area with the class background brush; false when there
    // is no brush (the window stays unerased).
    virtual bool EraseBackground(HWND hwnd, HDC dc, HBRUSH background) = 0;
    // DCs handed out and not yet released.
    virtual int Outstanding() const = 0;
};

} // namespace user

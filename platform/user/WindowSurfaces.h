#pragma once
// Window DCs over real pixels: every top-level window has a surface the size of
// its window rectangle, and a child draws into its top-level's surface through
// a DC whose origin is the child's client corner and whose clip is what of the
// child can be seen (inside every ancestor's client area; without its children
// under WS_CLIPCHILDREN and its higher overlapping siblings under
// WS_CLIPSIBLINGS). A picture of a window is therefore what the message flow
// painted into it.

#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/user/fwd.h"
#include "platform/user/handles.h"

namespace user {

class WindowSurfaces {
public:
    // A DC over the window's client area (the screen for a null window),
    // clipped to a rectangle in client coordinates; Release gives it back.
    // withChildren keeps the children's pixels in the clip even under
    // WS_CLIPCHILDREN (for moving them with the window's own).
    HDC Acquire(HWND hwnd, const RECT& clip, bool withChildren = false);
    // A DC over the whole window (non-client area included), origin at its
    // top-left corner.
    HDC AcquireWindow(HWND hwnd);
    void Release(HWND hwnd, HDC dc);
    // Fills the DC's clip area with the class background brush; false when there
    // is no brush (the window stays unerased).
    bool EraseBackground(HWND hwnd, HDC dc, HBRUSH background);
    // DCs handed out and not yet released.
    int Outstanding() const { return static_cast<int>(mLive.size()); }

    // The window's rectangle cut out of its top-level surface; empty for an
    // invalid window.
    gdi::Surface Snapshot(HWND hwnd);

private:
    std::shared_ptr<gdi::Surface> SurfaceOf(const Window& top);
    gdi::Region VisibleRegion(const Window& w, POINT origin, bool withChildren = false) const;
    // What the window's own region and its ancestors' client areas leave of
    // an area (surface coordinates).
    gdi::Region Confine(const Window& w, gdi::Region area) const;

    std::map<HWND, std::shared_ptr<gdi::Surface>> mSurfaces;
    std::shared_ptr<gdi::Surface> mScreen;
    std::set<HDC> mLive;
};

// The picture of a window from the desktop's surfaces; a 1 x 1 picture when the
// window is invalid.
gdi::Surface WindowPicture(HWND hwnd);
// Writes WindowPicture as a PNG file; false when there is no such window.
bool SaveWindowPng(HWND hwnd, const std::string& path);

} // namespace user

#include "platform/user/WindowSurfaces.h"

#include <algorithm>

#include "platform/gdi/Png.h"
#include "platform/gdi/bridge.h"
#include "platform/gdi/gdi.h"
#include "platform/user/Desktop.h"
#include "platform/user/metrics_api.h"
#include "platform/user/rect_math.h"
#include "platform/user/window_api.h"

namespace user {
namespace {

// Where a window's client corner lies on its top-level surface.
POINT SurfaceOrigin(const WindowTable& table, const Window& w, const Window& top) {
    const POINT screen = table.ClientOrigin(w);
    return POINT{screen.x - top.window.left, screen.y - top.window.top};
}

RECT ClientOnSurface(const Window& w, POINT origin) {
    return RECT{origin.x, origin.y, origin.x + w.ClientWidth(), origin.y + w.ClientHeight()};
}

} // namespace

std::shared_ptr<gdi::Surface> WindowSurfaces::SurfaceOf(const Window& top) {
    std::erase_if(mSurfaces,
                  [](const auto& entry) { return !Desktop::Current().Windows().Find(entry.first); });
    const int width = std::clamp<int>(Width(top.window), 1, gdi::Surface::kMaxSide);
    const int height = std::clamp<int>(Height(top.window), 1, gdi::Surface::kMaxSide);
    std::shared_ptr<gdi::Surface>& s = mSurfaces[top.handle];
    if (s && s->Width() == width && s->Height() == height)
        return s;
    auto resized = std::make_shared<gdi::Surface>(width, height);
    if (s && s->Allocated()) {
        for (int y = 0; y < std::min(height, s->Height()); ++y)
            for (int x = 0; x < std::min(width, s->Width()); ++x)
                resized->Set(x, y, s->Get(x, y));
    }
    s = resized;
    return s;
}

// The window rectangle's top-left corner on the surface, from its client corner.
static POINT WindowCorner(const Window& w, POINT clientOrigin) {
    return POINT{clientOrigin.x - (w.client.left - w.window.left),
                 clientOrigin.y - (w.client.top - w.window.top)};
}

gdi::Region WindowSurfaces::Confine(const Window& w, gdi::Region area) const {
    const WindowTable& table = Desktop::Current().Windows();
    const Window* top = &table.TopLevelOf(w);
    for (const Window* a = table.Find(w.parent); a != nullptr; a = table.Find(a->parent))
        area = area.Intersect(gdi::Region(ClientOnSurface(*a, SurfaceOrigin(table, *a, *top))));
    if (w.region) {
        const POINT corner = WindowCorner(w, SurfaceOrigin(table, w, *top));
        gdi::Region r = *w.region;
        r.Offset(corner.x, corner.y);
        area = area.Intersect(r);
    }
    return area;
}

gdi::Region WindowSurfaces::VisibleRegion(const Window& w, POINT origin, bool withChildren) const {
    const WindowTable& table = Desktop::Current().Windows();
    const Window* top = &table.TopLevelOf(w);
    gdi::Region visible = Confine(w, gdi::Region(ClientOnSurface(w, origin)));
    if ((w.style & WS_CLIPCHILDREN) && !withChildren) {
        for (HWND h : w.children) {
            const Window* c = table.Find(h);
            if (c != nullptr && (c->style & WS_VISIBLE))
                visible = visible.Subtract(gdi::Region(Offset(c->window, origin.x, origin.y)));
        }
    }
    const Window* parent = table.Find(w.parent);
    if ((w.style & WS_CLIPSIBLINGS) && parent != nullptr) {
        const POINT p = SurfaceOrigin(table, *parent, *top);
        for (HWND h : parent->children) {
            if (h == w.handle)
                break; // the rest lie below
            const Window* s = table.Find(h);
            if (s != nullptr && (s->style & WS_VISIBLE))
                visible = visible.Subtract(gdi::Region(Offset(s->window, p.x, p.y)));
        }
    }
    return visible;
}

HDC WindowSurfaces::Acquire(HWND hwnd, const RECT& clip, bool withChildren) {
    gdi::SurfaceTarget target;
    const WindowTable& table = Desktop::Current().Windows();
    const Window* w = table.Find(hwnd);
    if (w == nullptr) {
        if (!mScreen)
            mScreen =
                std::make_shared<gdi::Surface>(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        target.surface = mScreen;
        target.clip = gdi::Region(clip);
    } else {
        const Window* top = &table.TopLevelOf(*w);
        target.surface = SurfaceOf(*top);
        target.origin = SurfaceOrigin(table, *w, *top);
        target.clip = VisibleRegion(*w, target.origin, withChildren)
                          .Intersect(gdi::Region(Offset(clip, target.origin.x, target.origin.y)));
    }
    HDC dc = gdi::CreateSurfaceDC(std::move(target));
    if (dc != nullptr)
        mLive.insert(dc);
    return dc;
}

HDC WindowSurfaces::AcquireWindow(HWND hwnd) {
    const WindowTable& table = Desktop::Current().Windows();
    const Window* w = table.Find(hwnd);
    if (w == nullptr)
        return nullptr;
    const Window* top = &table.TopLevelOf(*w);
    gdi::SurfaceTarget target;
    target.surface = SurfaceOf(*top);
    target.origin = WindowCorner(*w, SurfaceOrigin(table, *w, *top));
    const RECT whole =
        Offset(RECT{0, 0, Width(w->window), Height(w->window)}, target.origin.x, target.origin.y);
    target.clip = Confine(*w, gdi::Region(whole));
    HDC dc = gdi::CreateSurfaceDC(std::move(target));
    if (dc != nullptr)
        mLive.insert(dc);
    return dc;
}

void WindowSurfaces::Release(HWND, HDC dc) {
    if (mLive.erase(dc) > 0)
        DeleteDC(dc);
}

bool WindowSurfaces::EraseBackground(HWND hwnd, HDC dc, HBRUSH background) {
    const Window* w = Desktop::Current().Windows().Find(hwnd);
    if (w == nullptr || background == nullptr)
        return false;
    const RECT all{0, 0, w->ClientWidth(), w->ClientHeight()};
    FillRect(dc, &all, background);
    return true;
}

gdi::Surface WindowSurfaces::Snapshot(HWND hwnd) {
    const WindowTable& table = Desktop::Current().Windows();
    const Window* w = table.Find(hwnd);
    if (w == nullptr)
        return gdi::Surface(1, 1);
    const Window* top = &table.TopLevelOf(*w);
    const std::shared_ptr<gdi::Surface> s = SurfaceOf(*top);
    RECT onScreen;
    GetWindowRect(hwnd, &onScreen);
    const RECT r =
        Intersect(Offset(onScreen, -top->window.left, -top->window.top), RECT{0, 0, s->Width(), s->Height()});
    gdi::Surface out(std::max<int>(Width(r), 1), std::max<int>(Height(r), 1));
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            out.Set(x - r.left, y - r.top, s->Get(x, y));
    return out;
}

gdi::Surface WindowPicture(HWND hwnd) {
    return Desktop::Current().Paint().Snapshot(hwnd);
}

bool SaveWindowPng(HWND hwnd, const std::string& path) {
    if (!IsWindow(hwnd))
        return false;
    gdi::SavePng(WindowPicture(hwnd), path);
    return true;
}

} // namespace user

#include <algorithm>

#include "platform/user/messages.h"
#include "platform/user/paint_api.h"
#include "platform/user/rect_math.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

using user::Desktop;
using user::Window;

using user::Lookup;

HWND GetParent(HWND hwnd) {
    Window* w = Lookup(hwnd);
    if (w == nullptr)
        return nullptr;
    if (w->IsChild())
        return w->parent;
    return (w->style & WS_POPUP) != 0 ? w->owner : nullptr;
}

HWND SetParent(HWND hwnd, HWND parent) {
    Window* w = Lookup(hwnd);
    Window* p = Lookup(parent);
    if (w == nullptr || !w->IsChild() || p == nullptr || parent == hwnd ||
        Desktop::Current().Windows().IsDescendant(hwnd, parent))
        return nullptr;
    const HWND previous = w->parent;
    if (previous == parent)
        return previous;
    if (Window* old = Lookup(previous)) {
        old->children.erase(std::remove(old->children.begin(), old->children.end(), hwnd),
                            old->children.end());
        if (IsWindowVisible(hwnd))
            InvalidateRect(previous, &w->window, TRUE);
    }
    w->parent = parent;
    p->children.push_back(hwnd);
    if (IsWindowVisible(hwnd))
        InvalidateRect(hwnd, nullptr, TRUE);
    return previous;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    Desktop& d = Desktop::Current();
    Window* w = Lookup(hwnd);
    if (w == nullptr)
        return nullptr;
    if (relation == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front();
    if (relation == GW_OWNER)
        return w->owner;
    const std::vector<HWND>& siblings = d.Windows().Siblings(*w);
    auto it = std::find(siblings.begin(), siblings.end(), hwnd);
    switch (relation) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return it + 1 == siblings.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV:
        return it == siblings.begin() ? nullptr : *(it - 1);
    default:
        return nullptr;
    }
}

BOOL IsChild(HWND parent, HWND hwnd) {
    return parent != nullptr && Desktop::Current().Windows().IsDescendant(parent, hwnd) ? TRUE : FALSE;
}

HWND GetDlgItem(HWND parent, int id) {
    Window* p = Lookup(parent);
    if (p == nullptr)
        return nullptr;
    for (HWND h : p->children) {
        if (Window* c = Lookup(h); c != nullptr && c->id == id)
            return h;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w != nullptr && w->IsChild() ? static_cast<int>(w->id) : 0;
}

namespace {

// Screen offset of the coordinate space the window's rectangles are kept in.
POINT ParentOrigin(const Window& w) {
    const Window* p = Lookup(w.parent);
    return p == nullptr ? POINT{0, 0} : Desktop::Current().Windows().ClientOrigin(*p);
}

} // namespace

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    Window* w = Lookup(hwnd);
    if (w == nullptr || rect == nullptr)
        return FALSE;
    const POINT o = ParentOrigin(*w);
    *rect = user::Offset(w->window, o.x, o.y);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    Window* w = Lookup(hwnd);
    if (w == nullptr || rect == nullptr)
        return FALSE;
    *rect = user::ClientArea(*w);
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    Window* w = Lookup(hwnd);
    if (w == nullptr || point == nullptr)
        return FALSE;
    const POINT o = Desktop::Current().Windows().ClientOrigin(*w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    Window* w = Lookup(hwnd);
    if (w == nullptr || point == nullptr)
        return FALSE;
    const POINT o = Desktop::Current().Windows().ClientOrigin(*w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    Desktop& d = Desktop::Current();
    Window* f = Lookup(from);
    Window* t = Lookup(to);
    if ((from != nullptr && f == nullptr) || (to != nullptr && t == nullptr))
        return 0;
    const POINT a = f != nullptr ? d.Windows().ClientOrigin(*f) : POINT{0, 0};
    const POINT b = t != nullptr ? d.Windows().ClientOrigin(*t) : POINT{0, 0};
    const LONG dx = a.x - b.x;
    const LONG dy = a.y - b.y;
    for (UINT i = 0; points != nullptr && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return static_cast<int>(MAKELPARAM(dx, dy) & 0xFFFFFFFF);
}

#include "platform/user/window_ops.h"

#include <algorithm>

#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/metrics_api.h"
#include "platform/user/paint_api.h"
#include "platform/user/rect_math.h"
#include "platform/user/window_api.h"

namespace user {

Window* Lookup(HWND hwnd) {
    return Desktop::Current().Windows().Find(hwnd);
}

RECT ClientArea(const Window& w) {
    return RECT{0, 0, w.ClientWidth(), w.ClientHeight()};
}

RECT DefaultClientRect(const RECT& window, DWORD style, DWORD exStyle) {
    RECT r = window;
    int frame = 0;
    if (style & WS_THICKFRAME)
        frame = GetSystemMetrics(SM_CXFRAME);
    else if (style & WS_DLGFRAME)
        frame = GetSystemMetrics(SM_CXDLGFRAME);
    else if (style & WS_BORDER)
        frame = GetSystemMetrics(SM_CXBORDER);
    if (exStyle & WS_EX_CLIENTEDGE)
        frame += GetSystemMetrics(SM_CXEDGE);
    r = {r.left + frame, r.top + frame, r.right - frame, r.bottom - frame};
    if ((style & WS_CAPTION) == WS_CAPTION)
        r.top += GetSystemMetrics(SM_CYCAPTION);
    if (style & WS_VSCROLL)
        r.right -= GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        r.bottom -= GetSystemMetrics(SM_CYHSCROLL);
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

void MoveFocusOutOf(Desktop& d, const Window& w) {
    if (d.focus == nullptr || (d.focus != w.handle && !d.Windows().IsDescendant(w.handle, d.focus)))
        return;
    if (w.parent == nullptr || SetFocus(w.parent) == nullptr)
        SetFocus(nullptr);
}

void Hide(Desktop& d, Window& w) {
    if ((w.style & WS_VISIBLE) == 0)
        return;
    w.style &= ~WS_VISIBLE;
    MoveFocusOutOf(d, w);
    if (Window* parent = d.Windows().Find(w.parent))
        Mark(d, *parent, &w.window, RDW_INVALIDATE | RDW_ERASE);
}

namespace {

bool ChildrenIncluded(const Window& w, UINT flags) {
    if (flags & RDW_ALLCHILDREN)
        return true;
    return (flags & RDW_NOCHILDREN) == 0 && (w.style & WS_CLIPCHILDREN) == 0;
}

void MarkSelf(Window& w, const RECT& r, bool whole, UINT flags) {
    if ((flags & RDW_INVALIDATE) && (whole || (flags & RDW_FRAME)) && HasFrame(w))
        w.frameDirty = true;
    if ((flags & RDW_INVALIDATE) && !IsEmpty(r)) {
        w.update.Add(r);
        if (flags & RDW_ERASE)
            w.erasePending = true;
    }
    if (flags & RDW_VALIDATE) {
        if (whole)
            w.update.Clear();
        else
            w.update.Subtract(r);
    }
    if ((flags & RDW_NOERASE) || w.update.IsEmpty())
        w.erasePending = false;
}

} // namespace

bool HasFrame(const Window& w) {
    return !Equal(w.window, w.client) || w.region.has_value();
}

void Mark(Desktop& d, Window& w, const RECT* area, UINT flags) {
    if (!d.Windows().IsVisible(w))
        return;
    const RECT client = ClientArea(w);
    const RECT r = area != nullptr ? Intersect(*area, client) : client;
    MarkSelf(w, r, area == nullptr, flags);
    if (!ChildrenIncluded(w, flags) || IsEmpty(r))
        return;
    for (HWND h : std::vector<HWND>(w.children)) {
        Window* c = d.Windows().Find(h);
        if (c == nullptr)
            continue;
        const RECT covered = Offset(Intersect(r, c->window), -c->client.left, -c->client.top);
        if (!IsEmpty(covered))
            Mark(d, *c, &covered, flags);
    }
}

void PaintNow(Desktop& d, HWND hwnd, UINT flags) {
    Window* w = d.Windows().Find(hwnd);
    if (w == nullptr || !d.Windows().IsVisible(*w))
        return;
    if (!w->update.IsEmpty())
        SendMessageW(hwnd, WM_PAINT, 0, 0);
    w = d.Windows().Find(hwnd);
    if (w == nullptr || !ChildrenIncluded(*w, flags))
        return;
    for (HWND h : std::vector<HWND>(w->children))
        PaintNow(d, h, flags);
}

} // namespace user

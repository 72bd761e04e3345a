#include <algorithm>
#include <utility>
#include <vector>

#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

using user::Desktop;
using user::Window;

namespace {

// A new child goes to the bottom of its siblings, so z-order follows creation
// order (the tab order of dialogs); a new top-level window goes to the top.
Window* Insert(Desktop& d, user::WindowClass& c, DWORD style, HWND parent, HMENU menu) {
    Window* parentWindow = d.Windows().Find(parent);
    const bool child = (style & WS_CHILD) != 0;
    if ((child && parentWindow == nullptr) || (!child && parent != nullptr && parentWindow == nullptr))
        return nullptr;
    Window& w = d.Windows().Add();
    w.windowClass = &c;
    w.proc = c.proc;
    w.extra.resize(static_cast<std::size_t>(c.windowExtraBytes));
    if (child) {
        w.parent = parent;
        w.id = reinterpret_cast<LONG_PTR>(menu);
        parentWindow->children.push_back(w.handle);
    } else {
        // The platform makes the top-level ancestor of whatever window is named the owner.
        w.owner = parentWindow != nullptr ? d.Windows().TopLevelOf(*parentWindow).handle : nullptr;
        auto& top = d.Windows().TopLevel();
        top.insert(top.begin(), w.handle);
    }
    return &w;
}

// WM_NCCREATE refused: the window goes with WM_NCDESTROY only.
void Discard(Desktop& d, HWND hwnd) {
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    d.Windows().Remove(hwnd);
}

bool SendCreationMessages(Desktop& d, Window& w, CREATESTRUCTW& cs) {
    const HWND hwnd = w.handle;
    if (SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) == 0) {
        if (!w.destroyed)
            Discard(d, hwnd);
        return false;
    }
    RECT client = w.window;
    SendMessageW(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
    if (w.destroyed)
        return false;
    w.client = client;
    if (SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return false;
    }
    if (w.destroyed)
        return false;
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w.ClientWidth(), w.ClientHeight()));
    if (!w.destroyed)
        SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(w.client.left, w.client.top));
    return !w.destroyed;
}

user::CreationHook& CreationHookSlot() {
    static user::CreationHook hook = nullptr;
    return hook;
}

} // namespace

user::CreationHook user::SetCreationHook(CreationHook hook) {
    return std::exchange(CreationHookSlot(), hook);
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    Desktop& d = Desktop::Current();
    Desktop::Hold hold(d);
    user::WindowClass* c = d.Classes().Find(className);
    if (c == nullptr)
        return nullptr;
    Window* w = Insert(d, *c, style, parent, menu);
    if (w == nullptr)
        return nullptr;
    w->style = style & ~WS_VISIBLE; // shown, if asked, once created
    w->exStyle = exStyle;
    w->instance = instance;
    w->window = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
    w->client = w->window;
    CREATESTRUCTW cs{param,      instance,  menu,   parent, height, width, y, x, static_cast<LONG>(style),
                     windowName, className, exStyle};
    if (user::CreationHook hook = CreationHookSlot())
        hook(w->handle);
    if (!SendCreationMessages(d, *w, cs))
        return nullptr;
    if (style & WS_VISIBLE)
        ShowWindow(w->handle, SW_SHOW);
    return w->destroyed ? nullptr : w->handle;
}

BOOL IsWindow(HWND hwnd) {
    return Desktop::Current().Windows().Find(hwnd) != nullptr ? TRUE : FALSE;
}

namespace {

void SendDestroy(Desktop& d, HWND hwnd) {
    SendMessageW(hwnd, WM_DESTROY, 0, 0);
    Window* w = d.Windows().Find(hwnd);
    if (w == nullptr)
        return;
    for (HWND child : std::vector<HWND>(w->children)) {
        if (Window* c = d.Windows().Find(child); c != nullptr && !c->destroying) {
            c->destroying = true;
            SendDestroy(d, child);
        }
    }
}

void SendNcDestroy(Desktop& d, HWND hwnd) {
    Window* w = d.Windows().Find(hwnd);
    if (w == nullptr)
        return;
    for (HWND child : std::vector<HWND>(w->children))
        SendNcDestroy(d, child);
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    d.Timers().KillAll(hwnd);
    if (d.focus == hwnd)
        d.focus = nullptr;
    if (d.capture == hwnd)
        d.capture = nullptr;
    d.Windows().Remove(hwnd);
}

void DestroyOwned(Desktop& d, HWND owner) {
    for (HWND h : std::vector<HWND>(d.Windows().TopLevel())) {
        if (Window* w = d.Windows().Find(h); w != nullptr && w->owner == owner)
            DestroyWindow(h);
    }
}

} // namespace

BOOL DestroyWindow(HWND hwnd) {
    Desktop& d = Desktop::Current();
    Desktop::Hold hold(d);
    Window* w = d.Windows().Find(hwnd);
    if (w == nullptr)
        return FALSE;
    if (w->destroying)
        return TRUE;
    w->destroying = true;
    DestroyOwned(d, hwnd);
    user::Hide(d, *w);
    // A hidden window may still hold the focus: it gets WM_KILLFOCUS too.
    user::MoveFocusOutOf(d, *w);
    if (d.capture != nullptr && (d.capture == hwnd || d.Windows().IsDescendant(hwnd, d.capture)))
        ReleaseCapture();
    SendDestroy(d, hwnd);
    SendNcDestroy(d, hwnd);
    return TRUE;
}

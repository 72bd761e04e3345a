#include <algorithm>

#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/metrics_api.h"
#include "platform/user/paint_api.h"
#include "platform/user/rect_math.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

using user::Desktop;
using user::Window;

namespace {

WINDOWPOS Requested(const Window& w, HWND after, int x, int y, int cx, int cy, UINT flags) {
    WINDOWPOS wp{w.handle, after, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) {
        wp.x = w.window.left;
        wp.y = w.window.top;
    }
    if (flags & SWP_NOSIZE) {
        wp.cx = user::Width(w.window);
        wp.cy = user::Height(w.window);
    }
    return wp;
}

void Reorder(Desktop& d, Window& w, HWND after) {
    std::vector<HWND>& siblings = d.Windows().Siblings(w);
    const bool top = after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST;
    if (after == HWND_TOPMOST && !w.IsChild())
        w.exStyle |= WS_EX_TOPMOST;
    if (after == HWND_NOTOPMOST && !w.IsChild())
        w.exStyle &= ~WS_EX_TOPMOST;
    if (!top && after != HWND_BOTTOM &&
        (after == w.handle || std::find(siblings.begin(), siblings.end(), after) == siblings.end()))
        return; // not a sibling: the order stays
    std::erase(siblings, w.handle);
    auto position = top                    ? siblings.begin()
                    : after == HWND_BOTTOM ? siblings.end()
                                           : std::find(siblings.begin(), siblings.end(), after) + 1;
    siblings.insert(position, w.handle);
}

// A moved child is repainted whole (its pixels are not carried along); a resized
// window repaints the newly uncovered strips, or everything when its class
// asks for CS_HREDRAW / CS_VREDRAW on that axis. The parent repaints where the
// window was.
void RedrawAfterMove(Desktop& d, Window& w, const RECT& oldWindow, const RECT& oldClient) {
    const bool moved = w.window.left != oldWindow.left || w.window.top != oldWindow.top;
    const bool wider = user::Width(w.client) != user::Width(oldClient);
    const bool taller = user::Height(w.client) != user::Height(oldClient);
    if (!moved && !wider && !taller && user::Equal(w.window, oldWindow))
        return;
    if (user::Width(w.window) != user::Width(oldWindow) || user::Height(w.window) != user::Height(oldWindow))
        w.frameDirty = w.frameDirty || user::HasFrame(w);
    if (Window* parent = d.Windows().Find(w.parent))
        user::Mark(d, *parent, &oldWindow, RDW_INVALIDATE | RDW_ERASE);
    const UINT style = w.windowClass->style;
    if ((moved && w.IsChild()) || (wider && (style & CS_HREDRAW)) || (taller && (style & CS_VREDRAW))) {
        user::Mark(d, w, nullptr, RDW_INVALIDATE | RDW_ERASE);
        return;
    }
    const LONG oldWidth = user::Width(oldClient);
    const LONG oldHeight = user::Height(oldClient);
    const RECT right{oldWidth, 0, w.ClientWidth(), w.ClientHeight()};
    const RECT bottom{0, oldHeight, w.ClientWidth(), w.ClientHeight()};
    user::Mark(d, w, &right, RDW_INVALIDATE | RDW_ERASE);
    user::Mark(d, w, &bottom, RDW_INVALIDATE | RDW_ERASE);
}

void ApplyVisibility(Desktop& d, Window& w, UINT flags) {
    if ((flags & SWP_SHOWWINDOW) && (w.style & WS_VISIBLE) == 0) {
        w.style |= WS_VISIBLE;
        user::Mark(d, w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    } else if (flags & SWP_HIDEWINDOW) {
        user::Hide(d, w);
    }
}

UINT ClientChangeFlags(const RECT& oldClient, const RECT& newClient) {
    UINT flags = 0;
    if (user::Width(oldClient) == user::Width(newClient) &&
        user::Height(oldClient) == user::Height(newClient))
        flags |= SWP_NOCLIENTSIZE;
    if (oldClient.left == newClient.left && oldClient.top == newClient.top)
        flags |= SWP_NOCLIENTMOVE;
    return flags;
}

} // namespace

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Desktop& d = Desktop::Current();
    Desktop::Hold hold(d);
    Window* w = d.Windows().Find(hwnd);
    if (w == nullptr)
        return FALSE;
    WINDOWPOS wp = Requested(*w, insertAfter, x, y, cx, cy, flags);
    if ((flags & SWP_NOSENDCHANGING) == 0)
        SendMessageW(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    if (w->destroyed)
        return FALSE;
    wp.cx = std::max(wp.cx, 0);
    wp.cy = std::max(wp.cy, 0);
    const RECT oldWindow = w->window;
    const RECT oldClient = w->client;
    const RECT newWindow{wp.x, wp.y, wp.x + wp.cx, wp.y + wp.cy};
    RECT newClient = user::Offset(oldClient, newWindow.left - oldWindow.left, newWindow.top - oldWindow.top);
    if ((wp.flags & SWP_NOSIZE) == 0 || (wp.flags & SWP_FRAMECHANGED) != 0) {
        NCCALCSIZE_PARAMS params{{newWindow, oldWindow, oldClient}, &wp};
        SendMessageW(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        if (w->destroyed)
            return FALSE;
        newClient = params.rgrc[0];
    }
    w->window = newWindow;
    w->client = newClient;
    if ((wp.flags & SWP_NOZORDER) == 0)
        Reorder(d, *w, wp.hwndInsertAfter);
    ApplyVisibility(d, *w, wp.flags);
    if ((wp.flags & SWP_NOREDRAW) == 0 && d.Windows().IsVisible(*w))
        RedrawAfterMove(d, *w, oldWindow, oldClient);
    wp.flags |= ClientChangeFlags(oldClient, newClient);
    SendMessageW(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW));
}

BOOL IsWindowVisible(HWND hwnd) {
    Desktop& d = Desktop::Current();
    Window* w = d.Windows().Find(hwnd);
    return w != nullptr && d.Windows().IsVisible(*w) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
    Window* w = user::Lookup(hwnd);
    return w != nullptr && (w->style & WS_MAXIMIZE) != 0 ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
    Window* w = user::Lookup(hwnd);
    return w != nullptr && (w->style & WS_MINIMIZE) != 0 ? TRUE : FALSE;
}

namespace {

// Maximised fills the parent's client area (a child) or the work area; restore
// returns to the rectangle the window had before.
void ChangePlacement(Desktop& d, HWND hwnd, int command) {
    Window* w = d.Windows().Find(hwnd);
    const bool maximise = command == SW_MAXIMIZE;
    const bool minimise =
        command == SW_MINIMIZE || command == SW_SHOWMINIMIZED || command == SW_SHOWMINNOACTIVE;
    const bool restore = command == SW_RESTORE || command == SW_SHOWNORMAL;
    if (maximise && (w->style & WS_MAXIMIZE) == 0) {
        if ((w->style & WS_MINIMIZE) == 0)
            w->restored = w->window;
        w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
        Window* parent = d.Windows().Find(w->parent);
        const RECT area = parent != nullptr ? user::ClientArea(*parent) : user::WorkArea();
        SetWindowPos(hwnd, nullptr, area.left, area.top, user::Width(area), user::Height(area),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    } else if (minimise && (w->style & WS_MINIMIZE) == 0) {
        if ((w->style & WS_MAXIMIZE) == 0)
            w->restored = w->window;
        w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
    } else if (restore && (w->style & (WS_MAXIMIZE | WS_MINIMIZE)) != 0) {
        w->style &= ~(WS_MAXIMIZE | WS_MINIMIZE);
        const RECT r = w->restored;
        SetWindowPos(hwnd, nullptr, r.left, r.top, user::Width(r), user::Height(r),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

} // namespace

BOOL ShowWindow(HWND hwnd, int command) {
    Desktop& d = Desktop::Current();
    Desktop::Hold hold(d);
    Window* w = d.Windows().Find(hwnd);
    if (w == nullptr)
        return FALSE;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    if (command == SW_HIDE) {
        if (wasVisible) {
            SendMessageW(hwnd, WM_SHOWWINDOW, FALSE, 0);
            if (!w->destroyed)
                user::Hide(d, *w);
        }
        return wasVisible ? TRUE : FALSE;
    }
    if (!wasVisible) {
        SendMessageW(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (w->destroyed)
            return FALSE;
        w->style |= WS_VISIBLE;
        user::Mark(d, *w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    ChangePlacement(d, hwnd, command);
    return wasVisible ? TRUE : FALSE;
}

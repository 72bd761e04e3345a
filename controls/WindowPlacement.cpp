#include "controls/WindowPlacement.h"

#include "platform/user/monitor_api.h"
#include "platform/user/window_api.h"

namespace {

LONG Width(const RECT& r) {
    return r.right - r.left;
}

LONG Height(const RECT& r) {
    return r.bottom - r.top;
}

RECT WorkAreaNear(const RECT& r) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

void Shift(RECT& r, LONG dx, LONG dy) {
    r = RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void MoveTo(HWND window, const RECT& r) {
    MoveWindow(window, r.left, r.top, Width(r), Height(r), TRUE);
}

} // namespace

ControlPlacement::ControlPlacement(HWND dialog, int controlId)
    : dialog(dialog), rect{}, controlId(controlId) {
    GetWindowRect(GetDlgItem(dialog, controlId), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
}

RECT ClampToMonitor(const RECT& rect) {
    RECT r = rect;
    const RECT m = WorkAreaNear(rect);
    if (r.bottom > m.bottom)
        Shift(r, 0, m.bottom - r.bottom);
    if (r.right > m.right)
        Shift(r, m.right - r.right, 0);
    if (r.top < m.top)
        Shift(r, 0, m.top - r.top);
    if (r.left < m.left)
        Shift(r, m.left - r.left, 0);
    return r;
}

void PlaceWindow(WindowPlacementMemory& memory, HWND window) {
    RECT w{};
    GetWindowRect(window, &w);
    if (memory.isSaved) {
        const RECT saved = ClampToMonitor(memory.saved);
        if (Width(saved) == Width(w) && Height(saved) == Height(w)) {
            MoveTo(window, ClampToMonitor(saved));
            return;
        }
    }
    const RECT m = WorkAreaNear(w);
    const LONG cx = (m.left + m.right) / 2, cy = (m.top + m.bottom) / 2;
    RECT centred{cx - Width(w) / 2, cy - Height(w) / 2, 0, 0};
    centred.right = centred.left + Width(w);
    centred.bottom = centred.top + Height(w);
    memory.window = window;
    memory.saved = ClampToMonitor(centred);
    memory.isSaved = true;
    MoveTo(window, ClampToMonitor(memory.saved));
}

void RememberPlace(WindowPlacementMemory& memory, HWND window) {
    memory.window = window;
    memory.isSaved = GetWindowRect(window, &memory.saved) != FALSE;
}

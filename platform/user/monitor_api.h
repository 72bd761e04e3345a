#pragma once
// Monitors and their work areas (the monitor less its task bar). The desktop
// starts with one 1920 x 1080 monitor whose work area ends 40 pixels above its
// bottom; tests lay out others (Desktop::SetMonitors).

#include "platform/user/handles.h"

struct HMONITOR__;
using HMONITOR = HMONITOR__*;

inline constexpr DWORD MONITOR_DEFAULTTONULL = 0;
inline constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
inline constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;
inline constexpr DWORD MONITORINFOF_PRIMARY = 1;

struct MONITORINFO {
    DWORD cbSize;
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags;
};
static_assert(sizeof(MONITORINFO) == 40);

// The monitor holding the point; otherwise by flags: none, the primary or the
// nearest (least distance to its rectangle).
HMONITOR MonitorFromPoint(POINT point, DWORD flags);
// The monitor sharing the most area with the rectangle; otherwise by flags.
HMONITOR MonitorFromRect(const RECT* rect, DWORD flags);
HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags);
BOOL GetMonitorInfoW(HMONITOR monitor, MONITORINFO* info);

namespace user {
struct Monitor {
    RECT monitor;
    RECT work;
};
} // namespace user

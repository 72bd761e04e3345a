#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/gdi/constants.h"
#include "platform/user/Desktop.h"
#include "platform/user/metrics_api.h"
#include "platform/user/monitor_api.h"
#include "platform/user/rect_math.h"
#include "platform/user/sysparams_api.h"
#include "platform/user/window_api.h"

using user::Desktop;
using user::Monitor;

namespace {

// Handles are the monitor's index + 1.
HMONITOR HandleOf(std::size_t index) {
    return reinterpret_cast<HMONITOR>(static_cast<std::uintptr_t>(index + 1));
}

const Monitor* Find(HMONITOR h) {
    const auto& monitors = Desktop::Current().Monitors();
    const auto i = reinterpret_cast<std::uintptr_t>(h);
    return i >= 1 && i <= monitors.size() ? &monitors[i - 1] : nullptr;
}

std::int64_t DistanceSquared(const RECT& r, POINT p) {
    const std::int64_t dx = p.x < r.left ? r.left - p.x : p.x >= r.right ? p.x - r.right + 1 : 0;
    const std::int64_t dy = p.y < r.top ? r.top - p.y : p.y >= r.bottom ? p.y - r.bottom + 1 : 0;
    return dx * dx + dy * dy;
}

HMONITOR Fallback(std::size_t nearest, DWORD flags) {
    if (flags == MONITOR_DEFAULTTONEAREST)
        return HandleOf(nearest);
    return flags == MONITOR_DEFAULTTOPRIMARY ? HandleOf(0) : nullptr;
}

std::size_t NearestTo(POINT p) {
    const auto& monitors = Desktop::Current().Monitors();
    std::size_t best = 0;
    for (std::size_t i = 1; i < monitors.size(); ++i)
        if (DistanceSquared(monitors[i].monitor, p) < DistanceSquared(monitors[best].monitor, p))
            best = i;
    return best;
}

LOGFONTW SegoeUi() {
    LOGFONTW f{};
    f.lfHeight = -12;
    f.lfWeight = FW_NORMAL;
    f.lfCharSet = DEFAULT_CHARSET;
    constexpr std::u16string_view face = u"Segoe UI";
    std::copy(face.begin(), face.end(), f.lfFaceName);
    return f;
}

} // namespace

HMONITOR MonitorFromPoint(POINT point, DWORD flags) {
    const auto& monitors = Desktop::Current().Monitors();
    for (std::size_t i = 0; i < monitors.size(); ++i)
        if (user::Contains(monitors[i].monitor, point))
            return HandleOf(i);
    return Fallback(NearestTo(point), flags);
}

HMONITOR MonitorFromRect(const RECT* rect, DWORD flags) {
    if (rect == nullptr)
        return nullptr;
    const auto& monitors = Desktop::Current().Monitors();
    std::int64_t bestArea = 0;
    std::size_t best = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const RECT common = user::Intersect(monitors[i].monitor, *rect);
        const std::int64_t area = std::int64_t{user::Width(common)} * user::Height(common);
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    if (bestArea > 0)
        return HandleOf(best);
    const POINT centre{rect->left + (rect->right - rect->left) / 2,
                       rect->top + (rect->bottom - rect->top) / 2};
    return Fallback(NearestTo(centre), flags);
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags) {
    RECT r{};
    if (!GetWindowRect(hwnd, &r))
        return Fallback(0, flags);
    return MonitorFromRect(&r, flags);
}

BOOL GetMonitorInfoW(HMONITOR monitor, MONITORINFO* info) {
    const Monitor* m = Find(monitor);
    if (m == nullptr || info == nullptr || info->cbSize < sizeof(MONITORINFO))
        return FALSE;
    info->rcMonitor = m->monitor;
    info->rcWork = m->work;
    info->dwFlags = m == &Desktop::Current().Monitors().front() ? MONITORINFOF_PRIMARY : 0;
    return TRUE;
}

namespace user {

SystemSettings DefaultSystemSettings() {
    SystemSettings s;
    s.iconTitleFont = SegoeUi();
    s.metrics.cbSize = sizeof(NONCLIENTMETRICSW);
    s.metrics.iBorderWidth = 1;
    s.metrics.iScrollWidth = s.metrics.iScrollHeight = 17;
    s.metrics.iCaptionWidth = s.metrics.iCaptionHeight = 18;
    s.metrics.iSmCaptionWidth = s.metrics.iSmCaptionHeight = 17;
    s.metrics.iMenuWidth = s.metrics.iMenuHeight = 19;
    for (LOGFONTW* f : {&s.metrics.lfCaptionFont, &s.metrics.lfSmCaptionFont, &s.metrics.lfMenuFont,
                        &s.metrics.lfStatusFont, &s.metrics.lfMessageFont})
        *f = SegoeUi();
    return s;
}

} // namespace user

BOOL SystemParametersInfoW(UINT action, UINT uiParam, void* pvParam, UINT) {
    const user::SystemSettings& s = Desktop::Current().Settings();
    if (pvParam == nullptr)
        return FALSE;
    switch (action) {
    case SPI_GETTOOLTIPANIMATION:
        *static_cast<BOOL*>(pvParam) = s.tooltipAnimation ? TRUE : FALSE;
        return TRUE;
    case SPI_GETTOOLTIPFADE:
        *static_cast<BOOL*>(pvParam) = s.tooltipFade ? TRUE : FALSE;
        return TRUE;
    case SPI_GETWORKAREA:
        *static_cast<RECT*>(pvParam) = user::WorkArea();
        return TRUE;
    case SPI_GETICONTITLELOGFONT:
        if (uiParam != 0 && uiParam < sizeof(LOGFONTW))
            return FALSE;
        *static_cast<LOGFONTW*>(pvParam) = s.iconTitleFont;
        return TRUE;
    case SPI_GETNONCLIENTMETRICS: {
        auto* out = static_cast<NONCLIENTMETRICSW*>(pvParam);
        const UINT size = out->cbSize;
        if (size != sizeof(NONCLIENTMETRICSW) && size != sizeof(NONCLIENTMETRICSW) - sizeof(int))
            return FALSE;
        std::memcpy(out, &s.metrics, size);
        out->cbSize = size;
        return TRUE;
    }
    default:
        return FALSE;
    }
}

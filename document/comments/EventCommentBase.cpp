#include "document/comments/EventCommentBase.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/gdi.h"
#include "platform/user/input_api.h"
#include "platform/user/paint_api.h"
#include "platform/user/rect_api.h"
#include "platform/user/window_api.h"

namespace StrevClient {
namespace {

constexpr COLORREF kGuideColour = 0xC0C0C0;
constexpr int kFlashInflation = 50;

// Device pixels per 96-dpi pixel, at least 1.
double Scale(HDC dc) {
    const double scale = GetDeviceCaps(dc, LOGPIXELSX) / 96.0;
    return std::isnan(scale) ? 1.0 : std::max(scale, 1.0);
}

// The end of the guide line.
LONG GuideBottom(const CommentDrawRecord& d) {
    return (d.flags & kCommentUseAltBottom) != 0 && d.altBottom > 0 ? d.altBottom : d.bottom;
}

} // namespace

COLORREF EventCommentBase::GetFillColour(bool selected) const {
    return selected ? 0 : mColour;
}

HRESULT EventCommentBase::GetMarkerRect(HDC dc, const CommentDrawRecord* record, RECT* rect) const {
    const int h = static_cast<int>(Scale(dc) * 3.0);
    *rect = RECT{record->x - h, record->y, record->x + h + 1, record->y + 2 * h + 1};
    return S_OK;
}

HRESULT EventCommentBase::GetDrawRect(HDC dc, const CommentDrawRecord* record, RECT* rect) const {
    return GetMarkerRect(dc, record, rect);
}

HRESULT EventCommentBase::Draw(HDC dc, HDC attributeDc, const CommentDrawRecord* record, DWORD, DWORD) {
    const CommentDrawRecord& d = *record;
    if ((d.flags & (kCommentGuideLine | kCommentGuideLineToo)) != 0) {
        const DWORD width = static_cast<DWORD>(Scale(attributeDc));
        const LOGBRUSH brush{BS_SOLID, kGuideColour, 0};
        const bool screen = dc == attributeDc && (GetDeviceCaps(dc, TECHNOLOGY) & 1) != 0;
        const DWORD style = screen ? static_cast<DWORD>(PS_ALTERNATE) : PS_GEOMETRIC | PS_DOT;
        // A pen the device cannot make draws no line rather than one in whatever pen is selected.
        if (const HPEN pen = ExtCreatePen(style, width, &brush, 0, nullptr)) {
            const HGDIOBJ old = SelectObject(dc, pen);
            MoveToEx(dc, d.x, d.y, nullptr);
            LineTo(dc, d.x, GuideBottom(d));
            SelectObject(dc, old);
            DeleteObject(pen);
        }
    }
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    const HBRUSH fill = CreateSolidBrush(GetFillColour((d.flags & kCommentSelected) != 0));
    const HGDIOBJ oldBrush = SelectObject(dc, fill);
    RECT marker{};
    GetDrawRect(attributeDc, record, &marker);
    Ellipse(dc, marker.left, marker.top, marker.right, marker.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(fill);
    return S_OK;
}

HRESULT EventCommentBase::HitTest(HDC dc, const CommentDrawRecord* record, POINT point, DWORD, DWORD* flags) {
    RECT marker{};
    GetMarkerRect(dc, record, &marker);
    const bool hit = PtInRect(&marker, point) != FALSE;
    if (flags != nullptr)
        *flags = hit ? kCommentHitMarker : 0;
    return hit ? S_OK : S_FALSE;
}

HRESULT EventCommentBase::ShowPopupAt(HWND window, const CommentDrawRecord* record, IAutoOvoString* timeText,
                                      ICommentPopupWindow** popup, DWORD) {
    RECT marker{};
    const HDC dc = GetDC(window);
    GetMarkerRect(dc, record, &marker);
    ReleaseDC(window, dc);
    return OpenPopup(window, 0, timeText, popup, 0, marker);
}

HRESULT EventCommentBase::Flash(HWND window, const CommentDrawRecord* record, DWORD duration, DWORD) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement) ||
        (placement.showCmd != SW_SHOWNORMAL && placement.showCmd != SW_SHOWMAXIMIZED))
        return S_OK;
    RECT marker{};
    const HDC dc = GetDC(window);
    GetDrawRect(dc, record, &marker);
    ReleaseDC(window, dc);
    RECT from = marker;
    InflateRect(&from, kFlashInflation, kFlashInflation);
    POINT at{record->x, record->y};
    ClientToScreen(window, &at);
    if (WindowFromPoint(at) != window)
        return S_OK;
    return AnimateEllipse(window, from, marker, duration);
}

HRESULT EventCommentBase::GetDisplayFlags(DWORD* flags) {
    *flags = 0;
    return S_OK;
}

} // namespace StrevClient

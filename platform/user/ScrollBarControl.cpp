// The system scroll bar control: its scroll information, its picture (arrows,
// track and thumb) and the actions the pointer and the keys report to the
// parent.

#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/gdi/gdi.h"
#include "platform/user/ClassRegistry.h"
#include "platform/user/input_api.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/metrics_api.h"
#include "platform/user/paint_api.h"
#include "platform/user/scrollbar.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

namespace user {
namespace {

constexpr int kMinThumb = 8;

enum class Part { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct BarState {
    int min = 0;
    int max = 0;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    bool tracking = false;
    int grab = 0; // pointer offset into the thumb while it is dragged
    Part pressed = Part::None;
};

BarState& StateOf(Window& w) {
    if (!w.control)
        w.control = std::make_shared<BarState>();
    return *static_cast<BarState*>(w.control.get());
}

bool Vertical(const Window& w) {
    return (w.style & SBS_VERT) != 0;
}

std::int64_t RangeSize(const BarState& s) {
    return std::int64_t{s.max} - s.min + 1;
}

int MaxPos(const BarState& s) {
    const std::int64_t last = std::int64_t{s.max} - std::max<std::int64_t>(std::int64_t{s.page} - 1, 0);
    return static_cast<int>(std::max<std::int64_t>(last, s.min));
}

// The bar along its axis: arrows at both ends, the track between them and,
// while the range is larger than the page, the thumb in the track.
struct Layout {
    int length = 0;
    int arrow = 0;
    int track = 0;
    bool hasThumb = false;
    int thumbStart = 0;
    int thumbLength = 0;
};

Layout LayoutOf(const Window& w, const BarState& s) {
    Layout l;
    const bool vertical = Vertical(w);
    l.length = vertical ? w.ClientHeight() : w.ClientWidth();
    l.arrow = std::min(GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL), l.length / 2);
    l.track = l.length - 2 * l.arrow;
    const std::int64_t size = RangeSize(s);
    if (size <= 1 || (s.page != 0 && s.page >= size))
        return l;
    const std::int64_t thumb = s.page == 0
                                   ? GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB)
                                   : std::max<std::int64_t>(l.track * std::int64_t{s.page} / size, kMinThumb);
    if (thumb > l.track)
        return l;
    l.hasThumb = true;
    l.thumbLength = static_cast<int>(thumb);
    const int shown = s.tracking ? s.trackPos : s.pos;
    const std::int64_t span = std::int64_t{MaxPos(s)} - s.min;
    l.thumbStart =
        l.arrow + (span > 0 ? static_cast<int>((l.track - thumb) * (std::int64_t{shown} - s.min) / span) : 0);
    return l;
}

Part PartAt(const Layout& l, int c) {
    if (c < l.arrow)
        return Part::LineUp;
    if (c >= l.length - l.arrow)
        return Part::LineDown;
    if (!l.hasThumb)
        return Part::None;
    if (c < l.thumbStart)
        return Part::PageUp;
    if (c < l.thumbStart + l.thumbLength)
        return Part::Thumb;
    return Part::PageDown;
}

void Report(HWND hwnd, const Window& w, int code, int pos = 0) {
    SendMessageW(GetParent(hwnd), Vertical(w) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos),
                 reinterpret_cast<LPARAM>(hwnd));
}

int CodeOf(Part p) {
    switch (p) {
    case Part::LineUp:
        return SB_LINEUP;
    case Part::PageUp:
        return SB_PAGEUP;
    case Part::PageDown:
        return SB_PAGEDOWN;
    case Part::LineDown:
        return SB_LINEDOWN;
    default:
        return -1;
    }
}

int Along(const Window& w, LPARAM lParam) {
    return Vertical(w) ? GET_Y_LPARAM(lParam) : GET_X_LPARAM(lParam);
}

LRESULT Press(HWND hwnd, Window& w, BarState& s, LPARAM lParam) {
    if ((w.style & WS_TABSTOP) != 0)
        SetFocus(hwnd);
    const Layout l = LayoutOf(w, s);
    const int c = Along(w, lParam);
    s.pressed = PartAt(l, c);
    if (s.pressed == Part::None)
        return 0;
    SetCapture(hwnd);
    if (s.pressed == Part::Thumb) {
        s.tracking = true;
        s.trackPos = s.pos;
        s.grab = c - l.thumbStart;
        return 0;
    }
    Report(hwnd, w, CodeOf(s.pressed));
    return 0;
}

LRESULT Drag(HWND hwnd, Window& w, BarState& s, LPARAM lParam) {
    if (!s.tracking)
        return 0;
    const Layout l = LayoutOf(w, s);
    const int room = l.track - l.thumbLength;
    if (room <= 0)
        return 0;
    const std::int64_t offset = std::clamp<std::int64_t>(Along(w, lParam) - s.grab - l.arrow, 0, room);
    const std::int64_t span = std::int64_t{MaxPos(s)} - s.min;
    const int pos = static_cast<int>(s.min + (offset * span + room / 2) / room);
    if (pos == s.trackPos)
        return 0;
    s.trackPos = pos;
    InvalidateRect(hwnd, nullptr, FALSE);
    Report(hwnd, w, SB_THUMBTRACK, pos);
    return 0;
}

LRESULT Release(HWND hwnd, Window& w, BarState& s) {
    if (s.pressed == Part::None)
        return 0;
    const bool thumb = s.tracking;
    s.pressed = Part::None;
    s.tracking = false;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (thumb)
        Report(hwnd, w, SB_THUMBPOSITION, s.trackPos);
    if (Lookup(hwnd) != nullptr)
        Report(hwnd, w, SB_ENDSCROLL);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT Key(HWND hwnd, Window& w, WPARAM key) {
    int code = -1;
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        code = SB_LINEUP;
        break;
    case VK_DOWN:
    case VK_RIGHT:
        code = SB_LINEDOWN;
        break;
    case VK_PRIOR:
        code = SB_PAGEUP;
        break;
    case VK_NEXT:
        code = SB_PAGEDOWN;
        break;
    case VK_HOME:
        code = SB_TOP;
        break;
    case VK_END:
        code = SB_BOTTOM;
        break;
    default:
        return 0;
    }
    Report(hwnd, w, code);
    if (Lookup(hwnd) != nullptr)
        Report(hwnd, w, SB_ENDSCROLL);
    return 0;
}

void Fit(BarState& s) {
    const std::int64_t size = RangeSize(s);
    s.page = size <= 0 ? 0 : static_cast<UINT>(std::min<std::int64_t>(s.page, size));
    s.pos = std::clamp(s.pos, s.min, MaxPos(s));
    if (!s.tracking)
        s.trackPos = s.pos;
}

LRESULT SetInfo(HWND hwnd, BarState& s, const SCROLLINFO* info, bool redraw) {
    if (info == nullptr || info->cbSize != sizeof(SCROLLINFO))
        return s.pos;
    if (info->fMask & SIF_RANGE) {
        s.min = info->nMin;
        s.max = info->nMax;
    }
    if (info->fMask & SIF_PAGE)
        s.page = info->nPage;
    if (info->fMask & SIF_POS)
        s.pos = info->nPos;
    Fit(s);
    if (redraw)
        InvalidateRect(hwnd, nullptr, TRUE);
    return s.pos;
}

LRESULT GetInfo(const BarState& s, SCROLLINFO* info) {
    if (info == nullptr || info->cbSize != sizeof(SCROLLINFO))
        return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = s.min;
        info->nMax = s.max;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = s.page;
    if (info->fMask & SIF_POS)
        info->nPos = s.pos;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = s.tracking ? s.trackPos : s.pos;
    return TRUE;
}

void Fill(HDC dc, RECT r, int colour) {
    FillRect(dc, &r, GetSysColorBrush(colour));
}

// A face with a one-pixel raised edge.
void RaisedBox(HDC dc, const RECT& r) {
    Fill(dc, r, COLOR_BTNFACE);
    Fill(dc, RECT{r.left, r.top, r.right, r.top + 1}, COLOR_BTNHIGHLIGHT);
    Fill(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, COLOR_BTNHIGHLIGHT);
    Fill(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, COLOR_BTNSHADOW);
    Fill(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, COLOR_BTNSHADOW);
}

// A small triangle pointing away from the bar's middle, one pixel row at a time.
void Arrow(HDC dc, const RECT& box, bool vertical, bool towardsStart, bool enabled) {
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    const int colour = enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT;
    for (int i = 0; i < 4; ++i) {
        const int step = towardsStart ? i - 2 : 1 - i;
        if (vertical)
            Fill(dc, RECT{cx - i, cy + step, cx + i + 1, cy + step + 1}, colour);
        else
            Fill(dc, RECT{cx + step, cy - i, cx + step + 1, cy + i + 1}, colour);
    }
}

LRESULT Paint(HWND hwnd, Window& w, const BarState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc == nullptr)
        return 0;
    const Layout l = LayoutOf(w, s);
    const bool vertical = Vertical(w);
    const LONG breadth = vertical ? w.ClientWidth() : w.ClientHeight();
    auto span = [&](int from, int to) {
        return vertical ? RECT{0, from, breadth, to} : RECT{from, 0, to, breadth};
    };
    Fill(dc, span(0, l.length), COLOR_SCROLLBAR);
    const RECT first = span(0, l.arrow);
    const RECT last = span(l.length - l.arrow, l.length);
    RaisedBox(dc, first);
    RaisedBox(dc, last);
    Arrow(dc, first, vertical, true, l.hasThumb);
    Arrow(dc, last, vertical, false, l.hasThumb);
    if (l.hasThumb)
        RaisedBox(dc, span(l.thumbStart, l.thumbStart + l.thumbLength));
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT RangeMessage(HWND hwnd, BarState& s, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case SBM_SETPOS: {
        const int old = s.pos;
        s.pos = static_cast<int>(wParam);
        Fit(s);
        if (lParam != 0)
            InvalidateRect(hwnd, nullptr, TRUE);
        return old;
    }
    case SBM_GETPOS:
        return s.pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        const int old = s.pos;
        s.min = static_cast<int>(wParam);
        s.max = static_cast<int>(lParam);
        Fit(s);
        if (message == SBM_SETRANGEREDRAW)
            InvalidateRect(hwnd, nullptr, TRUE);
        return old;
    }
    case SBM_GETRANGE:
        if (auto* lo = reinterpret_cast<int*>(wParam))
            *lo = s.min;
        if (auto* hi = reinterpret_cast<int*>(lParam))
            *hi = s.max;
        return 0;
    case SBM_SETSCROLLINFO:
        return SetInfo(hwnd, s, reinterpret_cast<const SCROLLINFO*>(lParam), wParam != 0);
    default:
        return GetInfo(s, reinterpret_cast<SCROLLINFO*>(lParam));
    }
}

LRESULT ScrollBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (w == nullptr)
        return 0;
    BarState& s = StateOf(*w);
    if (message >= SBM_SETPOS && message <= SBM_GETSCROLLINFO)
        return RangeMessage(hwnd, s, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        return Paint(hwnd, *w, s);
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return Press(hwnd, *w, s, lParam);
    case WM_MOUSEMOVE:
        return Drag(hwnd, *w, s, lParam);
    case WM_LBUTTONUP:
        return Release(hwnd, *w, s);
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd && s.pressed != Part::None)
            s = BarState{s.min, s.max, s.page, s.pos, s.pos};
        return 0;
    case WM_KEYDOWN:
        return Key(hwnd, *w, wParam);
    case WM_NCDESTROY:
        w->control.reset();
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// The scroll bar control hwnd, or null when it is none.
Window* BarWindow(HWND hwnd, int bar) {
    Window* w = Lookup(hwnd);
    if (w == nullptr || bar != SB_CTL || w->windowClass->proc != &ScrollBarProc)
        return nullptr;
    return w;
}

} // namespace

void RegisterScrollBarClass(ClassRegistry& classes) {
    WNDCLASSW c{};
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = &ScrollBarProc;
    c.lpszClassName = u"ScrollBar";
    classes.Register(c);
}

} // namespace user

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    if (user::BarWindow(hwnd, bar) == nullptr)
        return 0;
    return static_cast<int>(
        SendMessageW(hwnd, SBM_SETSCROLLINFO, static_cast<WPARAM>(redraw), reinterpret_cast<LPARAM>(info)));
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    if (user::BarWindow(hwnd, bar) == nullptr)
        return FALSE;
    return SendMessageW(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)) != 0 ? TRUE : FALSE;
}

int SetScrollPos(HWND hwnd, int bar, int position, BOOL redraw) {
    if (user::BarWindow(hwnd, bar) == nullptr)
        return 0;
    return static_cast<int>(SendMessageW(hwnd, SBM_SETPOS, static_cast<WPARAM>(position), redraw));
}

int GetScrollPos(HWND hwnd, int bar) {
    if (user::BarWindow(hwnd, bar) == nullptr)
        return 0;
    return static_cast<int>(SendMessageW(hwnd, SBM_GETPOS, 0, 0));
}

BOOL SetScrollRange(HWND hwnd, int bar, int minimum, int maximum, BOOL redraw) {
    if (user::BarWindow(hwnd, bar) == nullptr)
        return FALSE;
    SendMessageW(hwnd, redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(minimum),
                 static_cast<LPARAM>(maximum));
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minimum, int* maximum) {
    if (user::BarWindow(hwnd, bar) == nullptr)
        return FALSE;
    SendMessageW(hwnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(minimum), reinterpret_cast<LPARAM>(maximum));
    return TRUE;
}

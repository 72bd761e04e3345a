#include "platform/owl/TScrollBar.h"

#include <algorithm>

#include "platform/user/metrics_api.h"

namespace OWL {

TScrollBar::TScrollBar(TWindow* parent, int id, int x, int y, int w, int h, bool isHScrollBar,
                       TModule* module)
    : TWindow(parent, nullptr, module) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | (isHScrollBar ? SBS_HORZ : SBS_VERT);
    Attr.Id = id;
    Attr.X = x;
    Attr.Y = y;
    Attr.W = !isHScrollBar && w == 0 ? GetSystemMetrics(SM_CXVSCROLL) : w;
    Attr.H = isHScrollBar && h == 0 ? GetSystemMetrics(SM_CYHSCROLL) : h;
}

DEFINE_RESPONSE_TABLE1(TScrollBar, TWindow)
EV_WM_HSCROLL, EV_WM_VSCROLL, END_RESPONSE_TABLE;

void TScrollBar::GetRange(int& minimum, int& maximum) const {
    ::GetScrollRange(GetHandle(), SB_CTL, &minimum, &maximum);
}

int TScrollBar::GetPosition() const {
    return ::GetScrollPos(GetHandle(), SB_CTL);
}

void TScrollBar::SetRange(int minimum, int maximum, bool redraw) {
    ::SetScrollRange(GetHandle(), SB_CTL, minimum, maximum, redraw ? TRUE : FALSE);
}

void TScrollBar::SetPosition(int position, bool redraw) {
    ::SetScrollPos(GetHandle(), SB_CTL, position, redraw ? TRUE : FALSE);
}

int TScrollBar::DeltaPos(int delta) {
    const int before = GetPosition();
    SetPosition(before + delta);
    return GetPosition() - before;
}

void TScrollBar::GetScrollInfo(SCROLLINFO* info, UINT mask) const {
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    ::GetScrollInfo(GetHandle(), SB_CTL, info);
}

void TScrollBar::SetScrollInfo(SCROLLINFO* info, bool redraw) {
    info->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(GetHandle(), SB_CTL, info, redraw ? TRUE : FALSE);
}

void TScrollBar::SBLineUp() {
    DeltaPos(-LineMagnitude);
}

void TScrollBar::SBLineDown() {
    DeltaPos(LineMagnitude);
}

void TScrollBar::SBPageUp() {
    DeltaPos(-PageMagnitude);
}

void TScrollBar::SBPageDown() {
    DeltaPos(PageMagnitude);
}

void TScrollBar::SBThumbPosition(int thumbPos) {
    SetPosition(thumbPos);
}

void TScrollBar::SBThumbTrack(int thumbPos) {
    SetPosition(thumbPos);
}

void TScrollBar::SBTop() {
    int minimum = 0, maximum = 0;
    GetRange(minimum, maximum);
    SetPosition(minimum);
}

void TScrollBar::SBBottom() {
    int minimum = 0, maximum = 0;
    GetRange(minimum, maximum);
    SetPosition(maximum);
}

void TScrollBar::Dispatch(UINT code, UINT thumbPos) {
    const int pos = static_cast<short>(thumbPos);
    switch (static_cast<int>(code)) {
    case SB_LINEUP:
        SBLineUp();
        break;
    case SB_LINEDOWN:
        SBLineDown();
        break;
    case SB_PAGEUP:
        SBPageUp();
        break;
    case SB_PAGEDOWN:
        SBPageDown();
        break;
    case SB_THUMBPOSITION:
        SBThumbPosition(pos);
        break;
    case SB_THUMBTRACK:
        SBThumbTrack(pos);
        break;
    case SB_TOP:
        SBTop();
        break;
    case SB_BOTTOM:
        SBBottom();
        break;
    case SB_ENDSCROLL:
        SBEndScroll();
        break;
    default:
        break;
    }
}

void TScrollBar::EvHScroll(UINT code, UINT thumbPos, HWND) {
    Dispatch(code, thumbPos);
}

void TScrollBar::EvVScroll(UINT code, UINT thumbPos, HWND) {
    Dispatch(code, thumbPos);
}

} // namespace OWL

// The graph drawer's answers to the mouse and the keyboard: annotations follow
// the pointer and report hints, a marker is grabbed, dragged and dropped,
// clicks reach the annotations, the cursor shows what a drag would do.

#include <algorithm>

#include "platform/owl/TWindow.h"
#include "platform/user/icon_api.h"
#include "platform/user/msgbox_api.h"
#include "platform/user/paint_api.h"
#include "platform/user/window_api.h"
#include "plot/Graph2DDrawer.h"

namespace ZOzuve1 {
namespace {

constexpr std::u16string_view kDebugKey = u"61Zerun";

bool Inside(const RECT& r, POINT p) {
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

POINT Relative(const RECT& r, POINT p) {
    return {p.x - r.left, p.y - r.top};
}

// The system cursor that shows what dragging the marker would do.
LPCWSTR CursorFor(const Queen* queen) {
    if (dynamic_cast<const QueenLineV*>(queen) != nullptr)
        return IDC_SIZEWE;
    if (dynamic_cast<const QueenLineH*>(queen) != nullptr)
        return IDC_SIZENS;
    if (dynamic_cast<const QueenBox*>(queen) != nullptr)
        return IDC_SIZEALL;
    if (dynamic_cast<const QueenLine*>(queen) != nullptr)
        return IDC_SIZENS;
    return IDC_ARROW;
}

} // namespace

void Graph2DDrawer::OnButtonDown(POINT point) {
    mPress = point;
    mPressed = true;
    const RECT plot = GetPlotRect(mRect);
    if (!queenShown || !Inside(plot, point))
        return;
    if (mQueens->BeginTrack(Relative(plot, point))) {
        if (HWND hwnd = OwnerHandle())
            SetCapture(hwnd);
        Invalidate();
    }
}

void Graph2DDrawer::OnPointerMove(POINT point) {
    if (mQueens->Tracked() == nullptr) {
        TrackMouse(point.x, point.y);
        return;
    }
    if (queenShown && mQueens->Track(Relative(GetPlotRect(mRect), point)))
        Invalidate();
}

void Graph2DDrawer::OnButtonUp(UINT flags, POINT point) {
    bool click = false;
    if (mPressed) {
        const long dx = mPress.x - point.x;
        const long dy = mPress.y - point.y;
        click = dx * dx + dy * dy < mClickTolerance;
        mPressed = false;
    }
    if (queenShown && mQueens->Tracked() != nullptr) {
        ReleaseCapture();
        const RECT plot = GetPlotRect(mRect);
        const POINT drop{std::clamp<LONG>(point.x, plot.left, plot.right - 1),
                         std::clamp<LONG>(point.y, plot.top, plot.bottom - 1)};
        mQueens->EndTrack(Relative(plot, drop));
        Invalidate();
    }
    if (click)
        OnClick(flags, mPress, point);
}

bool Graph2DDrawer::OnClick(UINT flags, POINT press, POINT point) {
    const RECT plot = GetPlotRect(mRect);
    for (auto it = mAnnotations.rbegin(); it != mAnnotations.rend(); ++it)
        if (it->drawer->Click(plot, flags, press, point))
            return true;
    return false;
}

bool Graph2DDrawer::TrackMouse(int x, int y) {
    const RECT plot = GetPlotRect(mRect);
    const RECT area = GetClientArea(mRect);
    bool changed = false;
    bool allInverting = true;
    for (const auto& e : mAnnotations) {
        changed = e.drawer->FollowPointer(x, y, plot) || changed;
        allInverting = allInverting && e.drawer->IsInverting();
    }
    if (changed) {
        if (!allInverting) {
            Invalidate();
        } else if (annotationsShown) {
            HWND hwnd = OwnerHandle();
            HDC dc = GetDC(hwnd);
            DrawAnnotations(dc, dc, plot, area);
            ReleaseDC(hwnd, dc);
        }
        MouseTrackHintMsg message(OwnerId());
        CollectHints(x, y, message);
        mMouseSender.Send(message);
    }
    if (cursorFeedback && queenShown) {
        const POINT p{x, y};
        const Queen* hit = Inside(plot, p) ? mQueens->HitTest(Relative(plot, p)) : nullptr;
        SetCursor(LoadCursorW(nullptr, CursorFor(hit)));
    }
    return changed;
}

void Graph2DDrawer::CollectHints(int x, int y, MouseTrackHintMsg& message) {
    if (!mMouseSender.HasReceivers() && !hintsWanted)
        return;
    const RECT plot = GetPlotRect(mRect);
    const RECT area = GetClientArea(mRect);
    for (const auto& e : mAnnotations) {
        TrackInfo info;
        info.mouseX = x;
        info.mouseY = y;
        info.plot = plot;
        info.area = area;
        if (e.drawer->GetHint(&info))
            message.hints.push_back(std::move(info));
    }
}

void Graph2DDrawer::OnMouseLeave() {
    mMouseSender.Send(MouseLeaveMsg(OwnerId()));
}

void Graph2DDrawer::OnChar(char16_t character) {
    mTyped.push_back(character);
    if (mTyped.size() > kDebugKey.size())
        mTyped.erase(0, 1);
    if (mTyped == kDebugKey)
        MessageBoxW(OwnerHandle(), u"Secret Message caught", u"You typed the secret message for debugging",
                    MB_ICONEXCLAMATION);
}

} // namespace ZOzuve1

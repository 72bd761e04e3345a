#include "platform/owl/TGadgetWindow.h"

#include <algorithm>
#include <utility>

#include "platform/gdi/gdi.h"
#include "platform/user/input_api.h"
#include "platform/user/metrics_api.h"
#include "platform/user/paint_api.h"
#include "platform/user/sysparams_api.h"
#include "platform/user/timer_api.h"
#include "platform/user/window_api.h"

namespace OWL {

DEFINE_RESPONSE_TABLE1(TGadgetWindow, TWindow)
EV_WM_MOUSEMOVE, EV_WM_MOUSELEAVE, EV_WM_TIMER, EV_WM_LBUTTONDOWN, EV_WM_LBUTTONDBLCLK, EV_WM_LBUTTONUP,
    EV_WM_RBUTTONDOWN, EV_WM_RBUTTONUP, EV_WM_SYSCOLORCHANGE, END_RESPONSE_TABLE;

namespace {

constexpr UINT_PTR kTipTimer = 0x7E1F;

LOGFONTW GadgetFont() {
    LOGFONTW f{};
    SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof f, &f, 0);
    return f;
}

} // namespace

TGadgetWindow::TGadgetWindow(TWindow* parent, TModule* module)
    : TWindow(parent, nullptr, module), mFont(std::make_unique<TFont>(GadgetFont())) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
}

TGadgetWindow::~TGadgetWindow() {
    if (mTip != nullptr && ::IsWindow(mTip))
        ::DestroyWindow(mTip);
    for (TGadget* g : std::vector<TGadget*>(mGadgets)) {
        g->mWindow = nullptr;
        delete g;
    }
}

void TGadgetWindow::Insert(TGadget& gadget, TPlacement placement, TGadget* sibling) {
    auto at = std::find(mGadgets.begin(), mGadgets.end(), sibling);
    if (at == mGadgets.end())
        at = placement == Before ? mGadgets.begin() : mGadgets.end();
    else if (placement == After)
        ++at;
    mGadgets.insert(at, &gadget);
    gadget.mWindow = this;
    gadget.Inserted();
    if (GetHandle() != nullptr) {
        gadget.Created();
        LayoutSession();
    }
}

TGadget* TGadgetWindow::Remove(TGadget& gadget) {
    auto it = std::find(mGadgets.begin(), mGadgets.end(), &gadget);
    if (it == mGadgets.end())
        return nullptr;
    gadget.Invalidate();
    mGadgets.erase(it);
    if (mCapture == &gadget)
        GadgetReleaseCapture(gadget);
    if (mAtMouse == &gadget)
        mAtMouse = nullptr;
    if (mTipGadget == &gadget)
        HideTip();
    gadget.Removed();
    gadget.mWindow = nullptr;
    return &gadget;
}

TGadget* TGadgetWindow::GadgetWithId(int id) const {
    for (TGadget* g : mGadgets)
        if (g->GetId() == id)
            return g;
    return nullptr;
}

TGadget* TGadgetWindow::GadgetFromPoint(const TPoint& point) const {
    for (TGadget* g : mGadgets)
        if (g->IsVisible() && g->GetBounds().Contains(point))
            return g;
    return nullptr;
}

void TGadgetWindow::LayoutSession() {
    int x = mMargin;
    for (TGadget* g : mGadgets) {
        TSize size;
        g->GetDesiredSize(size);
        if (!g->IsVisible())
            size = TSize(0, 0);
        g->SetBounds(TRect(TPoint(x, mMargin), size));
        x += size.cx;
    }
    Invalidate();
}

TSize TGadgetWindow::GetDesiredSize() {
    TSize total(2 * mMargin, 0);
    for (TGadget* g : mGadgets) {
        TSize size;
        g->GetDesiredSize(size);
        if (!g->IsVisible())
            continue;
        total.cx += size.cx;
        total.cy = std::max(total.cy, size.cy);
    }
    total.cy += 2 * mMargin;
    return total;
}

bool TGadgetWindow::IdleAction(long idleCount) {
    for (TGadget* g : std::vector<TGadget*>(mGadgets))
        g->IdleAction(idleCount);
    return false;
}

void TGadgetWindow::GadgetSetCapture(TGadget& gadget) {
    mCapture = &gadget;
    SetCapture();
}

void TGadgetWindow::GadgetReleaseCapture(TGadget& gadget) {
    if (mCapture != &gadget)
        return;
    mCapture = nullptr;
    ReleaseCapture();
}

void TGadgetWindow::GadgetActivated(TGadget& gadget) {
    if (const HWND parent = GetParentH())
        ::SendMessageW(parent, WM_COMMAND, static_cast<WPARAM>(gadget.GetId()), 0);
}

void TGadgetWindow::SetupWindow() {
    TWindow::SetupWindow();
    for (TGadget* g : mGadgets)
        g->Created();
    LayoutSession();
}

void TGadgetWindow::Paint(TDC& dc, bool, TRect&) {
    for (TGadget* g : mGadgets) {
        if (!g->IsVisible() || g->GetBounds().IsEmpty())
            continue;
        const int saved = dc.SaveDC();
        const TRect& b = g->GetBounds();
        dc.IntersectClipRect(b);
        dc.SetViewportOrg(TPoint(b.left, b.top));
        g->Paint(dc);
        dc.RestoreDC(saved);
    }
}

void TGadgetWindow::ShowTip() {
    if (mTipGadget == nullptr)
        return;
    if (mTip == nullptr) {
        mTip = ::CreateWindowExW(WS_EX_TOOLWINDOW, u"tooltips_class32", u"", WS_POPUP, 0, 0, 0, 0,
                                 GetHandle(), nullptr, nullptr, nullptr);
        if (mTip == nullptr)
            return;
        ::SendMessageW(mTip, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()), FALSE);
    }
    const std::u16string& text = mTipGadget->GetTipText();
    ::SetWindowTextW(mTip, text.c_str());
    SIZE extent{};
    HDC dc = ::GetDC(mTip);
    HGDIOBJ old = ::SelectObject(dc, GetFont());
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, old);
    ::ReleaseDC(mTip, dc);
    POINT at{};
    ::GetCursorPos(&at);
    constexpr int kPadX = 4, kPadY = 2;
    ::SetWindowPos(mTip, nullptr, at.x, at.y + ::GetSystemMetrics(SM_CYCURSOR) / 2, extent.cx + 2 * kPadX,
                   extent.cy + 2 * kPadY, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TGadgetWindow::HideTip() {
    if (mTipGadget != nullptr && GetHandle() != nullptr)
        ::KillTimer(GetHandle(), kTipTimer);
    mTipGadget = nullptr;
    if (mTip != nullptr)
        ::ShowWindow(mTip, SW_HIDE);
}

void TGadgetWindow::EvTimer(UINT_PTR id) {
    if (id != kTipTimer)
        return;
    ::KillTimer(GetHandle(), kTipTimer);
    ShowTip();
}

void TGadgetWindow::EvMouseLeave() {
    mTracking = false;
    HideTip();
    if (TGadget* g = std::exchange(mAtMouse, nullptr))
        g->MouseLeave(0, TPoint(-1, -1));
}

void TGadgetWindow::EvMouseMove(UINT modKeys, const TPoint& point) {
    if (!mTracking) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, GetHandle(), 0};
        mTracking = ::TrackMouseEvent(&track) != FALSE;
    }
    if (mCapture != nullptr) {
        mCapture->MouseMove(modKeys, Local(*mCapture, point));
        return;
    }
    TGadget* g = GadgetFromPoint(point);
    if (g != mAtMouse) {
        if (mAtMouse != nullptr)
            mAtMouse->MouseLeave(modKeys, Local(*mAtMouse, point));
        mAtMouse = g;
        HideTip();
        if (g != nullptr) {
            g->MouseEnter(modKeys, Local(*g, point));
            if (!g->GetTipText().empty()) {
                mTipGadget = g;
                ::SetTimer(GetHandle(), kTipTimer, ::GetDoubleClickTime(), nullptr);
            }
        }
    }
    if (g != nullptr)
        g->MouseMove(modKeys, Local(*g, point));
}

void TGadgetWindow::EvLButtonDown(UINT modKeys, const TPoint& point) {
    HideTip();
    if (TGadget* g = GadgetFromPoint(point); g != nullptr && g->GetEnabled())
        g->LButtonDown(modKeys, Local(*g, point));
}

void TGadgetWindow::EvLButtonUp(UINT modKeys, const TPoint& point) {
    TGadget* g = mCapture != nullptr ? mCapture : GadgetFromPoint(point);
    if (g != nullptr)
        g->LButtonUp(modKeys, Local(*g, point));
}

void TGadgetWindow::EvRButtonDown(UINT modKeys, const TPoint& point) {
    HideTip();
    if (TGadget* g = GadgetFromPoint(point); g != nullptr && g->GetEnabled())
        g->RButtonDown(modKeys, Local(*g, point));
}

void TGadgetWindow::EvRButtonUp(UINT modKeys, const TPoint& point) {
    TGadget* g = mCapture != nullptr ? mCapture : GadgetFromPoint(point);
    if (g != nullptr)
        g->RButtonUp(modKeys, Local(*g, point));
}

void TGadgetWindow::EvSysColorChange() {
    for (TGadget* g : mGadgets)
        g->SysColorChange();
    Invalidate();
}

} // namespace OWL

#include "platform/owl/TGadgetWindow.h"

#include <algorithm>

#include "platform/user/sysparams_api.h"

namespace OWL {

DEFINE_RESPONSE_TABLE1(TGadgetWindow, TWindow)
EV_WM_MOUSEMOVE, EV_WM_LBUTTONDOWN, EV_WM_LBUTTONDBLCLK, EV_WM_LBUTTONUP, EV_WM_RBUTTONDOWN, EV_WM_RBUTTONUP,
    EV_WM_SYSCOLORCHANGE, END_RESPONSE_TABLE;

namespace {

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

void TGadgetWindow::EvMouseMove(UINT modKeys, const TPoint& point) {
    if (mCapture != nullptr) {
        mCapture->MouseMove(modKeys, Local(*mCapture, point));
        return;
    }
    TGadget* g = GadgetFromPoint(point);
    if (g != mAtMouse) {
        if (mAtMouse != nullptr)
            mAtMouse->MouseLeave(modKeys, Local(*mAtMouse, point));
        mAtMouse = g;
        if (g != nullptr)
            g->MouseEnter(modKeys, Local(*g, point));
    }
    if (g != nullptr)
        g->MouseMove(modKeys, Local(*g, point));
}

void TGadgetWindow::EvLButtonDown(UINT modKeys, const TPoint& point) {
    if (TGadget* g = GadgetFromPoint(point); g != nullptr && g->GetEnabled())
        g->LButtonDown(modKeys, Local(*g, point));
}

void TGadgetWindow::EvLButtonUp(UINT modKeys, const TPoint& point) {
    TGadget* g = mCapture != nullptr ? mCapture : GadgetFromPoint(point);
    if (g != nullptr)
        g->LButtonUp(modKeys, Local(*g, point));
}

void TGadgetWindow::EvRButtonDown(UINT modKeys, const TPoint& point) {
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

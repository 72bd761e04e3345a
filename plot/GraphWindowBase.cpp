#include "plot/GraphWindowBase.h"

#include "platform/gdi/gdi.h"
#include "platform/user/input_api.h"
#include "platform/user/user.h"

namespace ZOzuve1 {

DEFINE_RESPONSE_TABLE1(GraphWindowBase, OWL::TWindow)
EV_WM_RBUTTONDOWN, EV_WM_LBUTTONUP, EV_WM_LBUTTONDOWN, EV_WM_MOUSEMOVE, EV_WM_SIZE,
    ::OWL::entries::Int<TMyClass>(WM_ERASEBKGND, &TMyClass::EvEraseBkgnd), EV_WM_CHAR, EV_WM_MOUSELEAVE,
    END_RESPONSE_TABLE;

GraphWindowBase::GraphWindowBase(OWL::TWindow* parent) : OWL::TWindow(parent) {
    Attr.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
}

GraphWindowBase::~GraphWindowBase() {
    if (mBackBuffer != nullptr)
        DeleteObject(mBackBuffer);
}

void GraphWindowBase::SetGraphRect(const RECT&, bool invalidate) {
    if (invalidate && GetHandle() != nullptr)
        Invalidate(true);
}

void GraphWindowBase::PaintGraph(HDC dc, bool, const RECT& client) {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
}

void GraphWindowBase::Paint(OWL::TDC& dc, bool, OWL::TRect&) {
    const RECT client = GetClientRect();
    const int w = client.right - client.left;
    const int h = client.bottom - client.top;
    if (mBackBuffer == nullptr || w != mBackBufferWidth || h != mBackBufferHeight) {
        if (mBackBuffer != nullptr)
            DeleteObject(mBackBuffer);
        mBackBuffer = CreateBitmap(w, h, static_cast<UINT>(GetDeviceCaps(dc, PLANES)),
                                   static_cast<UINT>(GetDeviceCaps(dc, BITSPIXEL)), nullptr);
        SetBitmapDimensionEx(mBackBuffer, w, h, nullptr);
        mBackBufferWidth = w;
        mBackBufferHeight = h;
    }
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, mBackBuffer);
    FillRect(memory, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PaintGraph(memory, true, client);
    BitBlt(dc, 0, 0, w, h, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void GraphWindowBase::EvRButtonDown(UINT, const OWL::TPoint& point) {
    if (!contextMenuEnabled)
        return;
    OWL::TPoint screen = point;
    ClientToScreen(screen);
    mMenu.Show(GetHandle(), screen.x, screen.y);
}

void GraphWindowBase::EvLButtonUp(UINT, const OWL::TPoint&) {
    DefaultProcessing();
}

void GraphWindowBase::EvLButtonDown(UINT, const OWL::TPoint&) {
    DefaultProcessing();
}

void GraphWindowBase::EvChar(UINT, UINT, UINT) {
    DefaultProcessing();
}

void GraphWindowBase::EvMouseMove(UINT, const OWL::TPoint&) {
    if (mLeaveTracking)
        return;
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, GetHandle(), HOVER_DEFAULT};
    mLeaveTracking = TrackMouseEvent(&track) != FALSE;
}

void GraphWindowBase::EvSize(UINT, const OWL::TSize& size) {
    if (size.cx != 0 && size.cy != 0)
        SetGraphRect(RECT{0, 0, size.cx, size.cy}, true);
}

void GraphWindowBase::EvMouseLeave() {
    mLeaveTracking = false;
    OnMouseLeaveWindow();
}

} // namespace ZOzuve1

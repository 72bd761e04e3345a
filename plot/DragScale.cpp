#include "plot/DragScale.h"

#include "platform/user/window_api.h"
#include "platform/win32/olewindow.h"
#include "plot/HostGraphService.h"

namespace ZOzuve1 {

HRESULT GraphDragScale::OnBeginDrag(DWORD value, DWORD) {
    Send(MsgBeginDrag(value));
    return S_OK;
}

HRESULT GraphDragScale::OnEndDrag(DWORD value, DWORD) {
    Send(MsgEndDrag(value));
    return S_OK;
}

CDragScale::CDragScale(OWL::TWindow* parent, DWORD style, DWORD id, DWORD a, LONG b)
    : OWL::TWindow(parent), mStyle(style), mId(id), mA(a), mB(b) {}

CDragScale::~CDragScale() = default;

bool CDragScale::Create() {
    if (GetHandle() != nullptr)
        return true;
    mStrip.Reset();
    ComPtr<IGraphService> service(GetHostGraphService());
    if (!service || FAILED(service->CreateScaleStrip(GetParentH(), mStyle, mId, mA, mB, mStrip.Put())))
        return false;
    auto window = QueryInterfacePtr<IOleWindow>(mStrip.Get(), IID_IOleWindow);
    HWND handle = nullptr;
    if (!window || FAILED(window->GetWindow(&handle)) || handle == nullptr)
        return false;
    AttachAlias(handle);
    SetFlag(OWL::wfCreated);
    return true;
}

void CDragScale::SetStripTitle(const WCHAR* title) {
    if (mStrip)
        mStrip->SetOriginAndTitle(nullptr, title);
}

GraphDragScaleWindow::GraphDragScaleWindow(OWL::TWindow* parent, DWORD style, DWORD id, DWORD a, LONG b)
    : CDragScale(parent, style, id, a, b) {
    Attr.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
}

GraphDragScaleWindow::~GraphDragScaleWindow() {
    if (mObserverRegistered && mStrip)
        mStrip->RemoveObserver(this);
    // While the whole object still answers the window's last messages.
    if (GetHandle() != nullptr)
        DestroyWindow(GetHandle());
}

bool GraphDragScaleWindow::Create() {
    if (!CDragScale::Create())
        return false;
    if (!mObserverRegistered && mStrip) {
        mStrip->AddObserver(this);
        mObserverRegistered = true;
    }
    return true;
}

HRESULT GraphDragScaleWindow::OnBeginDrag(DWORD value, DWORD reserved) {
    return GraphDragScale::OnBeginDrag(value, reserved);
}

HRESULT GraphDragScaleWindow::OnEndDrag(DWORD value, DWORD reserved) {
    return GraphDragScale::OnEndDrag(value, reserved);
}

HRESULT GraphDragScaleWindow::OnScalingChanged(DWORD a, DWORD, DWORD c) {
    StripScaling scaling;
    if (mStrip) {
        ScalePair origin{1.0, 0.0};
        mStrip->GetOriginAndTitle(&origin, nullptr);
        ScalePair transform{1.0, 0.0};
        mStrip->GetTransform(&transform);
        scaling = {{transform.first, transform.second}, {origin.first, origin.second}};
    }
    Send(MsgScalingChanged(c, &scaling, a));
    return S_OK;
}

HRESULT GraphDragScaleWindow::OnAutoScale(DWORD value) {
    Send(MsgAutoScale(value));
    return S_OK;
}

ScalePair GraphDragScaleWindow::GetScalePair() const {
    ScalePair interval{1.0, 0.0};
    if (mStrip)
        mStrip->GetInterval(&interval);
    return {interval.second, interval.first};
}

HRESULT GraphDragScaleWindow::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = iid == IID_IUnknown || iid == IID_IDragScaleObserver ? static_cast<IDragScaleObserver*>(this)
                                                                : nullptr;
    return *out != nullptr ? S_OK : E_NOINTERFACE;
}

GraphDragScaleWindow* MakeGraphDragScaleWindow(OWL::TWindow* parent, DWORD style, DWORD id, DWORD a, LONG b) {
    return new GraphDragScaleWindow(parent, style, id, a, b);
}

} // namespace ZOzuve1

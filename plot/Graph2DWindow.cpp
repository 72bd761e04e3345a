#include "plot/Graph2DWindow.h"

#include <algorithm>

namespace ZOzuve1 {

template <class Drawer> GraphWindow<Drawer>::GraphWindow(OWL::TWindow* parent) : GraphWindowBase(parent) {
    Drawer::SetOwner(this);
}

template <class Drawer> RECT GraphWindow<Drawer>::Inset(const RECT& r) const {
    return {r.left + margins[0], r.top + margins[1], r.right - margins[2], r.bottom - margins[3]};
}

template <class Drawer> void GraphWindow<Drawer>::SetupWindow() {
    GraphWindowBase::SetupWindow();
    SetGraphRect(GetClientRect(), false);
}

template <class Drawer> void GraphWindow<Drawer>::SetGraphRect(const RECT& rect, bool invalidate) {
    if (invalidate && GetHandle() != nullptr)
        GraphWindowBase::Invalidate(true);
    const RECT inner = Inset(rect);
    if (inner.right - inner.left < 0 || inner.bottom - inner.top < 0)
        return;
    Drawer::SetDrawerRect(inner);
    Drawer::SetRect(inner, true);
}

template <class Drawer> void GraphWindow<Drawer>::PaintGraph(HDC dc, bool erase, const RECT& client) {
    Drawer::Paint(dc, erase, Inset(client));
}

template <class Drawer> void GraphWindow<Drawer>::OnMouseLeaveWindow() {
    Drawer::OnMouseLeave();
}

template <class Drawer>
Graph2DWindowBase<Drawer>::Graph2DWindowBase(OWL::TWindow* parent) : GraphWindow<Drawer>(parent) {
    CreateScales();
}

template <class Drawer> Graph2DWindowBase<Drawer>::~Graph2DWindowBase() {
    for (GraphDragScaleWindow* scale : {mXScale, mYScale})
        if (scale != nullptr)
            scale->RemoveReceiver(this);
    for (auto* queue : {&mYDragQueue, &mXDragQueue})
        while (!queue->empty()) {
            --*queue->back();
            queue->pop_back();
        }
    delete mYScale;
    delete mXScale;
}

template <class Drawer> void Graph2DWindowBase<Drawer>::CreateScales() {
    delete mXScale;
    delete mYScale;
    mXScale = MakeGraphDragScaleWindow(this, kXScaleStyle, kXScaleId, 0, -1);
    mYScale = MakeGraphDragScaleWindow(this, kYScaleStyle, kYScaleId, 0, -1);
    mXScale->AddReceiver(this);
    mYScale->AddReceiver(this);
    this->SetGraticule(
        std::make_unique<GraphGraticule>(mXScale->GetStrip(), mYScale->GetStrip(), this->GetDisplayInfo()));
}

template <class Drawer> void Graph2DWindowBase<Drawer>::SetupWindow() {
    GraphWindow<Drawer>::SetupWindow();
    this->SetScaleObjects(mXScale->GetStrip(), mYScale->GetStrip(), mXScale->DrivesAxis(),
                          mYScale->DrivesAxis());
    // The client rectangle again: the layout of every resize, now with the strips.
    this->SetGraphRect(this->GetClientRect(), false);
    if (!this->HasDrawnOnce()) {
        this->OnFirstDraw();
        this->MarkDrawnOnce();
    }
}

template <class Drawer> bool Graph2DWindowBase<Drawer>::BeginDrag(bool x) {
    GraphDragScaleWindow* scale = x ? mXScale : mYScale;
    ComPtr<IUnknown>& link = x ? this->mXDragLink : this->mYDragLink;
    link.Reset();
    if (scale != nullptr)
        if (auto strip = QueryInterfacePtr<IScaleStrip>(scale->GetStrip(), IID_IScaleStrip))
            strip->GetDragLink(0, link.Put());
    int& counter = x ? this->mXDragCount : this->mYDragCount;
    ++counter;
    (x ? mXDragQueue : mYDragQueue).push_back(&counter);
    return true;
}

template <class Drawer> void Graph2DWindowBase<Drawer>::ApplyStripInterval(bool x) {
    const ScalePair interval = (x ? mXScale : mYScale)->GetScalePair();
    if (x)
        this->ApplyDomain(interval.first, interval.second);
    else
        this->ApplyRange(interval.first, interval.second);
}

template <class Drawer> void Graph2DWindowBase<Drawer>::EndDrag(bool x) {
    if ((x ? mXScale : mYScale) == nullptr)
        return;
    std::deque<int*>& queue = x ? mXDragQueue : mYDragQueue;
    if (!queue.empty()) {
        --*queue.back();
        queue.pop_back();
    }
    ApplyStripInterval(x);
}

template <class Drawer> bool Graph2DWindowBase<Drawer>::ReceiveMessage(const MessSys::Message& message) {
    const auto axis = [](std::uint32_t id, bool& x) {
        x = id == kXScaleId;
        return id == kXScaleId || id == kYScaleId;
    };
    bool x = false;
    if (auto* m = dynamic_cast<const MsgBeginDrag*>(&message))
        return axis(m->value, x) && BeginDrag(x);
    if (auto* m = dynamic_cast<const MsgEndDrag*>(&message)) {
        if (!axis(m->value, x))
            return false;
        EndDrag(x);
        return true;
    }
    if (auto* m = dynamic_cast<const MsgScalingChanged*>(&message)) {
        if (!axis(m->first, x))
            return false;
        GraphDragScaleWindow* scale = x ? mXScale : mYScale;
        if (scale != nullptr && m->scaling != nullptr) {
            if (x) {
                this->SetXPixelTransform(m->scaling->transform);
                this->SetXScaleOriginRecord(m->scaling->origin);
            } else {
                this->SetYPixelTransform(m->scaling->transform);
                this->SetYScaleOriginRecord(m->scaling->origin);
            }
            ApplyStripInterval(x);
        }
        return true;
    }
    if (auto* m = dynamic_cast<const MsgAutoScale*>(&message)) {
        if (!axis(m->value, x))
            return false;
        double a = 0.0, b = 0.0;
        const bool both = this->autoScaleBoth;
        if ((both || !x) && mYScale != nullptr) {
            this->GetYScaleLimits(a, b);
            this->SetRange(a, b);
        }
        if ((both || x) && mXScale != nullptr) {
            this->GetXScaleLimits(a, b);
            this->SetDomain(a, b);
        }
        return true;
    }
    return false;
}

template class GraphWindow<Graph2DDrawer>;
template class Graph2DWindowBase<Graph2DDrawer>;

DEFINE_RESPONSE_TABLE1(Graph2DWindow, Graph2DWindowBase<Graph2DDrawer>)
EV_WM_LBUTTONUP, EV_WM_LBUTTONDOWN, EV_WM_MOUSEMOVE, END_RESPONSE_TABLE;

Graph2DWindow::Graph2DWindow(OWL::TWindow* parent) : Graph2DWindowBase<Graph2DDrawer>(parent) {}

void Graph2DWindow::EvLButtonUp(UINT modKeys, const OWL::TPoint& point) {
    OnButtonUp(modKeys, point);
}

void Graph2DWindow::EvLButtonDown(UINT, const OWL::TPoint& point) {
    OnButtonDown(point);
}

void Graph2DWindow::EvMouseMove(UINT modKeys, const OWL::TPoint& point) {
    GraphWindowBase::EvMouseMove(modKeys, point);
    OnPointerMove(point);
}

} // namespace ZOzuve1

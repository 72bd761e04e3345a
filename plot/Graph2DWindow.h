#pragma once
// The child window in which the views show a graph: a window and a graph
// drawer at once. It hands the drawer its client rectangle (inset by the
// margins), paint requests and mouse messages, makes the two drag-to-scale
// strips whose scale objects become the drawer's, and turns the strips' drag
// and scaling messages into domain and range changes.

#include <deque>

#include "plot/DragScale.h"
#include "plot/Graph2DDrawer.h"
#include "plot/GraphWindowBase.h"

namespace ZOzuve1 {

template <class Drawer> class GraphWindow : public GraphWindowBase, public Drawer {
public:
    explicit GraphWindow(OWL::TWindow* parent);

    // Inset by the margins; a rectangle smaller than them leaves the drawer's.
    void SetGraphRect(const RECT& rect, bool invalidate) override;
    void PaintGraph(HDC dc, bool erase, const RECT& client) override;
    void OnMouseLeaveWindow() override;

protected:
    void SetupWindow() override;
    RECT Inset(const RECT& rect) const;
};

template <class Drawer> class Graph2DWindowBase : public GraphWindow<Drawer> {
public:
    static constexpr DWORD kXScaleId = 100;
    static constexpr DWORD kYScaleId = 101;
    static constexpr DWORD kXScaleStyle = 0x1ADD3;
    static constexpr DWORD kYScaleStyle = 0x1ADD0;

    explicit Graph2DWindowBase(OWL::TWindow* parent);
    ~Graph2DWindowBase() override;

    // The strips' messages, by the strip's id: 100 x, 101 y.
    bool ReceiveMessage(const MessSys::Message& message) override;

    GraphDragScaleWindow* XScaleWindow() const { return mXScale; }
    GraphDragScaleWindow* YScaleWindow() const { return mYScale; }

protected:
    void SetupWindow() override;

private:
    void CreateScales();
    bool BeginDrag(bool x);
    void EndDrag(bool x);
    void ApplyStripInterval(bool x);

    GraphDragScaleWindow* mXScale = nullptr;
    GraphDragScaleWindow* mYScale = nullptr;
    // Each entry holds one increment of its drag counter.
    std::deque<int*> mYDragQueue;
    std::deque<int*> mXDragQueue;
};

extern template class GraphWindow<Graph2DDrawer>;
extern template class Graph2DWindowBase<Graph2DDrawer>;

class Graph2DWindow : public Graph2DWindowBase<Graph2DDrawer> {
public:
    explicit Graph2DWindow(OWL::TWindow* parent);

    void EvLButtonUp(UINT modKeys, const OWL::TPoint& point);
    void EvLButtonDown(UINT modKeys, const OWL::TPoint& point);
    void EvMouseMove(UINT modKeys, const OWL::TPoint& point);

    DECLARE_RESPONSE_TABLE(Graph2DWindow);
};

} // namespace ZOzuve1

#pragma once
// The child window a graph lives in: it paints flicker-free through an
// off-screen bitmap that is remade only when the client size changes, arranges
// to hear when the mouse leaves, and shows its context menu on the right
// button. What it draws is left to PaintGraph.

#include "platform/owl/TWindow.h"
#include "plot/GraphMenu.h"

namespace ZOzuve1 {

class GraphWindowBase : public OWL::TWindow {
public:
    explicit GraphWindowBase(OWL::TWindow* parent);
    ~GraphWindowBase() override;

    // Invalidates (erasing) when asked and the window exists.
    virtual void SetGraphRect(const RECT& rect, bool invalidate);
    // Draws the graph into dc over the client rectangle; the default fills it light grey.
    virtual void PaintGraph(HDC dc, bool erase, const RECT& client);
    virtual void OnMouseLeaveWindow() {}

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;

    // Handlers.
    void EvRButtonDown(UINT modKeys, const OWL::TPoint& point);
    void EvLButtonUp(UINT modKeys, const OWL::TPoint& point);
    void EvLButtonDown(UINT modKeys, const OWL::TPoint& point);
    void EvMouseMove(UINT modKeys, const OWL::TPoint& point);
    void EvSize(UINT kind, const OWL::TSize& size);
    int EvEraseBkgnd() { return 1; }
    void EvChar(UINT key, UINT repeat, UINT flags);
    void EvMouseLeave();

    GraphMenu& Menu() { return mMenu; }
    HBITMAP BackBuffer() const { return mBackBuffer; }

    bool contextMenuEnabled = false;
    // Insets of the drawer's rectangle from the client edges: left, top, right, bottom.
    int margins[4] = {5, 5, 5, 5};

    DECLARE_RESPONSE_TABLE(GraphWindowBase);

private:
    bool mLeaveTracking = false;
    HBITMAP mBackBuffer = nullptr;
    int mBackBufferWidth = -1;
    int mBackBufferHeight = -1;
    GraphMenu mMenu;
};

} // namespace ZOzuve1

#pragma once
// The two-dimensional graph engine: the visible domain (x) and range (y), the
// axis titles, units, limits and bounds, the two host scale strips (x under
// the plot, y to its left) whose transforms map values to pixels, the lists of
// plotters and annotations, the marker controller, the graticule and three
// message senders. It is not a window: a graph window inherits it and hands it
// its rectangle, paint requests, mouse messages and characters.
//
// Painting (Graph2DDrawerPaint.cpp) renders plotters, graticule and frame into
// an off-screen image that is rebuilt only when something changed; every paint
// copies it and draws the annotations and markers over it. Mouse, keys and
// tracking are in Graph2DDrawerMouse.cpp.

#include <memory>
#include <string>
#include <vector>

#include "platform/vantrel/GraphService.h"
#include "platform/win32/com_ptr.h"
#include "plot/BasicAnnotation.h"
#include "plot/GraphDrawer.h"
#include "plot/GraphGraticule.h"
#include "plot/MessSys.h"
#include "plot/PlotMessages.h"
#include "plot/QueenController.h"

namespace OWL {
class TWindow;
}

namespace ZOzuve1 {

class GraphBase {
public:
    virtual ~GraphBase() = default;
    virtual void SetRect(const RECT& rect, bool flag) = 0;
    // Runs once, before the first drawing (or at the window's set-up).
    virtual void OnFirstDraw() {}
};

class Graph2DDrawer : public GraphBase, public MessSys::MessageReceiver {
public:
    Graph2DDrawer();
    ~Graph2DDrawer() override;
    Graph2DDrawer(const Graph2DDrawer&) = delete;
    Graph2DDrawer& operator=(const Graph2DDrawer&) = delete;

    // Layout: places the strips beside the plot rectangle of rect, reads their
    // transforms and gives every drawer the plot size. An empty rect changes
    // nothing. The owner stores the drawer rectangle first.
    void SetRect(const RECT& rect, bool flag) override;

    // Painting (Graph2DDrawerPaint.cpp).
    virtual void Paint(HDC dc, bool erase, const RECT& rect);
    // Everything straight into dc; the layout is restored afterwards.
    virtual void Print(HDC dc, HDC attributeDc, const RECT& rect);
    virtual void DrawPlotters(HDC dc, HDC attributeDc, const RECT& plot, const RECT& area);
    virtual void DrawAnnotations(HDC dc, HDC attributeDc, const RECT& plot, const RECT& area);
    virtual void DrawContents(HDC dc, HDC attributeDc, bool erase, const RECT& rect);

    // Keys (Graph2DDrawerMouse.cpp): the last seven characters typed are
    // matched against a debugging key.
    virtual void OnChar(char16_t character);

    virtual void SetDisplayInfo(const GraphDisplayInfo& info);
    virtual GraphDisplayInfo GetDisplayInfo() const { return mDisplayInfo; }
    // Invalidates the whole owner window.
    virtual void Invalidate();

    // Ignored while that axis's strip is dragged. Passed to the strip; unless
    // the strip drives the axis (it answers with a scaling message), applied.
    virtual void SetDomain(double x0, double x1);
    virtual void SetRange(double y0, double y1);
    void GetDomain(double& x0, double& x1) const;
    void GetRange(double& y0, double& y1) const;
    void GetXScaleLimits(double& a, double& b) const;
    void GetYScaleLimits(double& a, double& b) const;
    void GetXScaleBounds(double& a, double& b) const;
    void GetYScaleBounds(double& a, double& b) const;
    std::u16string GetXAxisTitle() const { return mXTitle; }
    std::u16string GetYAxisTitle() const { return mYTitle; }
    std::u16string GetXAxisUnit() const { return mXUnit; }
    std::u16string GetYAxisUnit() const { return mYUnit; }

    virtual void ShowXScale(bool show);
    virtual void ShowYScale(bool show);
    // Keeps the axis at least v wide, widening its bounds first.
    virtual void SetXMinSpan(double v);
    virtual void SetYMinSpan(double v);

    // Axis and scale settings, stored and passed to the strips.
    void SetXAxisTitle(const std::u16string& text);
    void SetYAxisTitle(const std::u16string& text);
    void SetXAxisUnit(const std::u16string& text);
    void SetYAxisUnit(const std::u16string& text);
    void SetXScaleLimits(double a, double b);
    void SetYScaleLimits(double a, double b);
    void SetXScaleBounds(double a, double b);
    void SetYScaleBounds(double a, double b);
    void SetXScaleOrigin(double v);
    void SetYScaleOrigin(double v);
    void SetXScaleStyleBit();
    void SetYScaleStyleBit();
    // The x strip's text size property: 10, or 12 for a Chinese or Japanese
    // user interface, unless the strip says otherwise.
    LONG GetXScaleProperty() const;
    void RefreshScaleObjects();
    virtual void ResetXScaleText();
    virtual void ResetYScaleText();

    // Replaces the strips and re-sends every setting to them.
    void SetScaleObjects(IScaleStrip* x, IScaleStrip* y, bool xDrives, bool yDrives);
    void ApplyScaleSettings();
    void ApplyDomain(double x0, double x1);
    void ApplyRange(double y0, double y1);

    // Plot rectangle of r: the left and bottom margins are left for the strips;
    // it is at least one pixel wide and high.
    virtual RECT GetPlotRect(const RECT& r) const;
    virtual RECT GetClientArea(const RECT& r) const { return r; }

    // Each copies the record, then invalidates.
    virtual void SetYScaleOriginRecord(const ScaleMap& record);
    virtual void SetXScaleOriginRecord(const ScaleMap& record);
    virtual void SetXPixelTransform(const ScaleMap& record);
    virtual void SetYPixelTransform(const ScaleMap& record);
    const ScaleMap& XPixelTransform() const { return *mXTransform; }
    const ScaleMap& YPixelTransform() const { return *mYTransform; }
    const ScaleMap& XScaleOriginRecord() const { return *mXOrigin; }
    const ScaleMap& YScaleOriginRecord() const { return *mYOrigin; }

    // Lists. A drawer is deleted only by the entry that owns it, and only when
    // no other entry of either list still holds it.
    virtual bool AddPlotter(GraphDrawer* drawer, bool owns);
    virtual bool RemovePlotter(GraphDrawer* drawer);
    virtual bool RemoveAllPlotters();
    virtual int PlotterCount() const { return static_cast<int>(mPlotters.size()); }
    virtual GraphDrawer* PlotterAt(int i) const;
    virtual bool AddAnnotation(Annotation* annotation, bool owns);
    virtual bool RemoveAnnotation(Annotation* annotation);
    virtual bool RemoveAllAnnotations();
    virtual int AnnotationCount() const { return static_cast<int>(mAnnotations.size()); }
    virtual Annotation* AnnotationAt(int i) const;

    // Markers.
    virtual bool AddQueen(Queen* queen, bool owns);
    virtual bool RemoveQueen(Queen* queen);
    virtual void ResetQueenController();
    virtual void SetQueenState(int state);
    QueenController& Queens() { return *mQueens; }

    // Mouse (Graph2DDrawerMouse.cpp). Points are in the owner's client coordinates.
    void OnButtonDown(POINT point);
    void OnButtonUp(UINT flags, POINT point);
    void OnPointerMove(POINT point);
    virtual bool TrackMouse(int x, int y);
    virtual void QueryHints(int x, int y, MouseTrackHintMsg& message) { CollectHints(x, y, message); }
    virtual void CollectHints(int x, int y, MouseTrackHintMsg& message);
    virtual bool OnClick(UINT flags, POINT press, POINT point);
    virtual void OnMouseLeave();

    // Hooks: the domain, the range was applied.
    virtual void OnDomainApplied() {}
    virtual void OnRangeApplied() {}

    // Receivers of the senders.
    void AddMouseReceiver(MessSys::MessageReceiver* r) { mMouseSender.AddReceiver(r); }
    void RemoveMouseReceiver(MessSys::MessageReceiver* r) { mMouseSender.RemoveReceiver(r); }
    void AddQueenReceiver(MessSys::MessageReceiver* r) { mQueens->AddReceiver(r); }
    void RemoveQueenReceiver(MessSys::MessageReceiver* r) { mQueens->RemoveReceiver(r); }
    void AddRedrawReceiver(MessSys::MessageReceiver* r) { mRedrawSender.AddReceiver(r); }
    void RemoveRedrawReceiver(MessSys::MessageReceiver* r) { mRedrawSender.RemoveReceiver(r); }
    void AddChangeReceiver(MessSys::MessageReceiver* r) { mChangeSender.AddReceiver(r); }
    void RemoveChangeReceiver(MessSys::MessageReceiver* r) { mChangeSender.RemoveReceiver(r); }

    void SetOwner(OWL::TWindow* owner) { mOwner = owner; }
    OWL::TWindow* Owner() const { return mOwner; }
    const RECT& DrawerRect() const { return mRect; }
    void SetDrawerRect(const RECT& rect) { mRect = rect; }
    IScaleStrip* XStrip() const { return mXStrip.Get(); }
    IScaleStrip* YStrip() const { return mYStrip.Get(); }
    GraphGraticule& Graticule() { return *mGraticule; }
    void SetGraticule(std::unique_ptr<GraphGraticule> graticule) { mGraticule = std::move(graticule); }
    bool IsImageDirty() const { return mImageDirty; }
    bool HasDrawnOnce() const { return mDrawnOnce; }
    void MarkDrawnOnce() { mDrawnOnce = true; }
    int XDragCount() const { return mXDragCount; }
    int YDragCount() const { return mYDragCount; }
    int UpdateNesting() const { return mNesting; }

    bool annotationsShown = true;
    bool queenShown = true;
    bool cursorFeedback = false;
    bool hintsWanted = false;
    bool graticuleAllowed = true;
    bool frameAndScales = true;
    bool plottersShown = true;
    bool renderAll = false;
    bool autoScaleBoth = false;
    bool xSpanForwarding = false;
    bool ySpanForwarding = false;
    int margins[4] = {60, 60, 60, 60}; // left, bottom, then two the layout does not use

protected:
    // The owner window's handle and id (0 without one).
    HWND OwnerHandle() const;
    std::uint32_t OwnerId() const;
    bool StripOverlayMode() const;

    // While positive, that axis ignores requests and its strip is repainted
    // into the image. The graph window raises and lowers them during drags.
    int mYDragCount = 0;
    int mXDragCount = 0;
    ComPtr<IUnknown> mXDragLink;
    ComPtr<IUnknown> mYDragLink;

private:
    template <class T> struct ListEntry {
        T* drawer;
        bool owns;
    };

    void GiveDrawerTheGraph(GraphDrawer& drawer) const;
    // Whether either list holds the drawer.
    bool Held(const GraphDrawer* drawer) const;
    // Removes the last entry of the drawer; deletes the drawer when that entry
    // owned it and nothing else holds it.
    template <class T> bool RemoveLast(std::vector<ListEntry<T>>& list, T* drawer);
    void SetMinSpan(bool x, double v);
    void DrawFrame(HDC dc, const RECT& plot) const;
    void DrawStrips(HDC dc, HDC attributeDc, bool intoImage, bool fillFirst, bool x, bool y) const;
    void SetTitle(IScaleStrip* strip, std::u16string& store, const std::u16string& text);
    void SetUnit(IScaleStrip* strip, std::u16string& store, const std::u16string& text);
    void SetLimits(IScaleStrip* strip, double* store, double a, double b);
    void SetBounds(IScaleStrip* strip, double* store, double a, double b);
    void SetOrigin(IScaleStrip* strip, double& store, ScaleMap& record, double v);
    void ResetScaleText(IScaleStrip* strip);
    void ForwardSpan(IScaleStrip* strip, const double* limits) const;
    void SendMinSpan(IScaleStrip* strip, const ScaleMap& record) const;

    bool mDrawnOnce = false;
    OWL::TWindow* mOwner = nullptr;
    RECT mRect{0, 0, 100, 100};
    int mNesting = 0;
    int mQueenHitTolerance = 8;
    bool mXDrives = false;
    bool mYDrives = false;
    ComPtr<IScaleStrip> mXStrip;
    ComPtr<IScaleStrip> mYStrip;
    std::unique_ptr<GraphGraticule> mGraticule = std::make_unique<GraphGraticule>();
    std::unique_ptr<ScaleMap> mXTransform = std::make_unique<ScaleMap>();
    std::unique_ptr<ScaleMap> mYTransform = std::make_unique<ScaleMap>();
    std::unique_ptr<ScaleMap> mXOrigin = std::make_unique<ScaleMap>();
    std::unique_ptr<ScaleMap> mYOrigin = std::make_unique<ScaleMap>();
    GraphDisplayInfo mDisplayInfo;
    POINT mPress{0, 0};
    int mClickTolerance = 4;
    bool mPressed = false;
    std::vector<ListEntry<GraphDrawer>> mPlotters;
    std::vector<ListEntry<Annotation>> mAnnotations;
    std::unique_ptr<QueenController> mQueens;
    double mDomain[2] = {0.0, 1.0};
    double mRange[2] = {0.0, 1.0};
    double mXLimits[2] = {0.0, 1.0};
    double mYLimits[2] = {-1.0, 1.0};
    double mXBounds[2] = {-1.0, 1.0};
    double mYBounds[2] = {-1.0, 1.0};
    bool mXMinSpanSet = false;
    bool mYMinSpanSet = false;
    ScaleMap mXSpanRecord;
    ScaleMap mYSpanRecord;
    std::u16string mXTitle = u"Units";
    std::u16string mYTitle = u"Units";
    std::u16string mXUnit;
    std::u16string mYUnit;
    bool mXScaleShown = false;
    bool mYScaleShown = false;
    MessSys::MessageSender mRedrawSender;
    MessSys::MessageSender mMouseSender;
    MessSys::MessageSender mChangeSender;
    HBITMAP mImage = nullptr;
    bool mImageDirty = true;
    std::u16string mTyped; // the last characters typed
    double mXMinSpan = 0.0;
    double mYMinSpan = 0.0;
    double mXOriginValue = 1.0;
    double mYOriginValue = 1.0;
};

} // namespace ZOzuve1

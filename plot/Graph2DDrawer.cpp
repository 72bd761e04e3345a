#include "plot/Graph2DDrawer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "controls/Fonts.h"
#include "platform/gdi/gdi.h"
#include "platform/owl/TWindow.h"
#include "platform/user/paint_api.h"
#include "plot/HostGraphService.h"

namespace ZOzuve1 {
namespace {

constexpr LONG kRefreshAll = 5;

VARIANT_BOOL ComBool(bool b) {
    return b ? VARIANT_TRUE : VARIANT_FALSE;
}

// The strip as a kind-0x43 or kind-0x40 object of the graph service.
ComPtr<IScaleStrip> MakeStrip(DWORD kind) {
    ComPtr<IUnknown> object;
    CreateHostGraphObject(object.PutVoid(), 0, 0, kind);
    return QueryInterfacePtr<IScaleStrip>(object.Get(), IID_IScaleStrip);
}

// The strip's {EBAD47D1} interface, asked for as the settings need it.
ComPtr<IScaleStrip> Settings(IScaleStrip* strip) {
    return QueryInterfacePtr<IScaleStrip>(strip, IID_IScaleStrip);
}

void Read(const double* pair, double& a, double& b) {
    a = pair[0];
    b = pair[1];
}

ScaleMap ToMap(const ScalePair& p) {
    return {p.first, p.second};
}

ScaleMap ReadTransform(IScaleStrip& strip, const RECT& rect) {
    strip.SetRect(&rect);
    ScalePair transform{1.0, 0.0};
    strip.GetTransform(&transform);
    return ToMap(transform);
}

} // namespace

Graph2DDrawer::Graph2DDrawer() {
    ResetQueenController();
    ComPtr<IScaleStrip> x = MakeStrip(kStripKindX);
    ComPtr<IScaleStrip> y = MakeStrip(kStripKindY);
    SetScaleObjects(x.Get(), y.Get(), false, false);
}

Graph2DDrawer::~Graph2DDrawer() {
    RemoveAllPlotters();
    RemoveAllAnnotations();
    if (mImage != nullptr)
        DeleteObject(mImage);
}

HWND Graph2DDrawer::OwnerHandle() const {
    return mOwner != nullptr ? mOwner->GetHandle() : nullptr;
}

std::uint32_t Graph2DDrawer::OwnerId() const {
    return mOwner != nullptr && mOwner->GetHandle() != nullptr ? static_cast<std::uint32_t>(mOwner->GetId())
                                                               : 0;
}

void Graph2DDrawer::Invalidate() {
    if (HWND hwnd = OwnerHandle())
        InvalidateRect(hwnd, nullptr, TRUE);
}

RECT Graph2DDrawer::GetPlotRect(const RECT& r) const {
    RECT p;
    p.left = r.left + margins[0];
    p.right = std::max<LONG>(r.right, p.left + 1);
    p.bottom = r.bottom - margins[1];
    p.top = std::min<LONG>(r.top, p.bottom - 1);
    return p;
}

void Graph2DDrawer::SetRect(const RECT& r, bool) {
    if (r.right - r.left < 1 || r.bottom - r.top < 1)
        return;
    mImageDirty = true;
    const RECT p = GetPlotRect(r);
    if (mXStrip)
        SetXPixelTransform(ReadTransform(*mXStrip.Get(), RECT{p.left, p.bottom, p.right, r.bottom}));
    if (mYStrip)
        SetYPixelTransform(ReadTransform(*mYStrip.Get(), RECT{r.left, p.top, p.left, p.bottom}));
    const int w = p.right - p.left;
    const int h = p.bottom - p.top;
    for (const auto& e : mPlotters)
        e.drawer->SetPixelSize(w, h);
    for (const auto& e : mAnnotations)
        e.drawer->SetPixelSize(w, h);
    mQueens->SetPixelSize(w, h); // and each of its markers
}

void Graph2DDrawer::SetDisplayInfo(const GraphDisplayInfo& info) {
    mDisplayInfo = info;
    mGraticule->SetDisplayInfo(info);
}

// Domain and range.

void Graph2DDrawer::GetDomain(double& x0, double& x1) const {
    Read(mDomain, x0, x1);
}

void Graph2DDrawer::GetRange(double& y0, double& y1) const {
    Read(mRange, y0, y1);
}

void Graph2DDrawer::GetXScaleLimits(double& a, double& b) const {
    Read(mXLimits, a, b);
}

void Graph2DDrawer::GetYScaleLimits(double& a, double& b) const {
    Read(mYLimits, a, b);
}

void Graph2DDrawer::GetXScaleBounds(double& a, double& b) const {
    Read(mXBounds, a, b);
}

void Graph2DDrawer::GetYScaleBounds(double& a, double& b) const {
    Read(mYBounds, a, b);
}

void Graph2DDrawer::SetDomain(double x0, double x1) {
    if (mXDragCount > 0)
        return;
    if (mXStrip) {
        const ScalePair interval{x1, x0};
        mXStrip->SetInterval(&interval);
        if (xSpanForwarding)
            if (auto span = QueryInterfacePtr<IScaleStripSpan>(mXStrip.Get(), IID_IScaleStripSpan))
                span->SetSpan(x1 - x0, x0);
        if (mXDrives)
            return;
    }
    ApplyDomain(x0, x1);
}

void Graph2DDrawer::SetRange(double y0, double y1) {
    if (mYDragCount > 0)
        return;
    if (mYStrip) {
        const ScalePair interval{y1, y0};
        mYStrip->SetInterval(&interval);
        if (ySpanForwarding)
            if (auto span = QueryInterfacePtr<IScaleStripSpan>(mYStrip.Get(), IID_IScaleStripSpan))
                span->SetSpan(y1 - y0, y0);
        if (mYDrives)
            return;
    }
    ApplyRange(y0, y1);
}

void Graph2DDrawer::ApplyDomain(double x0, double x1) {
    mDomain[0] = x0;
    mDomain[1] = x1;
    OnDomainApplied();
    for (const auto& e : mPlotters) {
        e.drawer->SetXExtent(x0, x1);
        if (auto* plotter = dynamic_cast<Plotter*>(e.drawer))
            plotter->SetAlwaysRedraw(true);
    }
    for (const auto& e : mAnnotations)
        e.drawer->SetXExtent(x0, x1);
    mQueens->SetXExtent(x0, x1);
    Invalidate();
    mChangeSender.Send(MsgGraph2DDrawerOnDomainChanged(OwnerId()));
}

void Graph2DDrawer::ApplyRange(double y0, double y1) {
    mRange[0] = y0;
    mRange[1] = y1;
    OnRangeApplied();
    for (const auto& e : mPlotters) {
        e.drawer->SetYExtent(y0, y1);
        if (auto* plotter = dynamic_cast<Plotter*>(e.drawer))
            plotter->SetAlwaysRedraw(true);
    }
    for (const auto& e : mAnnotations)
        e.drawer->SetYExtent(y0, y1);
    mQueens->SetYExtent(y0, y1);
    Invalidate();
    mChangeSender.Send(MsgGraph2DDrawerOnRangeChanged(OwnerId()));
}

void Graph2DDrawer::ShowXScale(bool show) {
    if (!mXStrip)
        return;
    mXStrip->Show(ComBool(show));
    mXScaleShown = show;
}

void Graph2DDrawer::ShowYScale(bool show) {
    if (!mYStrip)
        return;
    mYStrip->Show(ComBool(show));
    mYScaleShown = show;
}

void Graph2DDrawer::SendMinSpan(IScaleStrip* strip, const ScaleMap& record) const {
    if (auto s = Settings(strip)) {
        const ScalePair pair{record.scale, record.offset};
        s->SetMinSpan(&pair);
    }
}

void Graph2DDrawer::SetMinSpan(bool x, double v) {
    (x ? mXMinSpan : mYMinSpan) = v;
    if (mDrawnOnce) {
        ScaleMap& record = x ? mXSpanRecord : mYSpanRecord;
        record = {v, 0.0};
        (x ? mXMinSpanSet : mYMinSpanSet) = true;
        SendMinSpan(x ? mXStrip.Get() : mYStrip.Get(), record);
    }
    const double* bounds = x ? mXBounds : mYBounds;
    const double b0 = bounds[0];
    const double b1 = bounds[1];
    if (std::abs(b1 - b0) < v) {
        if (x)
            SetXScaleBounds(b0, b0 + v);
        else
            SetYScaleBounds(b0, b0 + v);
    }
    const double* interval = x ? mDomain : mRange;
    const double d0 = interval[0];
    if (std::abs(interval[1] - d0) < v) {
        const double start = d0 + v <= b1 ? d0 : b0;
        if (x)
            SetDomain(start, start + v);
        else
            SetRange(start, start + v);
    }
}

void Graph2DDrawer::SetXMinSpan(double v) {
    SetMinSpan(true, v);
}

void Graph2DDrawer::SetYMinSpan(double v) {
    SetMinSpan(false, v);
}

// Axis and scale settings.

void Graph2DDrawer::SetTitle(IScaleStrip* strip, std::u16string& store, const std::u16string& text) {
    store = text;
    if (strip != nullptr)
        strip->SetOriginAndTitle(nullptr, store.c_str());
}

void Graph2DDrawer::SetUnit(IScaleStrip* strip, std::u16string& store, const std::u16string& text) {
    store = text;
    if (strip != nullptr)
        strip->SetUnit(store.c_str());
}

void Graph2DDrawer::SetLimits(IScaleStrip* strip, double* store, double a, double b) {
    store[0] = a;
    store[1] = b;
    if (auto s = Settings(strip)) {
        const ScalePair pair{b, a};
        s->SetLimits(&pair);
    }
}

void Graph2DDrawer::SetBounds(IScaleStrip* strip, double* store, double a, double b) {
    store[0] = a;
    store[1] = b;
    if (auto s = Settings(strip))
        s->SetBounds(b, a);
}

void Graph2DDrawer::SetOrigin(IScaleStrip* strip, double& store, ScaleMap& record, double v) {
    store = v;
    record = {v, 0.0};
    if (strip != nullptr) {
        const ScalePair pair{v, 0.0};
        strip->SetOriginAndTitle(&pair, nullptr);
    }
}

void Graph2DDrawer::SetXAxisTitle(const std::u16string& text) {
    SetTitle(mXStrip.Get(), mXTitle, text);
}

void Graph2DDrawer::SetYAxisTitle(const std::u16string& text) {
    SetTitle(mYStrip.Get(), mYTitle, text);
}

void Graph2DDrawer::SetXAxisUnit(const std::u16string& text) {
    SetUnit(mXStrip.Get(), mXUnit, text);
}

void Graph2DDrawer::SetYAxisUnit(const std::u16string& text) {
    SetUnit(mYStrip.Get(), mYUnit, text);
}

void Graph2DDrawer::SetXScaleLimits(double a, double b) {
    SetLimits(mXStrip.Get(), mXLimits, a, b);
}

void Graph2DDrawer::SetYScaleLimits(double a, double b) {
    SetLimits(mYStrip.Get(), mYLimits, a, b);
}

void Graph2DDrawer::SetXScaleBounds(double a, double b) {
    SetBounds(mXStrip.Get(), mXBounds, a, b);
}

void Graph2DDrawer::SetYScaleBounds(double a, double b) {
    SetBounds(mYStrip.Get(), mYBounds, a, b);
}

void Graph2DDrawer::SetXScaleOrigin(double v) {
    SetOrigin(mXStrip.Get(), mXOriginValue, *mXOrigin, v);
}

void Graph2DDrawer::SetYScaleOrigin(double v) {
    SetOrigin(mYStrip.Get(), mYOriginValue, *mYOrigin, v);
}

void Graph2DDrawer::SetXScaleStyleBit() {
    if (auto s = Settings(mXStrip.Get())) {
        DWORD style = 0;
        s->GetStyle(&style);
        s->SetStyle(style | kStripStyleBit200);
    }
}

void Graph2DDrawer::SetYScaleStyleBit() {
    if (auto s = Settings(mYStrip.Get())) {
        DWORD style = 0;
        s->GetStyle(&style);
        s->SetStyle(style | kStripStyleBit200);
    }
}

LONG Graph2DDrawer::GetXScaleProperty() const {
    LONG value = UiPointSize();
    if (auto p = QueryInterfacePtr<IScaleStripProperty>(mXStrip.Get(), IID_IScaleStripProperty))
        p->GetProperty(&value);
    return value;
}

void Graph2DDrawer::RefreshScaleObjects() {
    if (mXStrip)
        mXStrip->Refresh(kRefreshAll);
    if (mYStrip)
        mYStrip->Refresh(kRefreshAll);
    SetRect(mRect, false);
}

void Graph2DDrawer::ResetScaleText(IScaleStrip* strip) {
    if (strip == nullptr)
        return;
    ScalePair origin{1.0, 0.0};
    BSTR title = nullptr;
    strip->GetOriginAndTitle(&origin, &title);
    strip->SetOriginAndTitle(&origin, title != nullptr ? title : u"");
    SysFreeString(title);
}

void Graph2DDrawer::ResetXScaleText() {
    ResetScaleText(mXStrip.Get());
}

void Graph2DDrawer::ResetYScaleText() {
    ResetScaleText(mYStrip.Get());
}

void Graph2DDrawer::SetScaleObjects(IScaleStrip* x, IScaleStrip* y, bool xDrives, bool yDrives) {
    mXDrives = xDrives;
    mYDrives = yDrives;
    mXStrip = ComPtr<IScaleStrip>(x);
    mYStrip = ComPtr<IScaleStrip>(y);
    ++mNesting;
    SetXScaleOrigin(mXOriginValue);
    SetYScaleOrigin(mYOriginValue);
    --mNesting;
    ApplyScaleSettings();
}

void Graph2DDrawer::ForwardSpan(IScaleStrip* strip, const double* limits) const {
    if (auto span = QueryInterfacePtr<IScaleStripSpan>(strip, IID_IScaleStripSpan))
        span->SetSpan(limits[1] - limits[0], limits[0]);
}

void Graph2DDrawer::ApplyScaleSettings() {
    ++mNesting;
    if (mXStrip && mYStrip) {
        SetXAxisTitle(mXTitle);
        SetYAxisTitle(mYTitle);
        SetXAxisUnit(mXUnit);
        SetYAxisUnit(mYUnit);
        SetXScaleBounds(mXBounds[0], mXBounds[1]);
        SetYScaleBounds(mYBounds[0], mYBounds[1]);
        SetXScaleLimits(mXLimits[0], mXLimits[1]);
        SetYScaleLimits(mYLimits[0], mYLimits[1]);
        if (mXMinSpanSet)
            SendMinSpan(mXStrip.Get(), mXSpanRecord);
        if (mYMinSpanSet)
            SendMinSpan(mYStrip.Get(), mYSpanRecord);
        if (xSpanForwarding)
            ForwardSpan(mXStrip.Get(), mXLimits);
        if (ySpanForwarding)
            ForwardSpan(mYStrip.Get(), mYLimits);
        SetXMinSpan(mXMinSpan);
        SetYMinSpan(mYMinSpan);
    }
    --mNesting;
    SetDomain(mDomain[0], mDomain[1]);
    SetRange(mRange[0], mRange[1]);
}

void Graph2DDrawer::SetYScaleOriginRecord(const ScaleMap& record) {
    *mYOrigin = record;
    Invalidate();
}

void Graph2DDrawer::SetXScaleOriginRecord(const ScaleMap& record) {
    *mXOrigin = record;
    Invalidate();
}

void Graph2DDrawer::SetXPixelTransform(const ScaleMap& record) {
    *mXTransform = record;
    Invalidate();
}

void Graph2DDrawer::SetYPixelTransform(const ScaleMap& record) {
    *mYTransform = record;
    Invalidate();
}

// Lists.

void Graph2DDrawer::GiveDrawerTheGraph(GraphDrawer& drawer) const {
    drawer.SetXExtent(mDomain[0], mDomain[1]);
    drawer.SetYExtent(mRange[0], mRange[1]);
    drawer.SetMap(Axis::X, mXTransform.get());
    drawer.SetMap(Axis::Y, mYTransform.get());
    drawer.SetOrigin(Axis::X, mXOrigin.get());
    drawer.SetOrigin(Axis::Y, mYOrigin.get());
    const RECT p = GetPlotRect(mRect);
    drawer.SetPixelSize(std::abs(p.right - p.left), std::abs(p.bottom - p.top));
}

bool Graph2DDrawer::Held(const GraphDrawer* drawer) const {
    return std::any_of(mPlotters.begin(), mPlotters.end(),
                       [drawer](const auto& e) { return e.drawer == drawer; }) ||
           std::any_of(mAnnotations.begin(), mAnnotations.end(),
                       [drawer](const auto& e) { return e.drawer == drawer; });
}

template <class T> bool Graph2DDrawer::RemoveLast(std::vector<ListEntry<T>>& list, T* drawer) {
    auto last =
        std::find_if(list.rbegin(), list.rend(), [drawer](const auto& e) { return e.drawer == drawer; });
    if (last == list.rend())
        return false;
    const bool owns = last->owns;
    list.erase(std::next(last).base());
    // An earlier entry of the same drawer takes over its ownership.
    auto earlier =
        std::find_if(list.rbegin(), list.rend(), [drawer](const auto& e) { return e.drawer == drawer; });
    if (earlier != list.rend())
        earlier->owns = earlier->owns || owns;
    else if (owns && !Held(drawer))
        delete drawer;
    return true;
}

bool Graph2DDrawer::AddPlotter(GraphDrawer* drawer, bool owns) {
    if (drawer == nullptr)
        return false;
    GiveDrawerTheGraph(*drawer);
    mPlotters.push_back({drawer, owns});
    mImageDirty = true;
    return true;
}

bool Graph2DDrawer::RemovePlotter(GraphDrawer* drawer) {
    if (!RemoveLast(mPlotters, drawer))
        return false;
    mImageDirty = true;
    return true;
}

bool Graph2DDrawer::RemoveAllPlotters() {
    if (mPlotters.empty())
        return false;
    while (!mPlotters.empty())
        RemoveLast(mPlotters, mPlotters.back().drawer);
    mImageDirty = true;
    return true;
}

GraphDrawer* Graph2DDrawer::PlotterAt(int i) const {
    return i >= 0 && i < PlotterCount() ? mPlotters[static_cast<std::size_t>(i)].drawer : nullptr;
}

bool Graph2DDrawer::AddAnnotation(Annotation* annotation, bool owns) {
    if (annotation == nullptr)
        return false;
    GiveDrawerTheGraph(*annotation);
    mAnnotations.push_back({annotation, owns});
    return true;
}

bool Graph2DDrawer::RemoveAnnotation(Annotation* annotation) {
    return RemoveLast(mAnnotations, annotation);
}

bool Graph2DDrawer::RemoveAllAnnotations() {
    if (mAnnotations.empty())
        return false;
    while (!mAnnotations.empty())
        RemoveLast(mAnnotations, mAnnotations.back().drawer);
    return true;
}

Annotation* Graph2DDrawer::AnnotationAt(int i) const {
    return i >= 0 && i < AnnotationCount() ? mAnnotations[static_cast<std::size_t>(i)].drawer : nullptr;
}

// Markers.

bool Graph2DDrawer::AddQueen(Queen* queen, bool owns) {
    return queen != nullptr && mQueens->AddQueen(queen, owns);
}

bool Graph2DDrawer::RemoveQueen(Queen* queen) {
    return mQueens->RemoveQueen(queen);
}

void Graph2DDrawer::ResetQueenController() {
    mQueens = std::make_unique<QueenController>();
    mQueens->SetHitTolerance(mQueenHitTolerance);
    GiveDrawerTheGraph(*mQueens);
}

void Graph2DDrawer::SetQueenState(int state) {
    mQueens->SetQueenState(state);
}

} // namespace ZOzuve1

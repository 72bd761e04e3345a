// Painting of the graph drawer: the off-screen image, the redraw messages and
// printing.

#include "platform/gdi/gdi.h"
#include "plot/Graph2DDrawer.h"

namespace ZOzuve1 {
namespace {

RECT Offset(RECT r, LONG dx, LONG dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void FillWhite(HDC dc, const RECT& r) {
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

// Moves the viewport origin so that the drawer's coordinates (those of the
// strips' rectangles) land where target is drawn, for the scope.
class ViewportShift {
public:
    ViewportShift(HDC dc, const RECT& drawer, const RECT& target) : mDc(dc) {
        GetViewportOrgEx(dc, &mOld);
        SetViewportOrgEx(dc, mOld.x + target.left - drawer.left, mOld.y + target.top - drawer.top, nullptr);
    }
    ~ViewportShift() { SetViewportOrgEx(mDc, mOld.x, mOld.y, nullptr); }
    ViewportShift(const ViewportShift&) = delete;
    ViewportShift& operator=(const ViewportShift&) = delete;

private:
    HDC mDc;
    POINT mOld{0, 0};
};

} // namespace

bool Graph2DDrawer::StripOverlayMode() const {
    const auto overlay = [](IScaleStrip* strip) {
        auto s = QueryInterfacePtr<IScaleStrip>(strip, IID_IScaleStrip);
        DWORD style = 0;
        return s && SUCCEEDED(s->GetStyle(&style)) && (style & kStripStyleOverlay) != 0;
    };
    return overlay(mXStrip.Get()) && overlay(mYStrip.Get());
}

void Graph2DDrawer::DrawFrame(HDC dc, const RECT& p) const {
    MoveToEx(dc, p.left, p.top, nullptr);
    LineTo(dc, p.left, p.bottom - 1);
    LineTo(dc, p.right, p.bottom - 1);
}

// Each strip chosen draws itself at its rectangle, optionally filled white first.
void Graph2DDrawer::DrawStrips(HDC dc, HDC attributeDc, bool intoImage, bool fillFirst, bool x,
                               bool y) const {
    for (IScaleStrip* strip : {x ? mXStrip.Get() : nullptr, y ? mYStrip.Get() : nullptr}) {
        if (strip == nullptr)
            continue;
        if (fillFirst)
            if (auto ticks = QueryInterfacePtr<IScaleStripTicks>(strip, IID_IScaleStripTicks)) {
                RECT r{};
                ticks->GetStripRect(&r);
                FillWhite(dc, r);
            }
        strip->Draw(dc, attributeDc, intoImage ? VARIANT_TRUE : VARIANT_FALSE);
    }
}

void Graph2DDrawer::Paint(HDC dc, bool erase, const RECT& rect) {
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0)
        return;
    const bool overlay = StripOverlayMode();
    if (renderAll) {
        if (!overlay) {
            FillWhite(dc, rect);
            return;
        }
        mImageDirty = true;
    }
    HDC memory = CreateCompatibleDC(dc);
    const RECT local{0, 0, w, h};
    const RECT plot = GetPlotRect(rect);
    const RedrawInfo info{w, h, plot, mDomain[0], mDomain[1], mRange[0], mRange[1]};
    mRedrawSender.Send(MsgGraph2DDrawerNotifyBeginRedraw(OwnerId(), &info));
    for (const auto& e : mAnnotations)
        e.drawer->ForgetMark();

    SIZE dimension{0, 0};
    if (mImage != nullptr &&
        (!GetBitmapDimensionEx(mImage, &dimension) || dimension.cx != w || dimension.cy != h)) {
        DeleteObject(mImage);
        mImage = nullptr;
    }
    if (mImage == nullptr) {
        mImage = CreateBitmap(w, h, static_cast<UINT>(GetDeviceCaps(dc, PLANES)),
                              static_cast<UINT>(GetDeviceCaps(dc, BITSPIXEL)), nullptr);
        SetBitmapDimensionEx(mImage, w, h, nullptr);
        mImageDirty = true;
    }
    bool rebuild = mImageDirty;
    for (const auto& e : mPlotters) {
        auto* plotter = dynamic_cast<Plotter*>(e.drawer);
        if (plotter == nullptr || !plotter->IsVisible())
            continue;
        if (plotter->NeedsRedraw())
            mImageDirty = rebuild = true;
        if (plotter->IsDataChanged())
            rebuild = true;
    }

    HGDIOBJ old = SelectObject(memory, mImage);
    if (!renderAll && rebuild) {
        DrawContents(memory, memory, erase, local);
        mImageDirty = false;
    } else if (overlay && frameAndScales) {
        if (renderAll) {
            FillWhite(memory, local);
            DrawFrame(memory, Offset(plot, -rect.left, -rect.top));
        }
        if (mXDragCount > 0 || mYDragCount > 0 || renderAll) {
            ViewportShift shift(memory, mRect, local);
            DrawStrips(memory, nullptr, true, true, mXDragCount > 0 || renderAll,
                       mYDragCount > 0 || renderAll);
        }
    }
    BitBlt(dc, rect.left, rect.top, w, h, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);

    if (queenShown)
        mQueens->Draw(dc, dc, plot, rect);
    if (annotationsShown)
        DrawAnnotations(dc, dc, plot, rect);
    mRedrawSender.Send(MsgGraph2DDrawerNotifyEndRedraw(OwnerId()));
}

void Graph2DDrawer::DrawContents(HDC dc, HDC attributeDc, bool erase, const RECT& rect) {
    if (!mDrawnOnce) {
        OnFirstDraw();
        mDrawnOnce = true;
    }
    if (erase)
        FillWhite(dc, rect);
    const RECT plot = GetPlotRect(rect);
    const RECT area = rect;
    if (frameAndScales && StripOverlayMode()) {
        ViewportShift shift(dc, mRect, rect);
        DrawStrips(dc, nullptr, true, false, true, true);
    }
    if (mDisplayInfo.shown && graticuleAllowed) {
        mGraticule->SetDisplayInfo(mDisplayInfo);
        IUnknown* x = mXDragCount > 0 && mXDragLink ? mXDragLink.Get() : mXStrip.Get();
        IUnknown* y = mYDragCount > 0 && mYDragLink ? mYDragLink.Get() : mYStrip.Get();
        mGraticule->SetScaleObjects(x, y);
        mGraticule->SetRect(plot);
        mGraticule->Draw(dc, attributeDc, nullptr);
    }
    if (frameAndScales)
        DrawFrame(dc, plot);
    if (plottersShown)
        DrawPlotters(dc, attributeDc, plot, area);
}

void Graph2DDrawer::DrawPlotters(HDC dc, HDC attributeDc, const RECT& plot, const RECT& area) {
    for (const auto& e : mPlotters)
        if (e.drawer->IsVisible())
            e.drawer->Draw(dc, attributeDc, plot, area);
}

void Graph2DDrawer::DrawAnnotations(HDC dc, HDC attributeDc, const RECT& plot, const RECT& area) {
    for (const auto& e : mAnnotations)
        e.drawer->Draw(dc, attributeDc, plot, area);
}

void Graph2DDrawer::Print(HDC dc, HDC attributeDc, const RECT& rect) {
    // The strips and transforms fit the printed rectangle while it is drawn,
    // then the graph on the screen gets its own back.
    const RECT screen = mRect;
    mRect = rect;
    SetRect(rect, false);
    const bool strips = frameAndScales && mXStrip && mYStrip;
    if (strips)
        DrawStrips(dc, attributeDc, false, false, true, true);
    DrawContents(dc, attributeDc, true, rect);
    const RECT plot = GetPlotRect(rect);
    if (queenShown)
        mQueens->Draw(dc, attributeDc, plot, rect);
    if (annotationsShown)
        DrawAnnotations(dc, attributeDc, plot, rect);
    if (strips)
        DrawStrips(dc, attributeDc, false, false, true, true);
    mRect = screen;
    SetRect(mRect, false);
}

} // namespace ZOzuve1

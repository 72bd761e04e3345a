#include "panes/ChildPaneBase.h"

#include <algorithm>
#include <vector>

#include "platform/user/rect_api.h"
#include "platform/win32/com_ptr.h"

namespace StrevDraw {

namespace {

bool IsEmpty(const RECT& r) {
    return r.left >= r.right;
}

DWORD KindOf(IStrevRecordDrawer* drawer) {
    DWORD kind = 0;
    drawer->GetKind(&kind);
    return kind;
}

// Saves the clip region of a device context once, intersects it with rectangles and
// puts it back.
class ClipGuard {
public:
    explicit ClipGuard(HDC dc) : mDc(dc) {}
    ~ClipGuard() { Restore(); }
    ClipGuard(const ClipGuard&) = delete;
    ClipGuard& operator=(const ClipGuard&) = delete;

    void Intersect(const RECT& r) {
        if (!mSaved) {
            mRegion = CreateRectRgn(0, 0, 0, 0);
            mHadClip = GetClipRgn(mDc, mRegion) == 1;
            mSaved = true;
        }
        IntersectClipRect(mDc, r.left, r.top, r.right, r.bottom);
    }
    void Restore() {
        if (!mSaved)
            return;
        SelectClipRgn(mDc, mHadClip ? mRegion : nullptr);
        DeleteObject(mRegion);
        mSaved = false;
    }

private:
    HDC mDc;
    HRGN mRegion = nullptr;
    bool mSaved = false;
    bool mHadClip = false;
};

} // namespace

LayerBitmap::LayerBitmap(HDC reference, const RECT& rect)
    : mWidth(rect.right - rect.left), mHeight(rect.bottom - rect.top) {
    mDc = CreateCompatibleDC(reference);
    // A colour bitmap whatever the reference holds (a memory context starts with a monochrome one).
    mBitmap = CreateBitmap(std::max(mWidth, 1), std::max(mHeight, 1), 1, 32, nullptr);
    mOld = SelectObject(mDc, mBitmap);
    SetViewportOrgEx(mDc, -rect.left, 0, nullptr);
}

LayerBitmap::~LayerBitmap() {
    SelectObject(mDc, mOld);
    DeleteObject(mBitmap);
    DeleteDC(mDc);
}

void AddDirtyRange(Layer& layer, const RECT& pane, LONG from, LONG to, bool cached) {
    if (from >= to)
        return;
    if (IsEmpty(layer.dirty)) {
        layer.dirty.left = from;
        layer.dirty.right = to;
    } else {
        layer.dirty.left = std::min(layer.dirty.left, from);
        layer.dirty.right = std::max(layer.dirty.right, to);
    }
    layer.dirty.top = pane.top;
    layer.dirty.bottom = pane.bottom;
    if (cached)
        layer.flags = (layer.flags | kLayerNeedsRedraw) & ~kLayerDrawn;
}

namespace {

void ShiftRange(RECT& r, int dx, const RECT& pane) {
    if (IsEmpty(r))
        return;
    r.left += dx;
    r.right += dx;
    if (dx <= 0) {
        r.left = std::max(r.left, pane.left);
        r.right = std::max(r.right, pane.left);
    } else {
        r.left = std::min(r.left, pane.right);
        r.right = std::min(r.right, pane.right);
    }
}

} // namespace

void ScrollLayer(Layer& layer, const RECT& pane, int dx, bool useBitmap) {
    if (layer.first == layer.end)
        return;
    const bool opaque = useBitmap && layer.alpha == 255;
    const int width = pane.right - pane.left;
    const int height = pane.bottom - pane.top;
    if (opaque && layer.memory) {
        HDC dc = layer.memory->Dc();
        POINT old{};
        SetViewportOrgEx(dc, 0, 0, &old);
        // Source and destination overlap inside one bitmap.
        if (dx <= 0)
            BitBlt(dc, 0, 0, width + dx, height, dc, -dx, 0, SRCCOPY);
        else
            BitBlt(dc, dx, 0, width - dx, height, dc, 0, 0, SRCCOPY);
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
    }
    ShiftRange(layer.dirty, dx, pane);
    if (!opaque && layer.translucent)
        ShiftRange(*layer.translucent, dx, pane);
    LONG from = 0, to = 0;
    if (dx <= 0) {
        from = pane.left + width + dx;
        to = pane.left + width;
    } else {
        from = pane.left;
        to = pane.left + dx;
    }
    AddDirtyRange(layer, pane, from, to, (layer.flags & kLayerCached) != 0);
}

ChildPaneBase::ChildPaneBase(LaneOwner* owner, LONG lane) : mLane(lane), mOwner(owner), mDrawers(0, 8) {}

ChildPaneBase::~ChildPaneBase() = default;

HRESULT ChildPaneBase::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    return Ovo::QueryInterfaceMap({{IID_IDragScaleObserver, static_cast<IDragScaleObserver*>(this)}}, iid,
                                  out);
}

void ChildPaneBase::SetLayout(DWORD tag, POINT origin, const RECT& rect, int, int, int) {
    mTag = tag;
    mOrigin = origin;
    Layer& base = mLayers[0];
    base.flags &= ~kLayerTransparent;
    if (mOwner->DrawsBuffered())
        base.flags = (base.flags | kLayerCached | kLayerNeedsRedraw) & ~kLayerDrawn;
    else
        base.flags &= ~kLayerCached;
    mRect = rect;
    for (Layer& layer : mLayers) {
        if (!(layer.flags & kLayerCached)) {
            layer.memory.reset();
            continue;
        }
        if (!layer.memory || layer.memory->Width() != rect.right - rect.left ||
            layer.memory->Height() != rect.bottom - rect.top)
            layer.memory = std::make_shared<LayerBitmap>(nullptr, rect);
    }
    mLayoutRect = rect;
    MarkDirty();
    if (mOwner->TakeNewRecordFlag())
        mOwner->MarkAllLanesDirty();
    mOwner->InvalidateLane(mRect);
}

void ChildPaneBase::MarkDirty() {
    for (Layer& layer : mLayers) {
        layer.dirty = mLayoutRect;
        layer.flags = (layer.flags | kLayerNeedsRedraw) & ~kLayerDrawn;
    }
}

void ChildPaneBase::ClearDirty() {
    for (Layer& layer : mLayers) {
        layer.dirty = {};
        layer.flags &= ~kLayerNeedsRedraw;
    }
}

HRESULT ChildPaneBase::BroadcastColours(IUnknown* document, LONG a, LONG channel) {
    for (std::uint32_t i = 0; i < mDrawers.GetCount(); ++i)
        mDrawers.GetAt(i)->UpdateColours(document, a, channel);
    return S_OK;
}

HRESULT ChildPaneBase::AddDrawer(int cacheRequest, IStrevRecordDrawer* drawer, DWORD alpha) {
    if (!drawer)
        return E_POINTER;
    drawer->SetScale(mOwner->DrawerData());
    drawer->SetOrder(0, mLane);
    drawer->SetBounds(mTag, &mRect);
    mDrawers.Add(drawer);
    auto** begin = reinterpret_cast<IStrevRecordDrawer**>(mDrawers.ElementAt(0));
    std::stable_sort(begin, begin + mDrawers.GetCount(),
                     [](IStrevRecordDrawer* a, IStrevRecordDrawer* b) { return KindOf(a) < KindOf(b); });
    const DWORD layer = KindOf(drawer) / 256;
    if (cacheRequest < 0 && mOwner->DrawsBuffered() && layer < kLayerCount) {
        Layer& l = mLayers[layer];
        l.flags = (l.flags | kLayerCached | kLayerNeedsRedraw) & ~kLayerDrawn;
        l.alpha = alpha;
        if (!l.memory && !IsEmpty(mRect))
            l.memory = std::make_shared<LayerBitmap>(nullptr, mRect);
    }
    RebuildLayerRanges();
    mOverhangsStale = true;
    return S_OK;
}

void ChildPaneBase::RebuildLayerRanges() {
    for (Layer& layer : mLayers)
        layer.first = layer.end = -1;
    for (std::uint32_t i = 0; i < mDrawers.GetCount(); ++i) {
        const DWORD index = KindOf(mDrawers.GetAt(i)) / 256;
        if (index >= kLayerCount)
            continue;
        Layer& layer = mLayers[index];
        if (layer.first == -1)
            layer.first = static_cast<LONG>(i);
        layer.end = static_cast<LONG>(i) + 1;
    }
}

HRESULT ChildPaneBase::RemoveDrawers(DWORD mask, ChannelPair pair) {
    const bool anyChannel = pair == ChannelPair{};
    if (mask == 0 && anyChannel) {
        mDrawers.Resize(0);
    } else {
        for (std::uint32_t i = mDrawers.GetCount(); i-- > 0;) {
            IStrevRecordDrawer* drawer = mDrawers.GetAt(i);
            DWORD layout = 0;
            drawer->GetLayout(mOwner->DrawerData(), &layout, nullptr, nullptr);
            ChannelPair shown;
            drawer->GetDisplayChannel(&shown);
            if ((mask == 0 || (layout & mask) != 0) && (anyChannel || shown == pair))
                mDrawers.RemoveAt(i);
        }
    }
    // The layers index the drawer list: they must not outlive a removal.
    RebuildLayerRanges();
    mOverhangsStale = true;
    return S_OK;
}

HRESULT ChildPaneBase::InvalidateDrawers(DWORD what) {
    for (std::uint32_t i = 0; i < mDrawers.GetCount(); ++i)
        mDrawers.GetAt(i)->Invalidate(what);
    return S_OK;
}

HRESULT ChildPaneBase::Refresh(DWORD what) {
    if (mOwner->IsSampling())
        mOwner->InvalidateLane(mRect);
    for (std::uint32_t i = 0; i < mDrawers.GetCount(); ++i)
        mDrawers.GetAt(i)->Refresh(what);
    return S_OK;
}

HRESULT ChildPaneBase::ActivateDrawers(DWORD_PTR pane, bool on) {
    for (std::uint32_t i = 0; i < mDrawers.GetCount(); ++i)
        mDrawers.GetAt(i)->Activate(pane, on ? 0xFFFF : 0);
    return S_OK;
}

HRESULT ChildPaneBase::DeactivateDrawers(LONG a, LONG b) {
    for (std::uint32_t i = 0; i < mDrawers.GetCount(); ++i)
        mDrawers.GetAt(i)->Deactivate(a, b);
    return S_OK;
}

void ChildPaneBase::SetDrawerSource(LONG first, IUnknown* source) {
    if (first >= 0) {
        mDrawers.Resize(0);
        RebuildLayerRanges();
        mOverhangsStale = true;
        return;
    }
    for (std::uint32_t i = 0; i < mDrawers.GetCount(); ++i)
        mDrawers.GetAt(i)->SetSource(first, source);
}

void ChildPaneBase::MeasureOverhangs() {
    mLeftOverhang = mRightOverhang = 0;
    for (std::uint32_t i = 0; i < mDrawers.GetCount(); ++i) {
        IStrevRecordDrawer* drawer = mDrawers.GetAt(i);
        if (KindOf(drawer) >= 2048)
            continue;
        DWORD layer = 0;
        LONG left = 0, right = 0;
        drawer->GetLayout(mOwner->DrawerData(), &layer, &left, &right);
        mLeftOverhang = std::max(mLeftOverhang, left);
        mRightOverhang = std::max(mRightOverhang, right);
    }
    mOverhangsStale = false;
}

void ChildPaneBase::GetUpdateExtent(HRGN update, DWORD flags, LONG& left, LONG& right) {
    RECT extent = mRect;
    if (!(flags & kDrawAll)) {
        if (flags & kDrawBuffered) {
            RECT all{};
            for (const Layer& layer : mLayers) {
                if (IsEmpty(layer.dirty))
                    continue;
                if (IsEmpty(all))
                    all = layer.dirty;
                else
                    UnionRect(&all, &all, &layer.dirty);
            }
            extent = all;
        } else if (update) {
            HRGN lane = CreateRectRgnIndirect(&mRect);
            CombineRgn(lane, lane, update, RGN_AND);
            GetRgnBox(lane, &extent);
            DeleteObject(lane);
            for (Layer& layer : mLayers)
                AddDirtyRange(layer, mRect, extent.left, extent.right, (layer.flags & kLayerCached) != 0);
        }
    }
    if (mOverhangsStale)
        MeasureOverhangs();
    left = extent.left - mLeftOverhang;
    right = extent.right + mRightOverhang;
}

void ChildPaneBase::Draw(HDC dc, const LaneDrawArgs& args, std::uint8_t layerSet, int fromLayer,
                         int toLayer) {
    if (mRect.bottom <= mRect.top)
        return;
    if (dc && !RectVisible(dc, &mRect))
        return;
    const bool wrap = mOwner->WrapsWhileSampling() && mOwner->IsSampling();
    const bool composite =
        !wrap && (mLayers[0].flags & kLayerCached) && mLayers[0].memory && (args.flags & kDrawBuffered);
    HDC target = composite ? mLayers[0].memory->Dc() : dc;
    fromLayer = std::max(fromLayer, 0);
    toLayer = std::min(toLayer, kLayerCount - 1);
    for (int i = fromLayer; i <= toLayer; ++i) {
        if (!(layerSet & (1u << i)))
            continue;
        Layer& layer = mLayers[static_cast<std::size_t>(i)];
        const bool cached = (layer.flags & kLayerCached) && layer.memory;
        if (layer.first == layer.end || IsEmpty(layer.dirty)) {
            layer.dirty = {};
            layer.flags &= ~kLayerNeedsRedraw;
        } else if (!cached || (layer.flags & kLayerNeedsRedraw)) {
            // Only the window's rows need moving to the lane; bitmaps start at the lane's top.
            DrawLayer(i, cached ? layer.memory->Dc() : target, args, cached, !cached && !composite, wrap);
            continue;
        }
        if (cached && !(layer.flags & kLayerNeedsRedraw) && !(args.flags & kDrawNoCopy) && dc) {
            HDC source = layer.memory->Dc();
            const int width = mRect.right - mRect.left, height = mRect.bottom - mRect.top;
            if (layer.flags & kLayerTransparent)
                TransparentBlt(dc, mRect.left, mRect.top, width, height, source, mRect.left, 0, width, height,
                               RGB(255, 255, 255));
            else
                BitBlt(dc, mRect.left, mRect.top, width, height, source, mRect.left, 0, SRCCOPY);
            layer.dirty = {};
            layer.flags &= ~kLayerNeedsRedraw;
        }
    }
}

void ChildPaneBase::DrawLayer(int index, HDC target, const LaneDrawArgs& args, bool intoBitmap,
                              bool intoWindow, bool wrap) {
    Layer& layer = mLayers[static_cast<std::size_t>(index)];
    DWORD flags = args.flags & ~kDrawWhiteFirst;
    if (intoBitmap && (layer.flags & kLayerTransparent) && layer.alpha == 255 &&
        !(args.flags & kDrawKeepTransparency))
        flags |= kDrawWhiteFirst;
    RECT strip = layer.dirty;
    strip.left = std::max(strip.left, args.update.left);
    strip.right = std::min(strip.right, args.update.right);
    // Drawing straight into the window: lane rows start at the lane's top.
    POINT oldOrigin{};
    const bool shiftOrigin = intoWindow && target;
    if (shiftOrigin) {
        GetWindowOrgEx(target, &oldOrigin);
        SetWindowOrgEx(target, oldOrigin.x, oldOrigin.y - mRect.top, nullptr);
    }
    if (wrap && strip.right > mRect.right) {
        const LONG width = mRect.right - mRect.left;
        RECT first = strip, second = strip;
        first.right = mRect.right;
        second.left = mRect.left;
        second.right = strip.right - width;
        DrawStrip(index, target, args, first, flags);
        LaneDrawArgs wrapped = args;
        wrapped.firstColumn -= width;
        wrapped.update.left = mRect.left;
        DrawStrip(index, target, wrapped, second, flags);
    } else {
        DrawStrip(index, target, args, strip, flags);
    }
    if (shiftOrigin)
        SetWindowOrgEx(target, oldOrigin.x, oldOrigin.y, nullptr);
    layer.flags |= kLayerDrawn;
    mDrawn |= 0xFFFF;
}

void ChildPaneBase::DrawStrip(int index, HDC target, const LaneDrawArgs& args, RECT strip, DWORD flags) {
    if (strip.left >= strip.right || !target)
        return;
    const Layer& layer = mLayers[static_cast<std::size_t>(index)];
    const LONG height = mRect.bottom - mRect.top;
    ClipGuard clip(target);
    const bool skipClip = !(layer.flags & kLayerCached) && mLane < 0 && (mOwner->OptionWord() & 0x800000u);
    if (!skipClip)
        clip.Intersect({strip.left, 0, strip.right, height});
    if (flags & kDrawWhiteFirst) {
        const RECT white{strip.left, 0, strip.right, height};
        FillRect(target, &white, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    for (LONG i = layer.first; i < layer.end; ++i) {
        IStrevRecordDrawer* drawer = mDrawers.GetAt(static_cast<std::uint32_t>(i));
        DWORD word = 0;
        LONG left = 0, right = 0;
        drawer->GetLayout(mOwner->DrawerData(), &word, &left, &right);
        if ((flags & kDrawSkipLayer30) && (word & 0x40000000u))
            continue;
        if ((word & 0x20000000u) && IsEmpty(args.update))
            continue;
        const LONG from = std::max(strip.left - left, args.update.left);
        const LONG to = std::min(strip.right + right, args.update.right);
        if (from >= to)
            continue;
        const LONGLONG shift = from - args.firstColumn;
        const RECT drawClip{strip.left, 0, strip.right, height};
        drawer->Draw(target, args.firstPosition + shift, args.firstPosition + (to - args.firstColumn),
                     args.recordOffset - shift, args.record, from, &drawClip, flags, args.layout,
                     args.recordTime);
    }
}

void ChildPaneBase::UpdateNewData(LONGLONG position, LONGLONG count, LONGLONG& latest, int mode) {
    LONGLONG end = position + count;
    for (std::uint32_t i = 0; i < mDrawers.GetCount(); ++i) {
        LONGLONG p = 0;
        if (mDrawers.GetAt(i)->GetExtent(position, count, &p) == S_OK) {
            latest = std::max(latest, p);
            end = std::min(end, p);
        }
    }
    const LONG column = mOwner->ColumnOfPosition(end);
    const bool cachedBase = (mLayers[0].flags & kLayerCached) != 0;
    if (column < mRect.right) {
        const LONG from = std::max(column, mRect.left);
        const int firstLayer = mode < 0 ? 0 : 2;
        for (int i = firstLayer; i < kLayerCount; ++i) {
            Layer& layer = mLayers[static_cast<std::size_t>(i)];
            const bool marks = mode < 0 ? i <= 3 : i <= 3;
            AddDirtyRange(layer, mRect, from, mRect.right, marks && (layer.flags & kLayerCached));
        }
    }
    if (mOwner->IsSampling() && count != 0) {
        if (mOwner->DrawsBuffered() && cachedBase) {
            if (column > mRect.left) {
                const int dx = column - mRect.right;
                if (dx < 0)
                    for (Layer& layer : mLayers)
                        ScrollLayer(layer, mRect, dx, true);
                mOwner->InvalidateLane(mRect);
            } else {
                MarkDirty();
                mOwner->InvalidateLane(mRect);
            }
        } else if (column <= mRect.left) {
            mOwner->InvalidateLane(mRect);
        } else {
            const int dx = column - mRect.right;
            if (dx < 0)
                mOwner->ScrollLaneRegion(dx, mRect);
            mOwner->InvalidateLane({column, mRect.top, mRect.right, mRect.bottom});
        }
    } else if (!mOwner->IsSampling() && mOwner->DrawsBuffered()) {
        mOwner->InvalidateLane(mRect);
    }
}

void ChildPaneBase::ComposeTo(HDC dc, const RECT& rect) {
    const int width = mRect.right - mRect.left, height = mRect.bottom - mRect.top;
    if (width <= 0 || height <= 0 || !RectVisible(dc, &mRect))
        return;
    LayerBitmap work(dc, mRect);
    DrawFrame(work.Dc(), 0);
    for (const Layer& layer : mLayers) {
        if (!layer.memory)
            continue;
        HDC source = layer.memory->Dc();
        if (layer.alpha < 255) {
            if (!layer.translucent)
                continue;
            const RECT& range = *layer.translucent;
            const RECT part{std::max(range.left, rect.left), std::max(range.top, rect.top),
                            std::min(range.right, rect.right), std::min(range.bottom, rect.bottom)};
            if (part.left >= part.right || part.top >= part.bottom)
                continue;
            const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(layer.alpha), 0};
            AlphaBlend(work.Dc(), part.left, part.top - mRect.top, part.right - part.left,
                       part.bottom - part.top, source, part.left, part.top - mRect.top,
                       part.right - part.left, part.bottom - part.top, blend);
        } else if (layer.flags & kLayerTransparent) {
            TransparentBlt(work.Dc(), mRect.left, 0, width, height, source, mRect.left, 0, width, height,
                           RGB(255, 255, 255));
        } else {
            BitBlt(work.Dc(), mRect.left, 0, width, height, source, mRect.left, 0, SRCCOPY);
        }
    }
    BitBlt(dc, mRect.left, mRect.top, width, height, work.Dc(), mRect.left, 0, SRCCOPY);
}

bool ChildPaneBase::HitTest(POINT p) const {
    return p.x >= mRect.left && p.x < mRect.right && p.y >= mRect.top && p.y < mRect.bottom;
}

namespace {

void FrameEdges(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    HBRUSH first = CreateSolidBrush(topLeft), second = CreateSolidBrush(bottomRight);
    const RECT top{r.left, r.top, r.right, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom};
    const RECT bottom{r.left, r.bottom - 1, r.right, r.bottom}, right{r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &top, first);
    FillRect(dc, &left, first);
    FillRect(dc, &bottom, second);
    FillRect(dc, &right, second);
    DeleteObject(first);
    DeleteObject(second);
}

} // namespace

void ChildPaneBase::DrawFrame(HDC dc, int flag) {
    const LONG height = mRect.bottom - mRect.top;
    if (mOwner->OptionWord() & 0x800000u) {
        RECT wide = mRect;
        InflateRect(&wide, mOwner->HorizontalMargin(), mOwner->VerticalMargin());
        if (height > 0 && flag >= 0 && RectVisible(dc, &wide)) {
            const RECT left{wide.left, wide.top, wide.left + 1, wide.bottom};
            const RECT bottom{wide.left, wide.bottom - 1, wide.right, wide.bottom};
            FillRect(dc, &left, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            FillRect(dc, &bottom, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
        return;
    }
    RECT wide = mRect;
    InflateRect(&wide, 2, 2);
    if (height > 0 && RectVisible(dc, &wide)) {
        if (mOwner->FramesSingle()) {
            RECT inner = wide;
            InflateRect(&inner, -1, -1);
            FrameEdges(dc, inner, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        } else {
            FrameEdges(dc, wide, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
            RECT inner = wide;
            InflateRect(&inner, -1, -1);
            FrameEdges(dc, inner, GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE));
        }
    } else if (height == 0) {
        HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
        FillRect(dc, &wide, face);
        DeleteObject(face);
    }
}

} // namespace StrevDraw

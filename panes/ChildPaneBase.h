#pragma once
// A lane of a data pane: it keeps its record drawers in ascending order of
// their kind, sorts them into eight layers (kind / 256), caches chosen layers
// in off-screen bitmaps, redraws only what is dirty and composes the layers
// into the window. Channel panes and the time scale derive from it.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "core/CComObjectRoot.h"
#include "core/InterfaceArray.h"
#include "panes/LaneOwner.h"
#include "platform/gdi/gdi.h"
#include "platform/vantrel/GraphService.h"
#include "platform/vantrel/IStrevRecordDrawer.h"

namespace Ovo {
class BinIStream;
class BinOStream;
} // namespace Ovo

namespace StrevDraw {

inline constexpr int kLayerCount = 8;

// Layer flags.
inline constexpr DWORD kLayerCached = 0x80000000u;
inline constexpr DWORD kLayerNeedsRedraw = 0x40000000u;
inline constexpr DWORD kLayerTransparent = 0x20000000u;
inline constexpr DWORD kLayerDrawn = 0x10000000u;

// Draw flags the lanes read.
inline constexpr DWORD kDrawBuffered = 0x4000000u;
inline constexpr DWORD kDrawWhiteFirst = 0x80000u;
inline constexpr DWORD kDrawNoCopy = 0x100000u;
inline constexpr DWORD kDrawSkipLayer30 = 0x200000u;
inline constexpr DWORD kDrawKeepTransparency = 0x10000000u;
inline constexpr DWORD kDrawAll = 0x1000000u;

// A memory device context over a bitmap of a layer's size, its origin moved so that
// drawers draw in window columns.
class LayerBitmap {
public:
    LayerBitmap(HDC reference, const RECT& rect);
    ~LayerBitmap();
    LayerBitmap(const LayerBitmap&) = delete;
    LayerBitmap& operator=(const LayerBitmap&) = delete;
    HDC Dc() const { return mDc; }
    int Width() const { return mWidth; }
    int Height() const { return mHeight; }

private:
    HDC mDc = nullptr;
    HBITMAP mBitmap = nullptr;
    HGDIOBJ mOld = nullptr;
    int mWidth = 0;
    int mHeight = 0;
};

struct Layer {
    std::optional<RECT> translucent; // the part ComposeTo blends, for alpha below 255
    RECT dirty{};                    // empty when left == right
    std::shared_ptr<LayerBitmap> memory;
    LONG first = -1;
    LONG end = -1;
    DWORD flags = kLayerTransparent;
    DWORD alpha = 255;
};

// Shifts a layer's cached image and dirty ranges by dx and marks the uncovered columns dirty.
void ScrollLayer(Layer& layer, const RECT& pane, int dx, bool useBitmap);
void AddDirtyRange(Layer& layer, const RECT& pane, LONG from, LONG to, bool cached);
void SetLayerRects(std::array<Layer, kLayerCount>& layers, const RECT& pane, RECT& stored);

// What the pane asks a lane to draw: the data position at a column, the record
// and the time axis, and the part of the window to update.
struct LaneDrawArgs {
    LONGLONG firstPosition = 0; // position drawn at firstColumn
    LONG firstColumn = 0;
    LONGLONG recordOffset = 0; // the record's start relative to firstPosition
    LONG record = 0;
    RECT update{};
    DWORD flags = 0;
    const TimeAxisLayout* layout = nullptr;
    const RecordTime* recordTime = nullptr;
};

class ChildPaneBaseInit {};

class ChildPaneBase : public Ovo::SimpleUnknownImp1<IDragScaleObserver, IID_IDragScaleObserver>,
                      public ChildPaneBaseInit {
public:
    ChildPaneBase(LaneOwner* owner, LONG lane);
    ~ChildPaneBase() override;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    HRESULT OnBeginDrag(DWORD, DWORD) override { return S_OK; }
    HRESULT OnEndDrag(DWORD, DWORD) override { return S_OK; }
    HRESULT OnScalingChanged(DWORD, DWORD, DWORD) override { return S_OK; }
    HRESULT OnAutoScale(DWORD) override { return S_OK; }

    virtual void DrawFrame(HDC dc, int flag);
    virtual void SetLayout(DWORD tag, POINT origin, const RECT& rect, int leftWidth, int rightWidth, int gap);
    virtual HRESULT BroadcastColours(IUnknown* document, LONG a, LONG channel);
    // cacheRequest < 0 caches the drawer's layer (with alpha) when the owner draws buffered.
    virtual HRESULT AddDrawer(int cacheRequest, IStrevRecordDrawer* drawer, DWORD alpha);
    virtual HRESULT RemoveDrawers(DWORD mask, ChannelPair pair);
    virtual HRESULT InvalidateDrawers(DWORD what);
    virtual HRESULT Refresh(DWORD what);
    virtual HRESULT ActivateDrawers(DWORD_PTR pane, bool on);
    virtual void UpdateNewData(LONGLONG position, LONGLONG count, LONGLONG& latest, int mode);
    virtual HRESULT DeactivateDrawers(LONG a, LONG b);
    virtual void Draw(HDC dc, const LaneDrawArgs& args, std::uint8_t layerSet = 0xFF, int fromLayer = 0,
                      int toLayer = kLayerCount - 1);
    virtual void LoadLaneState(Ovo::BinIStream& stream) = 0;
    virtual void SaveLaneState(Ovo::BinOStream& stream) = 0;
    virtual bool HasChannelInfo() const { return mFoundLeft || mFoundRight; }
    virtual void ComposeTo(HDC dc, const RECT& rect);
    virtual bool HitTest(POINT point) const;

    // A new source for the drawers: first >= 0 releases every drawer; otherwise each gets
    // SetSource(first, source).
    void SetDrawerSource(LONG first, IUnknown* source);
    // The columns to redraw for an update region (or the dirty layers), widened by the
    // drawers' overhangs.
    void GetUpdateExtent(HRGN update, DWORD flags, LONG& left, LONG& right);
    // Empties the dirty rectangles and redraw marks after the pane's drawing pass.
    void ClearDirty();
    // Marks every layer dirty over the whole lane.
    void MarkDirty();

    const RECT& Rect() const { return mRect; }
    LONG Lane() const { return mLane; }
    std::uint32_t DrawerCount() const { return mDrawers.GetCount(); }
    IStrevRecordDrawer* DrawerAt(std::uint32_t i) const { return mDrawers.GetAt(i); }
    const Layer& LayerAt(int i) const { return mLayers[static_cast<std::size_t>(i)]; }
    Layer& LayerAt(int i) { return mLayers[static_cast<std::size_t>(i)]; }
    LONG LeftOverhang() const { return mLeftOverhang; }
    LONG RightOverhang() const { return mRightOverhang; }
    bool WasDrawn() const { return (mDrawn & 0xFFFF) == 0xFFFF; }

protected:
    LaneOwner* Owner() const { return mOwner; }
    void RebuildLayerRanges();
    void MeasureOverhangs();

    DWORD mTag = 0;
    DWORD mPending = 0;
    LONG mLeftOverhang = 0;
    LONG mRightOverhang = 0;
    LONG mLane;
    DWORD mDrawn = 0;
    POINT mOrigin{};
    RECT mRect{};
    bool mFoundLeft = false;
    bool mFoundRight = false;
    bool mOverhangsStale = true;

private:
    void DrawLayer(int index, HDC target, const LaneDrawArgs& args, bool intoBitmap, bool intoWindow,
                   bool wrap);
    void DrawStrip(int index, HDC target, const LaneDrawArgs& args, RECT strip, DWORD flags);

    LaneOwner* mOwner;
    InterfaceArray<IStrevRecordDrawer> mDrawers;
    std::array<Layer, kLayerCount> mLayers;
    RECT mLayoutRect{};
};

} // namespace StrevDraw

#include "plot/GraphDrawer.h"

#include <iterator>

#include "core/NumericHelpers.h"
#include "platform/gdi/gdi.h"

namespace ZOzuve1 {

GraphDrawer::~GraphDrawer() = default;

void GraphDrawer::SetXExtent(double min, double max) {
    mX = {min, max};
    OnXExtentChanged();
}

void GraphDrawer::SetZExtent(double min, double max) {
    mZ = {min, max};
    OnZExtentChanged();
}

void GraphDrawer::SetYExtent(double min, double max) {
    mY = {min, max};
    OnYExtentChanged();
}

void GraphDrawer::OnDraw(HDC dc, HDC, const RECT& plot, const RECT&) {
    static constexpr char16_t kText[] = u"You forgot the OnDraw handler";
    const UINT previous = SetTextAlign(dc, TA_CENTER);
    TextOutW(dc, (plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2, kText,
             static_cast<int>(std::size(kText) - 1));
    SetTextAlign(dc, previous);
}

void GraphDrawer::Draw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip) {
    const RECT p = plot;
    const RECT c = clip;
    OnDraw(dc, attributeDc, p, c);
    if (mNext != nullptr)
        mNext->Draw(dc, attributeDc, plot, clip);
    OnDrawOverlay(dc, attributeDc, p, c);
}

void GraphDrawer::Put(MapSlot& slot, ScaleMap* map, bool owns) {
    if (slot.owned.get() != map)
        slot.owned.reset(owns ? map : nullptr);
    slot.map = map;
}

void GraphDrawer::SetMap(Axis axis, ScaleMap* map, bool owns) {
    Put(mMaps[Index(axis)], map, owns);
    OnMapChanged(axis);
}

void GraphDrawer::SetOrigin(Axis axis, ScaleMap* map, bool owns) {
    Put(mOrigins[Index(axis)], map, owns);
    OnOriginChanged(axis);
}

void GraphDrawer::SetPixelSize(int width, int height) {
    mPixelWidth = width;
    mPixelHeight = height;
    OnPixelSizeChanged();
}

void GraphDrawer::CopyDrawerFields(const GraphDrawer& other) {
    mX = other.mX;
    mZ = other.mZ;
    mY = other.mY;
    for (int i = 0; i < 3; ++i) {
        Put(mMaps[i], other.mMaps[i].map, false);
        Put(mOrigins[i], other.mOrigins[i].map, false);
    }
    mPixelWidth = other.mPixelWidth;
    mPixelHeight = other.mPixelHeight;
}

Plotter::~Plotter() {
    if (mOwnsData)
        delete mData;
}

COLORREF Plotter::SetColour(COLORREF colour) {
    return mColour = colour;
}

COLORREF Plotter::SetFillColour(COLORREF colour) {
    return mFillColour = colour;
}

std::uint32_t Plotter::SetStyle(std::uint32_t style) {
    const std::uint32_t previous = mStyle;
    mStyle = style;
    return previous;
}

void Plotter::SetPlotData(PlotData* data, std::uint32_t series, bool owns) {
    if (mOwnsData && mData != data)
        delete mData;
    mOwnsData = owns;
    mSeries = series;
    mData = data;
    SyncExtentsToData();
}

bool Plotter::GetHint(TrackInfo* info) {
    if (info == nullptr)
        return false;
    info->hint = u"Dummy hint";
    return true;
}

bool Plotter::CopyExtentTo(PlotDataBase* data, Axis axis) const {
    const Extent& own = axis == Axis::X ? XExtent() : YExtent();
    if (data == nullptr || !(own.min < own.max))
        return false;
    Extent& target = axis == Axis::X ? data->xExtent : data->yExtent;
    if (target == own)
        return false;
    target = own;
    data->SetModified(true);
    return true;
}

HPEN Plotter::MakePen(COLORREF colour) const {
    return CreatePen(static_cast<int>(mStyle), TruncateToInt32(mLineWidth), colour);
}

} // namespace ZOzuve1

#include "plot/BasicAnnotation.h"

#include <cmath>

#include "core/NumericHelpers.h"
#include "platform/gdi/gdi.h"

namespace ZOzuve1 {

BasicAnnotation::~BasicAnnotation() {
    if (mOwnsSource)
        delete mSource;
}

void BasicAnnotation::SetSource(PlotData* source, int index, bool owns) {
    if (mOwnsSource && mSource != source)
        delete mSource;
    mSource = source;
    mIndex = index;
    mOwnsSource = owns;
}

bool BasicAnnotation::Refresh(TrackInfo& record) {
    mValid = false;
    mShowMark = false;
    if (mSource == nullptr || !mSource->HitTest(mIndex, &record) || std::isnan(record.y))
        return false;
    mHint = record.hint;
    mX = record.x;
    mY = record.y;
    mShowMark = record.found;
    mValid = true;
    return true;
}

bool BasicAnnotation::FollowPointer(int x, int y, const RECT& plot) {
    const ScaleMap* xm = Map(Axis::X);
    const ScaleMap* ym = Map(Axis::Y);
    if (xm == nullptr || ym == nullptr)
        return false;
    TrackInfo record;
    record.mouseX = x - plot.left;
    record.mouseY = y - plot.top;
    record.plot = plot;
    record.x = xm->ToValue(x, plot.left);
    record.y = ym->ToValue(y, plot.top);
    Refresh(record);
    return mValid;
}

bool BasicAnnotation::SetPosition(double x, double y) {
    mX = x;
    mY = y;
    TrackInfo record;
    record.x = x;
    record.y = y;
    if (const ScaleMap* xm = Map(Axis::X))
        record.mouseX = TruncateToInt32(xm->ToPixel(x, 0));
    if (const ScaleMap* ym = Map(Axis::Y))
        record.mouseY = TruncateToInt32(ym->ToPixel(y, 0));
    Refresh(record);
    return true;
}

bool BasicAnnotation::GetHint(TrackInfo* info) {
    if (mValid && info != nullptr)
        info->hint = mHint;
    return mValid;
}

bool BasicAnnotation::Click(const RECT& plot, UINT flags, POINT press, POINT point) {
    return OnIndexClick(mIndex, plot, flags, press, point);
}

void BasicAnnotation::OnDraw(HDC dc, HDC, const RECT& plot, const RECT&) {
    DrawMarker(dc, plot);
}

void BasicAnnotation::DrawMarker(HDC dc, const RECT& rect) {
    const ScaleMap* xm = Map(Axis::X);
    const ScaleMap* ym = Map(Axis::Y);
    if (!mValid || !mShowMark || !IsVisible() || std::isnan(mX) || std::isnan(mY) || xm == nullptr ||
        ym == nullptr)
        return;
    const int px = TruncateToInt32(xm->ToPixel(mX, rect.left));
    const int py = TruncateToInt32(ym->ToPixel(mY, rect.top));
    if (px < rect.left || px >= rect.right)
        return;
    const int previous = SetROP2(dc, mRasterOp);
    if (mMarkStyle == kCross) {
        if (mRasterOp == kInvert && mMarkDrawn)
            DrawMark(dc, rect, mLastMark.x, mLastMark.y);
        DrawMark(dc, rect, px, py);
        mLastMark = {px, py};
        mMarkDrawn = true;
    }
    SetROP2(dc, previous);
}

void BasicAnnotation::DrawMark(HDC dc, const RECT& rect, int px, int py) const {
    const int s = mMarkSize;
    if (py >= rect.top && py < rect.bottom) {
        MoveToEx(dc, px, py - s, nullptr);
        LineTo(dc, px, py + s + 1);
        MoveToEx(dc, px - s, py, nullptr);
        LineTo(dc, px + s + 1, py);
    } else if (py < rect.top) {
        MoveToEx(dc, px - s, rect.top + s, nullptr);
        LineTo(dc, px, rect.top);
        LineTo(dc, px + s + 1, rect.top + s + 1);
    } else {
        const int b = rect.bottom - 2;
        MoveToEx(dc, px - s, b - s, nullptr);
        LineTo(dc, px, b);
        LineTo(dc, px + s + 1, b - s - 1);
    }
}

} // namespace ZOzuve1

#include "plot/XYCPlotter.h"

#include <algorithm>
#include <cmath>

#include "controls/Fonts.h"
#include "core/NumericHelpers.h"
#include "platform/gdi/gdi.h"
#include "plot/LineClip.h"

namespace ZOzuve1 {
namespace {

std::uint32_t gDrawCounter = 0;
constexpr int kLegendPoints = 9;

// The pen of the points' colour, made only when the colour changes.
class SeriesPen {
public:
    SeriesPen(HDC dc, int style, int width)
        : mDc(dc), mStyle(style), mWidth(width), mPen(CreatePen(style, width, 0)) {
        mOld = SelectObject(dc, mPen);
    }
    ~SeriesPen() {
        SelectObject(mDc, mOld);
        DeleteObject(mPen);
    }
    SeriesPen(const SeriesPen&) = delete;
    SeriesPen& operator=(const SeriesPen&) = delete;

    void Use(COLORREF colour) {
        if (colour == mColour)
            return;
        HPEN pen = CreatePen(mStyle, mWidth, colour);
        SelectObject(mDc, pen);
        DeleteObject(mPen);
        mPen = pen;
        mColour = colour;
    }

private:
    HDC mDc;
    int mStyle;
    int mWidth;
    HPEN mPen;
    HGDIOBJ mOld;
    COLORREF mColour = 0;
};

int MarkerSize(HDC dc, int index, double points) {
    return std::max(2, TruncateToInt32(GetDeviceCaps(dc, index) * points / 72.0));
}

bool Between(double v, LONG low, LONG high) {
    return low <= v && v < high;
}

} // namespace

std::uint32_t NextDrawSerial() {
    return ++gDrawCounter;
}

void ClipScope::Intersect(const RECT& rect) {
    if (!mClipped && mSaveDc)
        mSaved = SaveDC(mDc);
    mClipped = true;
    IntersectClipRect(mDc, rect.left, rect.top, rect.right, rect.bottom);
}

void ClipScope::Restore() {
    if (!mClipped)
        return;
    if (mSaveDc)
        RestoreDC(mDc, -1);
    else
        SelectClipRgn(mDc, nullptr);
    mClipped = false;
}

struct XYCPlotterBase::Context {
    RECT plot{0, 0, 0, 0};
    RECT clip{0, 0, 0, 0};
    Series series;
    int markerW = 2;
    int markerH = 2;
    XYCPlotDataBase* data = nullptr;
    bool binning = false;
    std::uint32_t serial = 0;
    SeriesPen* pen = nullptr;
};

void XYCPlotterBase::OnXExtentChanged() {
    CopyExtentTo(GetXYCPlotDataBase(), Axis::X);
}

void XYCPlotterBase::OnYExtentChanged() {
    CopyExtentTo(GetXYCPlotDataBase(), Axis::Y);
}

void XYCPlotterBase::SyncExtentsToData() {
    CopyExtentTo(GetXYCPlotDataBase(), Axis::X);
    CopyExtentTo(GetXYCPlotDataBase(), Axis::Y);
}

bool XYCPlotterBase::IsDataChanged() {
    const XYCPlotDataBase* data = GetXYCPlotDataBase();
    return data == nullptr || data->RedrawPending();
}

bool XYCPlotterBase::NeedsRedraw() {
    if (mAlwaysRedraw)
        return true;
    const XYCPlotDataBase* data = GetXYCPlotDataBase();
    return data != nullptr && (data->RedrawPending() || data->keepBins);
}

void XYCPlotterBase::OnDraw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip) {
    XYCPlotDataBase* data = GetXYCPlotDataBase();
    Context context;
    context.plot = plot;
    context.clip = clip;
    bool keep = false;
    bool open = false;
    if (data != nullptr) {
        SyncExtentsToData();
        keep = !data->RedrawPending() && data->keepBins;
        open = OpenSeries(!keep, context.series);
    }
    if (open) {
        if (keep)
            data->keepBins = false;
        data->ClearRedrawPending();
        HDC caps = attributeDc != nullptr ? attributeDc : dc;
        context.markerW = MarkerSize(caps, LOGPIXELSX, markerWidthPt);
        context.markerH = MarkerSize(caps, LOGPIXELSY, markerHeightPt);
        context.data = data;
        if (!keep)
            data->ClearBins();
        int unused = 0;
        context.binning =
            data->BeginBinning(std::abs(plot.right - plot.left), std::abs(plot.bottom - plot.top), &unused);
        DrawCore(dc, context);
        if (context.binning)
            data->EndBinning();
    }
    mAlwaysRedraw = false;
}

void XYCPlotterBase::DrawCore(HDC dc, const Context& c0) {
    if (c0.series.count <= 0)
        return;
    Context c = c0;
    c.serial = NextDrawSerial();
    SeriesPen pen(dc, static_cast<int>(mStyle), TruncateToInt32(mLineWidth));
    c.pen = &pen;
    const ScaleMap identity;
    const ScaleMap& xm = Map(Axis::X) != nullptr ? *Map(Axis::X) : identity;
    const ScaleMap& ym = Map(Axis::Y) != nullptr ? *Map(Axis::Y) : identity;
    const RECT& r = c.plot;
    const std::uint32_t flags = c.series.flags;
    const bool record = c.binning && (flags & kNoBinning) == 0;
    double prevPx = 0.0;
    double prevPy = 0.0;
    bool prevInside = false;
    for (int i = 0; i < c.series.count;) {
        const Chunk chunk = NextChunk(i);
        if (chunk.count <= 0)
            break;
        for (int j = 0; j < chunk.count && i < c.series.count; ++j, ++i) {
            const COLORREF colour = chunk.colours != nullptr ? chunk.colours[j] : c.series.colour;
            const double px = xm.ToPixel(chunk.xs[j], r.left);
            const double py = ym.ToPixel(chunk.ys[j], r.top);
            const bool inside = Between(px, r.left, r.right) && Between(py, r.top, r.bottom - 1);
            bool drawn = false;
            if (inside && record) {
                const int column = static_cast<int>(px - r.left);
                const int row = static_cast<int>(py - r.top);
                const auto index = static_cast<std::uint32_t>(c.series.firstIndex + i);
                PlotBin bin;
                if (c.data->GetBin(column, row, &bin)) {
                    drawn = bin.colour == colour && bin.drawSerial == c.serial;
                    c.data->SetBin(column, row, chunk.xs[j], chunk.ys[j], index, colour, c.serial);
                } else {
                    c.data->AddBinRecord(column, row,
                                         PlotBin{-1, chunk.xs[j], chunk.ys[j], index, c.serial, colour});
                }
            }
            if ((flags & kDrawLines) && i > 0) {
                pen.Use(colour);
                if (prevInside && inside) {
                    MoveToEx(dc, static_cast<int>(prevPx), static_cast<int>(prevPy), nullptr);
                    LineTo(dc, static_cast<int>(px), static_cast<int>(py));
                } else {
                    // Refused when an end is not finite: the line breaks at a missing value.
                    DrawClippedSegment(dc, prevPx, prevPy, px, py, r);
                }
            }
            const bool missingY = std::isnan(py) && Between(px, r.left, r.right);
            if ((inside && !drawn) || ((flags & kDrawMarkers) && missingY)) {
                pen.Use(colour);
                const int ix = static_cast<int>(px);
                if (!(flags & kDrawMarkers)) {
                    SetPixel(dc, ix, static_cast<int>(py), colour);
                } else if (missingY) {
                    MoveToEx(dc, ix - c.markerW, r.top, nullptr);
                    LineTo(dc, ix + c.markerW + 1, r.top);
                } else {
                    DrawMarker(dc, flags, ix, static_cast<int>(py), c.markerW, c.markerH, colour);
                }
            }
            prevPx = px;
            prevPy = py;
            prevInside = inside;
        }
    }
    if (flags & kDrawLegend)
        DrawLegend(dc, c);
    DrawHighlight(dc, c);
    mAlwaysRedraw = false;
}

void XYCPlotterBase::DrawMarker(HDC dc, std::uint32_t flags, int cx, int cy, int w, int h,
                                COLORREF colour) const {
    const std::uint32_t shape = flags & kShapeMask;
    const std::uint32_t first = shape & (~shape + 1); // the lowest set bit wins
    const int a = TruncateToInt32(2.5 * w);
    const int b = TruncateToInt32(2.5 * h);
    const POINT up[] = {{cx, cy - b}, {cx - a, cy + b}, {cx + a, cy + b}};
    const POINT down[] = {{cx, cy + b}, {cx - a, cy - b}, {cx + a, cy - b}};
    const POINT diamond[] = {{cx - a, cy}, {cx, cy + b}, {cx + a, cy}, {cx, cy - b}};
    const POINT square[] = {{cx - a, cy - b}, {cx + a, cy - b}, {cx + a, cy + b}, {cx - a, cy + b}};
    const auto fill = [&](HRGN region) {
        HBRUSH brush = CreateSolidBrush(colour);
        FillRgn(dc, region, brush);
        DeleteObject(brush);
        DeleteObject(region);
    };
    const auto outline = [dc](const POINT* p, int n) {
        MoveToEx(dc, p[n - 1].x, p[n - 1].y, nullptr);
        for (int k = 0; k < n; ++k)
            LineTo(dc, p[k].x, p[k].y);
    };
    switch (first) {
    case 0x8:
        fill(CreatePolygonRgn(up, 3, ALTERNATE));
        break;
    case 0x10:
        fill(CreateRectRgn(cx - a, cy - b, cx + a, cy + b));
        break;
    case 0x20:
        fill(CreatePolygonRgn(diamond, 4, ALTERNATE));
        break;
    case 0x40:
        fill(CreatePolygonRgn(down, 3, ALTERNATE));
        break;
    case 0x80:
        outline(up, 3);
        break;
    case 0x100:
        outline(square, 4);
        break;
    case 0x200:
        outline(diamond, 4);
        break;
    case 0x400:
        outline(down, 3);
        break;
    default:
        MoveToEx(dc, cx - w, cy - h, nullptr);
        LineTo(dc, cx + w + 1, cy + h + 1);
        MoveToEx(dc, cx - w, cy + h, nullptr);
        LineTo(dc, cx + w + 1, cy - h - 1);
        break;
    }
}

void XYCPlotterBase::DrawHighlight(HDC dc, const Context& c) const {
    const XYCPlotDataBase& data = *c.data;
    const double hx = data.highlightX;
    const double hy = data.highlightY;
    if (!std::isfinite(hx) || !std::isfinite(hy) || hx == XYCPlotDataBase::kNoHighlight ||
        hy == XYCPlotDataBase::kNoHighlight || Map(Axis::X) == nullptr || Map(Axis::Y) == nullptr)
        return;
    const RECT& r = c.plot;
    const int cx = TruncateToInt32(Map(Axis::X)->ToPixel(hx, r.left));
    const int cy = TruncateToInt32(Map(Axis::Y)->ToPixel(hy, r.top));
    if (cx <= r.left + 1 || cx >= r.right - 1 || cy <= r.top + 1 || cy >= r.bottom - 1)
        return;
    // In 64 bits: the scale is the data owner's.
    std::int64_t hw = std::int64_t{data.highlightScale} * c.markerW * 4;
    std::int64_t hh = std::int64_t{data.highlightScale} * c.markerH * 4;
    if (cx + hw + 1 > r.right)
        hw = r.right - cx - 1;
    if (cy + hh + 1 > r.bottom)
        hh = r.bottom - cy - 1;
    if (hw <= 1 || hh <= 1)
        return;
    const int w = static_cast<int>(hw);
    const int h = static_cast<int>(hh);
    HPEN pen = MakePen(data.highlightColour);
    HGDIOBJ old = SelectObject(dc, pen);
    const POINT box[] = {
        {cx - w, cy - h}, {cx + w, cy - h}, {cx + w, cy + h}, {cx - w, cy + h}, {cx - w, cy - h}};
    Polyline(dc, box, 5);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void XYCPlotterBase::DrawLegend(HDC dc, const Context& c) const {
    const std::unique_ptr<OWL::TFont> font = CreateDialogFont(kLegendPoints, 0, dc);
    HGDIOBJ oldFont = SelectObject(dc, font->GetHandle());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int rowHeight = TruncateToInt32(1.5 * tm.tmHeight);
    const int avg = tm.tmAveCharWidth;
    const int lineLength = 15 * avg;
    const int half = TruncateToInt32(2.5 * c.markerW);
    const std::u16string name = c.data->GetName();
    SIZE nameSize{0, 0};
    GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &nameSize);
    const UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_TOP);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = c.series.colour;
    const COLORREF oldColour = SetTextColor(dc, colour);
    LegendBounds& bounds = c.data->legendBounds;
    const int left = c.plot.left + avg;
    int row = c.data->legendSlot + 1;
    for (std::uint32_t shape = 0x8; shape <= 0x400; shape <<= 1) {
        if ((c.series.flags & shape) == 0)
            continue;
        const int top = c.plot.top + row * rowHeight;
        const int y = top + rowHeight / 2;
        c.pen->Use(colour);
        MoveToEx(dc, left, y, nullptr);
        LineTo(dc, left + lineLength, y);
        const int textX = left + lineLength + avg;
        TextOutW(dc, textX, y - tm.tmHeight / 2, name.c_str(), static_cast<int>(name.size()));
        const int markerX = textX + nameSize.cx + avg + half;
        DrawMarker(dc, shape, markerX, y, c.markerW, c.markerH, colour);
        bounds.left = std::min(bounds.left, left);
        bounds.right = std::max(bounds.right, markerX + half);
        bounds.top = std::min(bounds.top, top);
        bounds.bottom = std::max(bounds.bottom, top + rowHeight);
        bounds.rowExtent = std::max(bounds.rowExtent, markerX + half - left);
        ++row;
    }
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SetTextAlign(dc, oldAlign);
    SelectObject(dc, oldFont);
}

bool XYCPlotter::OpenSeries(bool askCanDraw, Series& series) {
    XYCPlotData* data = GetXYCPlotData();
    if (data == nullptr || (askCanDraw && !data->CanDraw(static_cast<int>(mSeries))))
        return false;
    mXs = mYs = nullptr;
    mColours = nullptr;
    return data->GetData(static_cast<int>(mSeries), &series.count, &series.firstIndex, &mXs, &mYs, &mColours,
                         &series.colour, &series.flags) &&
           (series.count <= 0 || (mXs != nullptr && mYs != nullptr));
}

XYCPlotterBase::Chunk XYCPlotter::NextChunk(int position) {
    return {1 << 30, mXs + position, mYs + position, mColours != nullptr ? mColours + position : nullptr};
}

bool XYCPlotter2::OpenSeries(bool askCanDraw, Series& series) {
    XYCPlotData2* data = GetXYCPlotData();
    if (data == nullptr || (askCanDraw && !data->CanDraw(static_cast<int>(mSeries))))
        return false;
    int stride = 0;
    mXs = mYs = nullptr;
    mColours = nullptr;
    if (!data->GetData(static_cast<int>(mSeries), &series.count, &series.firstIndex, &mXs, &mYs, &mColours,
                       &stride, &series.colour, &series.flags) ||
        (series.count > 0 && (mXs == nullptr || mYs == nullptr)))
        return false;
    if (stride <= 0)
        mColours = nullptr;
    mCount = series.count;
    mXBuffer.resize(kChunk);
    mYBuffer.resize(kChunk);
    mColourBuffer.resize(kChunk);
    return true;
}

XYCPlotterBase::Chunk XYCPlotter2::NextChunk(int position) {
    const int want = std::min(kChunk, mCount - position);
    int n = std::min(mXs->Read(position, want, mXBuffer.data()), mYs->Read(position, want, mYBuffer.data()));
    if (mColours != nullptr)
        n = std::min(n, mColours->Read(position, want, mColourBuffer.data()));
    return {std::clamp(n, 0, want), mXBuffer.data(), mYBuffer.data(),
            mColours != nullptr ? mColourBuffer.data() : nullptr};
}

} // namespace ZOzuve1

#include "plot/GlyphPlotter.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "controls/Fonts.h"
#include "core/NumericHelpers.h"
#include "platform/gdi/gdi.h"
#include "plot/LineClip.h"
#include "plot/XYCPlotter.h"

namespace ZOzuve1 {
namespace {

constexpr int kLabelPoints = 10;

// Points of a printed page or the screen, as device pixels.
int Scaled(HDC dc, double points) {
    return TruncateToInt32(points * GetDeviceCaps(dc, LOGPIXELSY) / 72.0);
}

// Writes a label in the user-interface font turned by angle, in colour.
void Label(HDC dc, int x, int y, UINT align, int angle, COLORREF colour, const std::u16string& text) {
    if (text.empty())
        return;
    HFONT font = nullptr;
    if (!CreateRotatedFont(&font, dc, kLabelPoints, angle, false))
        return;
    HGDIOBJ old = SelectObject(dc, font);
    const UINT oldAlign = SetTextAlign(dc, align);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colour);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SetTextAlign(dc, oldAlign);
    SelectObject(dc, old);
    DeleteObject(font);
}

bool StrictlyBetween(double v, LONG low, LONG high) {
    return low < v && v < high;
}

} // namespace

GlyphPlotter::DrawScope::DrawScope(HDC dc, const GlyphPlotter& plotter, int rop)
    : mDc(dc), mPlotter(plotter) {
    mOldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    mOldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    mOldRop = SetROP2(dc, rop);
    mOldFill = SetPolyFillMode(dc, WINDING);
    mPen = plotter.MakePen(0xFFFF00);
    mColour = 0xFFFF00;
    SelectObject(dc, mPen);
}

GlyphPlotter::DrawScope::~DrawScope() {
    SelectObject(mDc, mOldPen);
    SelectObject(mDc, mOldBrush);
    SetROP2(mDc, mOldRop);
    SetPolyFillMode(mDc, mOldFill);
    DeleteObject(mPen);
}

void GlyphPlotter::DrawScope::Use(COLORREF colour) {
    if (colour == mColour)
        return;
    HPEN pen = mPlotter.MakePen(colour);
    SelectObject(mDc, pen);
    DeleteObject(mPen);
    mPen = pen;
    mColour = colour;
}

void GlyphPlotter::OnXExtentChanged() {
    CopyExtentTo(GetGlyphPlotData(), Axis::X);
}

void GlyphPlotter::OnYExtentChanged() {
    CopyExtentTo(GetGlyphPlotData(), Axis::Y);
}

void GlyphPlotter::OnDraw(HDC dc, HDC, const RECT& plot, const RECT&) {
    DrawScope scope(dc, *this, rasterOp);
    GlyphPlotData* data = GetGlyphPlotData();
    int count = 0;
    const GlyphRecord* records = nullptr;
    if (data != nullptr && data->GetGlyphs(static_cast<int>(mSeries), &count, &records) && records != nullptr)
        for (int i = 0; i < count; ++i) {
            scope.Use(records[i].colour);
            DrawGlyph(dc, records[i], plot);
        }
    mAlwaysRedraw = false;
}

void GlyphPlotter::DrawGlyph(HDC dc, const GlyphRecord& g, const RECT& plot) const {
    const ScaleMap* xm = Map(Axis::X);
    const ScaleMap* ym = Map(Axis::Y);
    if (xm == nullptr || ym == nullptr)
        return;
    const double px = xm->ToPixel(g.x, plot.left);
    const double py = ym->ToPixel(g.y, plot.top);
    switch (g.kind) {
    case kGlyphArrow:
        if (StrictlyBetween(px, plot.left, plot.right)) {
            const int x = static_cast<int>(px);
            const int t = plot.top;
            const POINT arrow[] = {{x, t + 10}, {x + 5, t + 5}, {x + 3, t + 5}, {x + 3, t},
                                   {x - 3, t},  {x - 3, t + 5}, {x - 5, t + 5}, {x, t + 10}};
            Polygon(dc, arrow, 8);
        }
        break;
    case kGlyphHorizontal:
        if (StrictlyBetween(py, plot.top, plot.bottom)) {
            const int y = static_cast<int>(py);
            MoveToEx(dc, plot.left, y, nullptr);
            LineTo(dc, plot.right, y);
            Label(dc, plot.left + 2, y - 1, TA_LEFT | TA_BOTTOM, 0, g.colour, g.label);
        }
        break;
    case kGlyphVertical:
        if (StrictlyBetween(px, plot.left, plot.right)) {
            const int x = static_cast<int>(px);
            MoveToEx(dc, x, plot.top, nullptr);
            LineTo(dc, x, plot.bottom);
            Label(dc, x - 1, plot.bottom - 2, TA_LEFT | TA_BOTTOM, 900, g.colour, g.label);
        }
        break;
    case kGlyphHorizontalSegment: {
        const double a = xm->ToPixel(std::min(g.x, g.x2), plot.left);
        const double b = xm->ToPixel(std::max(g.x, g.x2), plot.left);
        if (StrictlyBetween(py, plot.top, plot.bottom) &&
            (StrictlyBetween(a, plot.left, plot.right) || StrictlyBetween(b, plot.left, plot.right))) {
            const int y = static_cast<int>(py);
            const int from = static_cast<int>(std::max<double>(a, plot.left));
            MoveToEx(dc, from, y, nullptr);
            LineTo(dc, static_cast<int>(std::min<double>(b, plot.right)), y);
            Label(dc, from + 2, y - 1, TA_LEFT | TA_BOTTOM, 0, g.colour, g.label);
        }
        break;
    }
    case kGlyphSegment: {
        const double px2 = xm->ToPixel(g.x2, plot.left);
        const double py2 = ym->ToPixel(g.y2, plot.top);
        if (g.ruled)
            DrawGuide(dc, plot, px, py, px2, py2);
        if (!DrawClippedSegment(dc, px, py, px2, py2, plot))
            break;
        Label(dc, plot.left + Scaled(dc, 5), plot.top + Scaled(dc, 1), TA_LEFT | TA_TOP, 0, g.colour,
              g.label);
        break;
    }
    default:
        break;
    }
}

// The segment's line across the plot, as strokes 16 points long with gaps
// twice as long.
void GlyphPlotter::DrawGuide(HDC dc, const RECT& plot, double x0, double y0, double x1, double y1) const {
    const double length = std::hypot(x1 - x0, y1 - y0);
    if (!std::isfinite(length) || length == 0.0)
        return;
    const double ux = (x1 - x0) / length;
    const double uy = (y1 - y0) / length;
    const double reach = 2.0 * std::hypot(plot.right - plot.left, plot.bottom - plot.top) + length;
    LineClipRecord across =
        MakeClipRecord(x0 - ux * reach, y0 - uy * reach, x0 + ux * reach, y0 + uy * reach, plot);
    if (!ClipLine(across))
        return;
    const double dash = std::max(1, Scaled(dc, 16));
    const double total = std::hypot(across.x1 - across.x0, across.y1 - across.y0);
    for (double s = 0.0; s < total; s += 3.0 * dash) {
        const double e = std::min(total, s + dash);
        MoveToEx(dc, static_cast<int>(across.x0 + ux * s), static_cast<int>(across.y0 + uy * s), nullptr);
        LineTo(dc, static_cast<int>(across.x0 + ux * e), static_cast<int>(across.y0 + uy * e));
    }
}

void FunctionGlyphPlotterBase::OnDraw(HDC dc, HDC, const RECT& plot, const RECT&) {
    DrawScope scope(dc, *this, rasterOp);
    auto* data = GetGlyphPlotData();
    int count = 0;
    const FunctionRecord* records = nullptr;
    const ScaleMap* xm = Map(Axis::X);
    if (data != nullptr && xm != nullptr && data->GetFunctions(static_cast<int>(mSeries), &count, &records) &&
        records != nullptr) {
        const double scale = Origin(Axis::X) != nullptr ? Origin(Axis::X)->scale : 1.0;
        const double x0 = xm->ToValue(plot.left, plot.left) * scale;
        const double x1 = xm->ToValue(plot.right, plot.left) * scale;
        for (int i = 0; i < count; ++i) {
            const FunctionRecord& f = records[i];
            scope.Use(f.colour);
            {
                ClipScope clip(dc, true);
                clip.Intersect(plot);
                DrawFunction(dc, f, plot, x0, x1);
            }
            Label(dc, plot.left + Scaled(dc, f.labelX), plot.top + Scaled(dc, f.labelY), f.labelFlags, 0,
                  f.colour, f.label);
        }
    }
    mAlwaysRedraw = false;
}

template <class F>
void FunctionGlyphPlotterBase::PlotSegments(HDC dc, const FunctionRecord& f, const RECT& plot, double x0,
                                            double x1, F fn) {
    const ScaleMap* xm = Map(Axis::X);
    const ScaleMap* ym = Map(Axis::Y);
    if (xm == nullptr || ym == nullptr)
        return;
    if (f.flags & kClipToXMin)
        x0 = std::max(x0, f.xMin);
    if (f.flags & kClipToXMax)
        x1 = std::min(x1, f.xMax);
    const int n = plot.right - plot.left;
    if (n <= 0 || !(x0 <= x1))
        return;
    const double dx = (x1 - x0) / n;
    const auto pixel = [](double v, LONG edge) {
        return static_cast<LONG>(std::clamp(std::floor(v + 0.5), -kFarPixel, kFarPixel)) + edge;
    };
    std::array<POINT, 2 * (kRunColumns - 1)> points;
    std::array<DWORD, kRunColumns - 1> counts;
    counts.fill(2);
    double start = x0;
    for (int remaining = n; remaining > 0;) {
        const int c = std::min(remaining, kRunColumns);
        const double end = start + c * dx;
        const double step = c > 1 ? (end - start) / (c - 1) : 0.0;
        std::size_t segments = 0;
        bool previous = false;
        POINT last{0, 0};
        for (int k = 0; k < c; ++k) {
            const double x = start + k * step;
            const double y = fn(f, x);
            const double py = (y + ym->offset) * ym->scale;
            if (!std::isfinite(py)) {
                previous = false;
                continue;
            }
            const POINT p{pixel((x + xm->offset) * xm->scale, plot.left), pixel(py, plot.top)};
            const bool touches =
                !(p.y < plot.top && last.y < plot.top) && !(p.y >= plot.bottom && last.y >= plot.bottom);
            if (previous && touches) {
                points[2 * segments] = last;
                points[2 * segments + 1] = p;
                ++segments;
            }
            if (c == 1 && n == 1 && plot.top <= p.y && p.y < plot.bottom)
                SetPixel(dc, p.x, p.y, f.colour);
            last = p;
            previous = true;
        }
        if (segments > 0)
            PolyPolyline(dc, points.data(), counts.data(), static_cast<DWORD>(segments));
        start = end;
        remaining -= c;
    }
}

double PolynomialFunctionPolicy::Evaluate(const FunctionRecord& f, double x) {
    const std::vector<double>& c = f.coefficients;
    if (c.empty())
        return 0.0;
    // Horner over t = powerScale * x: c1 + c2 t + c3 t^2 + ..., times x.
    const double t = f.powerScale * x;
    double sum = 0.0;
    for (std::size_t k = c.size() - 1; k >= 1; --k)
        sum = sum * t + c[k];
    return c[0] + x * sum;
}

double ExponentialFunctionPolicy::Evaluate(const FunctionRecord& f, double x) {
    return f.coefficients[0] * std::exp(f.coefficients[1] * x);
}

template <class Policy>
void FunctionGlyphPlotter<Policy>::DrawFunction(HDC dc, const FunctionRecord& f, const RECT& plot, double x0,
                                                double x1) {
    if (Policy::Drawable(f))
        PlotSegments(dc, f, plot, x0, x1, &Policy::Evaluate);
}

template class FunctionGlyphPlotter<PolynomialFunctionPolicy>;
template class FunctionGlyphPlotter<ExponentialFunctionPolicy>;

} // namespace ZOzuve1

// The x-y, glyph and function plotters, drawn into small bitmaps.

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "plot/GlyphPlotter.h"
#include "plot/XYCPlotter.h"
#include "tests/platform/gdi/Canvas.h"
#include "tests/plot/SeriesData.h"

namespace {

using namespace ZOzuve1;
using gdi_test::Canvas;
using gdi_test::Points;
using PlotTest::SeriesData;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
const RECT kPlot{10, 10, 60, 60};

// A plotter over a series with maps of its own: a value is a pixel from the
// plot rectangle's corner.
struct Plot {
    explicit Plot(SeriesData* data) {
        plotter.SetMap(Axis::X, &x);
        plotter.SetMap(Axis::Y, &y);
        plotter.SetPlotData(data, 0, true);
    }
    SeriesData& Data() { return *static_cast<SeriesData*>(plotter.Data()); }
    void Draw(Canvas& c) { plotter.Draw(c.dc(), nullptr, kPlot, kPlot); }

    ScaleMap x;
    ScaleMap y;
    XYCPlotter plotter;
};

TEST(XYCPlotter, DrawsAndBinsOnlyPointsInsideThePlot) {
    Canvas c(80, 80);
    Plot p(new SeriesData({0, 49.5f, 50, 20, 20, 20}, {0, 5, 5, 48.9f, 49, -0.5f}, kRed, 0));
    p.Data().first = 100;
    p.Draw(c);
    // x = left is in, x = right is out; y must stay above bottom - 1.
    EXPECT_EQ(c.Where(kRed), (Points{{10, 10}, {59, 15}, {30, 58}}));
    EXPECT_EQ(p.Data().BinCount(), 3u);
    PlotBin bin;
    ASSERT_TRUE(p.Data().GetBin(49, 5, &bin));
    EXPECT_EQ(bin.index, 101u) << "the owner's numbering";
    EXPECT_FLOAT_EQ(bin.x, 49.5f);
    EXPECT_FALSE(p.plotter.AlwaysRedraw());
    EXPECT_FALSE(p.Data().RedrawPending());
}

TEST(XYCPlotter, ASecondPointOfTheSameColourInAPixelIsNotPaintedAgainButBinned) {
    Canvas c(80, 80);
    Plot p(new SeriesData({5, 5.4f, 5.7f}, {5, 5.3f, 5}, kRed, 0));
    p.Data().perPoint = {kRed, kRed, RGB(0, 0, 255)};
    p.Draw(c);
    EXPECT_EQ(gdi::DisplayListOf(c.dc())->Named("SetPixel").size(), 2u) << "the blue one is painted";
    PlotBin bin;
    ASSERT_TRUE(p.Data().GetBin(5, 5, &bin));
    EXPECT_EQ(bin.index, 2u) << "the bin holds the last point";
    EXPECT_EQ(c.At(15, 15), RGB(0, 0, 255));
}

TEST(XYCPlotter, LinesAreCutAtThePlotAndBreakAtMissingValues) {
    Canvas c(80, 80);
    // Inside, far right, inside, no value, inside.
    Plot p(new SeriesData({10, 100, 5, kNaN, 45}, {20, 20, 45, 45, 45}, kRed, kDrawLines));
    p.Draw(c);
    for (auto [x, y] : c.Where(kRed)) {
        EXPECT_TRUE(x >= 10 && x < 60 && y >= 10 && y < 60) << x << "," << y;
    }
    EXPECT_EQ(c.At(58, 30), kRed) << "the segment to the far point is cut at right - 1";
    EXPECT_EQ(c.At(59, 30), kWhite) << "whose own pixel a line leaves out";
    // Nothing joins the point before the missing one to the one after it.
    for (int x = 20; x < 55; ++x)
        EXPECT_EQ(c.At(x, 55), kWhite) << x;
}

TEST(XYCPlotter, AMissingYWithMarkersTicksTheTopEdge) {
    Canvas c(80, 80);
    Plot p(new SeriesData({20, 45}, {kNaN, 20}, kRed, kDrawMarkers));
    p.Draw(c);
    // W = max(2, int(96 * 2 / 72)) = 2: the tick runs from px - 2 to px + 2.
    for (int x = 28; x <= 32; ++x)
        EXPECT_EQ(c.At(x, 10), kRed) << x;
    EXPECT_EQ(c.At(27, 10), kWhite);
    EXPECT_EQ(c.At(33, 10), kWhite);
    EXPECT_EQ(p.Data().BinCount(), 1u) << "a missing value is not binned";
}

TEST(XYCPlotter, MarkersTakeTheirShapeFromTheFirstShapeBit) {
    struct Case {
        std::uint32_t flags;
        Points expected;
    };
    // Half sizes int(2.5 * 2) = 5 around (30, 30).
    const Case cases[] = {
        {kDrawMarkers | 0x20 | 0x10, gdi_test::RectPoints(25, 25, 35, 35)}, // the square's bit comes first
        {kDrawMarkers | 0x100, {}},                                         // outlined square, checked below
    };
    for (const Case& k : cases) {
        Canvas c(80, 80);
        Plot p(new SeriesData({20}, {20}, kRed, k.flags));
        p.Draw(c);
        if (!k.expected.empty()) {
            EXPECT_EQ(c.Where(kRed), k.expected) << k.flags;
        } else {
            EXPECT_EQ(c.At(25, 25), kRed);
            EXPECT_EQ(c.At(35, 30), kRed);
            EXPECT_EQ(c.At(30, 30), kWhite) << "outlined";
        }
    }
    Canvas c(80, 80);
    Plot cross(new SeriesData({20}, {20}, kRed, kDrawMarkers));
    cross.Draw(c);
    EXPECT_EQ(c.At(28, 28), kRed);
    EXPECT_EQ(c.At(32, 28), kRed);
    EXPECT_EQ(c.At(30, 29), kWhite) << "a diagonal cross";
}

TEST(XYCPlotter, TheHighlightIsCutToThePlot) {
    Canvas c(80, 80);
    Plot p(new SeriesData({}, {}, kRed, 0));
    p.Data().xs = {1};
    p.Data().ys = {1};
    p.Data().highlightX = 40;
    p.Data().highlightY = 20;
    p.Data().highlightScale = 1;
    p.Data().highlightColour = RGB(0, 0, 255);
    p.Draw(c);
    // Half sizes 1 * 2 * 4 = 8; on x cut to right - centre - 1 = 9.
    EXPECT_EQ(c.At(42, 22), RGB(0, 0, 255)) << "left edge at 50 - 8";
    EXPECT_EQ(c.At(58, 30), RGB(0, 0, 255)) << "right edge at 50 + 8";
    EXPECT_EQ(c.At(50, 30), kWhite);
}

TEST(XYCPlotter, AnOwnerThatCannotDrawEndsTheDraw) {
    Canvas c(80, 80);
    Plot p(new SeriesData({5}, {5}, kRed, 0));
    p.Data().canDraw = false;
    p.Draw(c);
    EXPECT_TRUE(c.Where(kRed).empty());
    EXPECT_FALSE(p.plotter.AlwaysRedraw());
    EXPECT_EQ(p.Data().asked, 0);
}

TEST(XYCPlotter, ExtentsReachTheDataOnlyAsProperIntervals) {
    Plot p(new SeriesData({}, {}));
    p.Data().ClearRedrawPending();
    p.plotter.SetXExtent(5, 5);
    EXPECT_EQ(p.Data().xExtent, (Extent{}));
    EXPECT_FALSE(p.Data().RedrawPending());
    p.plotter.SetXExtent(1, 5);
    EXPECT_EQ(p.Data().xExtent, (Extent{1, 5}));
    EXPECT_TRUE(p.Data().RedrawPending());
    EXPECT_TRUE(p.plotter.IsDataChanged());
}

TEST(XYCPlotter, TheLegendWidensTheDatasBounds) {
    Canvas c(300, 200);
    Plot p(new SeriesData({5}, {5}, kRed, kDrawMarkers | kDrawLegend | 0x10 | 0x40));
    p.Data().SetName(u"Loops");
    p.plotter.Draw(c.dc(), nullptr, RECT{10, 10, 290, 190}, RECT{10, 10, 290, 190});
    const LegendBounds& b = p.Data().legendBounds;
    EXPECT_EQ(b.left, 10 + 5) << "one average character in";
    EXPECT_EQ(b.top, 10);
    EXPECT_GT(b.bottom, b.top + 2 * 12) << "two rows";
    EXPECT_GT(b.rowExtent, 15 * 5);
    const auto texts = gdi::DisplayListOf(c.dc())->Named("TextOutW");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, u"Loops");
    EXPECT_EQ(texts[0].fontFace, u"MS Shell Dlg 2");
}

// Values read through iterators, counting the chunk sizes asked for.
struct Iterated : XYCPlotData2 {
    struct Values : GraphFloatIterator {
        int Read(int position, int count, float* buffer) override {
            reads.push_back(count);
            for (int i = 0; i < count; ++i)
                buffer[i] = static_cast<float>((position + i) % 50);
            return count;
        }
        std::vector<int> reads;
    } xs, ys;
    bool GetData(int, int* count, int* first, GraphFloatIterator** x, GraphFloatIterator** y,
                 GraphColorrefIterator** colours, int* stride, COLORREF* colour,
                 std::uint32_t* flags) override {
        *count = 300;
        *first = 0;
        *x = &xs;
        *y = &ys;
        *colours = nullptr;
        *stride = 0;
        *colour = kRed;
        *flags = 0;
        return true;
    }
};

TEST(XYCPlotter2, ReadsItsPointsInChunksOf128) {
    Canvas c(80, 80);
    auto* data = new Iterated;
    XYCPlotter2 plotter;
    ScaleMap identity;
    plotter.SetMap(Axis::X, &identity);
    plotter.SetMap(Axis::Y, &identity);
    plotter.SetPlotData(data, 0, true);
    plotter.Draw(c.dc(), nullptr, kPlot, kPlot);
    EXPECT_EQ(data->xs.reads, (std::vector<int>{128, 128, 44}));
    EXPECT_EQ(c.At(10 + 48, 10 + 48), kRed);
}

TEST(GraphDrawer, WithoutItsOwnDrawingItSaysSo) {
    Canvas c(300, 100);
    struct Bare : GraphDrawer {
    } bare;
    bare.Draw(c.dc(), nullptr, RECT{0, 0, 300, 100}, RECT{0, 0, 300, 100});
    const auto texts = gdi::DisplayListOf(c.dc())->Named("TextOutW");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, u"You forgot the OnDraw handler");
    EXPECT_EQ(texts[0].args[0], 150);
}

// Glyphs and functions of the tests.
struct Glyphs : FunctionGlyphPlotData {
    bool GetGlyphs(int, int* count, const GlyphRecord** records) override {
        *count = static_cast<int>(glyphs.size());
        *records = glyphs.data();
        return true;
    }
    bool GetFunctions(int, int* count, const FunctionRecord** records) override {
        *count = static_cast<int>(functions.size());
        *records = functions.data();
        return true;
    }
    std::vector<GlyphRecord> glyphs;
    std::vector<FunctionRecord> functions;
};

TEST(GlyphPlotter, GlyphsOnThePlotsEdgesAreLeftOut) {
    Canvas c(80, 80);
    auto* data = new Glyphs;
    auto glyph = [](std::int32_t kind, double x, double y) {
        GlyphRecord g;
        g.kind = kind;
        g.x = x;
        g.y = y;
        g.colour = kRed;
        return g;
    };
    data->glyphs = {glyph(kGlyphArrow, 0, 0), glyph(kGlyphArrow, 50, 0), glyph(kGlyphHorizontal, 0, 0),
                    glyph(kGlyphHorizontal, 0, 50), glyph(kGlyphVertical, 20, 0)};
    GlyphPlotter g;
    ScaleMap identity;
    g.SetMap(Axis::X, &identity);
    g.SetMap(Axis::Y, &identity);
    g.SetPlotData(data, 0, true);
    g.Draw(c.dc(), nullptr, kPlot, kPlot);
    EXPECT_TRUE(gdi::DisplayListOf(c.dc())->Named("Polygon").empty()) << "arrows at left and right";
    EXPECT_EQ(c.At(30, 10), kRed) << "the vertical rule";
    EXPECT_EQ(c.At(40, 10), kWhite) << "no rule on the top or bottom edge";
    EXPECT_EQ(c.At(40, 59), kWhite);
}

TEST(FunctionGlyphPlotter, SamplesEveryColumnInJoinedRunsOf512) {
    Canvas c(1320, 100);
    auto* data = new Glyphs;
    FunctionRecord line;
    line.coefficients = {10.0, 0.01}; // y = 10 + x / 100
    line.colour = kRed;
    data->functions = {line};
    FunctionGlyphPlotter<PolynomialFunctionPolicy> f;
    ScaleMap identity;
    f.SetMap(Axis::X, &identity);
    f.SetMap(Axis::Y, &identity);
    f.SetPlotData(data, 0, true);
    const RECT plot{10, 0, 1310, 100};
    f.Draw(c.dc(), nullptr, plot, plot);
    const auto runs = gdi::DisplayListOf(c.dc())->Named("PolyPolyline");
    ASSERT_EQ(runs.size(), 3u);
    // args: the counts, then the points; a run of c columns has c - 1 segments.
    EXPECT_EQ(runs[0].args.size(), 511u + 511u * 4u);
    EXPECT_EQ(runs[2].args.size(), 275u + 275u * 4u);
    const auto lastOf = [](const gdi::DrawCall& call) {
        return std::pair{call.args[call.args.size() - 2], call.args.back()};
    };
    const auto firstOf = [](const gdi::DrawCall& call, std::size_t segments) {
        return std::pair{call.args[segments], call.args[segments + 1]};
    };
    EXPECT_EQ(lastOf(runs[0]), firstOf(runs[1], 511)) << "the runs join";
    EXPECT_EQ(firstOf(runs[0], 511), (std::pair<std::int64_t, std::int64_t>{10, 10}));
    EXPECT_EQ(lastOf(runs[2]), (std::pair<std::int64_t, std::int64_t>{1310, 23}));
}

TEST(FunctionGlyphPlotter, ClipsTheCurveToItsRangeAndSurvivesOverflow) {
    Canvas c(80, 80);
    auto* data = new Glyphs;
    FunctionRecord clipped;
    clipped.flags = kClipToXMin;
    clipped.xMin = 20;
    clipped.coefficients = {5.0};
    clipped.colour = kRed;
    FunctionRecord huge;
    huge.coefficients = {1.0, 50.0}; // exp(50 x): overflows to infinity
    huge.colour = RGB(0, 0, 255);
    data->functions = {clipped, huge};
    FunctionGlyphPlotter<ExponentialFunctionPolicy> exponential;
    FunctionGlyphPlotter<PolynomialFunctionPolicy> polynomial;
    ScaleMap identity;
    for (GraphDrawer* d : std::initializer_list<GraphDrawer*>{&exponential, &polynomial}) {
        d->SetMap(Axis::X, &identity);
        d->SetMap(Axis::Y, &identity);
    }
    polynomial.SetPlotData(data, 0, false);
    polynomial.Draw(c.dc(), nullptr, kPlot, kPlot);
    EXPECT_EQ(c.At(10 + 19, 15), kWhite) << "before xMin";
    EXPECT_EQ(c.At(10 + 21, 15), kRed);
    exponential.SetPlotData(data, 0, true);
    exponential.Draw(c.dc(), nullptr, kPlot, kPlot);
    for (auto [x, y] : c.Where(RGB(0, 0, 255)))
        EXPECT_TRUE(x >= 10 && x < 60 && y >= 10 && y < 60) << x << "," << y;
    FunctionGlyphPlotter<PolynomialFunctionPolicy> narrow;
    narrow.SetMap(Axis::X, &identity);
    narrow.SetMap(Axis::Y, &identity);
    auto* one = new Glyphs;
    one->functions = {clipped};
    one->functions[0].flags = 0;
    narrow.SetPlotData(one, 0, true);
    narrow.Draw(c.dc(), nullptr, RECT{70, 0, 71, 20}, RECT{70, 0, 71, 20});
    EXPECT_EQ(c.At(70, 5), kRed) << "one column: one sample";
}

TEST(FunctionPolicies, EvaluateTheirFunctions) {
    FunctionRecord f;
    f.coefficients = {1.0, 2.0, 3.0};
    EXPECT_DOUBLE_EQ(PolynomialFunctionPolicy::Evaluate(f, 2.0), 1 + 4 + 12);
    f.powerScale = 0.5; // c0 + c1 x + c2 x (0.5 x)
    EXPECT_DOUBLE_EQ(PolynomialFunctionPolicy::Evaluate(f, 2.0), 1 + 4 + 6);
    f.coefficients = {1.2, 0.045};
    EXPECT_DOUBLE_EQ(ExponentialFunctionPolicy::Evaluate(f, 40.0), 1.2 * std::exp(1.8));
    EXPECT_FALSE(ExponentialFunctionPolicy::Drawable(FunctionRecord{}));
}

} // namespace

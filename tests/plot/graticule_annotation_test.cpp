// The graticule over strips of the tests' own, and the basic annotation's mark.

#include <gtest/gtest.h>

#include "host/engine/ComObject.h"
#include "plot/BasicAnnotation.h"
#include "plot/GraphGraticule.h"
#include "tests/platform/gdi/Canvas.h"
#include "tests/plot/SeriesData.h"

namespace {

using namespace ZOzuve1;
using gdi_test::Canvas;
using gdi_test::Points;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrid = 0xFFAFAF;

// A strip that answers only what the graticule asks: its ticks (when it has
// the tick interface), its rectangle and its grid lines.
class Strip : public Vantrel::ComObject<IScaleStrip, IScaleStripTicks> {
public:
    Strip(std::vector<int> offsets, RECT rect, bool ticks = true)
        : mOffsets(std::move(offsets)), mRect(rect), mTicks(ticks) {}

    double last = 0.0;
    double step = 0.0;

    HRESULT GetTickCount(LONG* count) override {
        *count = static_cast<LONG>(mOffsets.size());
        return S_OK;
    }
    HRESULT GetTicks(LONG capacity, ScaleTick* ticks, LONG* returned) override {
        *returned = std::min<LONG>(capacity, static_cast<LONG>(mOffsets.size()));
        for (LONG i = 0; i < *returned; ++i)
            ticks[i] = {mOffsets[static_cast<std::size_t>(i)], 0};
        return S_OK;
    }
    HRESULT GetStripRect(RECT* rect) override {
        *rect = mRect;
        return S_OK;
    }
    HRESULT GetGridLines(LONG* word, double* l, double* s) override {
        *word = 0;
        *l = last;
        *s = step;
        return S_OK;
    }
    HRESULT SetOriginAndTitle(const ScalePair*, const WCHAR*) override { return S_OK; }
    HRESULT GetOriginAndTitle(ScalePair*, BSTR*) override { return S_OK; }
    HRESULT SetInterval(const ScalePair*) override { return S_OK; }
    HRESULT GetInterval(ScalePair*) override { return S_OK; }
    HRESULT SetRect(const RECT*) override { return S_OK; }
    HRESULT GetTransform(ScalePair*) override { return S_OK; }
    HRESULT Refresh(LONG) override { return S_OK; }
    HRESULT SetUnit(const WCHAR*) override { return S_OK; }
    HRESULT Show(VARIANT_BOOL) override { return S_OK; }
    HRESULT Draw(HDC, HDC, VARIANT_BOOL) override { return S_OK; }
    HRESULT SetLimits(const ScalePair*) override { return S_OK; }
    HRESULT AddObserver(IDragScaleObserver*) override { return S_OK; }
    HRESULT RemoveObserver(IDragScaleObserver*) override { return S_OK; }
    HRESULT SetBounds(double, double) override { return S_OK; }
    HRESULT SetMinSpan(const ScalePair*) override { return S_OK; }
    HRESULT GetStyle(DWORD*) override { return S_OK; }
    HRESULT SetStyle(DWORD) override { return S_OK; }
    HRESULT GetDragLink(LONG, IUnknown**) override { return E_NOTIMPL; }

protected:
    void* find(REFIID iid) override {
        if (iid == IID_IScaleStrip)
            return static_cast<IScaleStrip*>(this);
        return iid == IID_IScaleStripTicks && mTicks ? static_cast<IScaleStripTicks*>(this) : nullptr;
    }

private:
    std::vector<int> mOffsets;
    RECT mRect;
    bool mTicks;
};

struct Grid {
    Grid(std::vector<int> xs, std::vector<int> ys, bool ticks = true, RECT xRect = {10, 40, 40, 50})
        : x(ComPtr<Strip>::Adopt(new Strip(std::move(xs), xRect, ticks))),
          y(ComPtr<Strip>::Adopt(new Strip(std::move(ys), {0, 10, 10, 40}, ticks))) {
        graticule.SetScaleObjects(static_cast<IScaleStrip*>(x.Get()), static_cast<IScaleStrip*>(y.Get()));
        graticule.SetRect({10, 10, 40, 40});
    }
    ComPtr<Strip> x;
    ComPtr<Strip> y;
    GraphGraticule graticule;
};

TEST(Graticule, DrawsDottedLinesAtTheTicksInsideItsRectangle) {
    Canvas c(60, 60);
    Grid g({0, 10, 30}, {5, 30});
    g.graticule.Draw(c.dc(), nullptr, nullptr);
    EXPECT_EQ(c.At(10, 10), kGrid) << "x tick 0: a line down the left edge";
    EXPECT_EQ(c.At(20, 12), kGrid);
    EXPECT_EQ(c.At(40, 20), kWhite) << "a tick at the width is left out";
    EXPECT_EQ(c.At(12, 15), kGrid) << "y tick 5";
    EXPECT_EQ(c.At(12, 40), kWhite);
    const auto lines = gdi::DisplayListOf(c.dc())->Named("LineTo");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].penStyle, PS_DOT);
}

TEST(Graticule, DotsMarkOnlyTheCrossings) {
    Canvas c(60, 60);
    Grid g({0, 10}, {5});
    GraphDisplayInfo info;
    info.dotted = 1;
    g.graticule.SetDisplayInfo(info);
    g.graticule.Draw(c.dc(), nullptr, nullptr);
    EXPECT_EQ(c.Where(kGrid), (Points{{10, 15}, {20, 15}}));
}

TEST(Graticule, DrawsNothingForANarrowStripOrAClipBesideIt) {
    Canvas c(60, 60);
    Grid narrow({0, 10}, {5}, true, {10, 40, 11, 50});
    narrow.graticule.Draw(c.dc(), nullptr, nullptr);
    Grid g({0, 10}, {5});
    const RECT beside{40, 10, 50, 40}; // touches only the right edge
    g.graticule.Draw(c.dc(), nullptr, &beside);
    EXPECT_TRUE(c.NotEqual(kWhite).empty());
}

TEST(Graticule, WithoutTicksFallsBackToTheStripsGridLines) {
    Canvas c(60, 60);
    Grid g({}, {}, false);
    g.x->last = 30.0; // lines at 30, 20, 10, 0 pixels; X = right is drawn
    g.x->step = -10.0;
    g.y->last = 15.0;
    g.y->step = -15.0;
    g.graticule.Draw(c.dc(), nullptr, nullptr);
    const auto lines = gdi::DisplayListOf(c.dc())->Named("LineTo");
    EXPECT_EQ(lines.size(), 4u + 2u);
    EXPECT_EQ(lines[0].args[0], 40) << "a fallback line at X = right";
    Canvas d(60, 60);
    g.x->step = 0.0; // no grid on either axis
    g.graticule.Draw(d.dc(), nullptr, nullptr);
    g.x->step = -0.001; // 30000 lines: refused
    g.graticule.Draw(d.dc(), nullptr, nullptr);
    EXPECT_TRUE(d.NotEqual(kWhite).empty());
}

// One data point, binned in the cell (column, row): the annotation snaps to it.
struct OnePoint : PlotTest::SeriesData {
    OnePoint(int column, int row, double x, double y) : PlotTest::SeriesData({}, {}) {
        int out = 0;
        BeginBinning(100, 100, &out);
        SetBin(column, row, x, y, 0, 0, 0);
        EndBinning();
    }
};

struct Annotated {
    Annotated(double x, double y) : data(static_cast<int>(x), static_cast<int>(y), x, y) {
        a.SetMap(Axis::X, &identity);
        a.SetMap(Axis::Y, &identity);
        a.SetSource(&data, 0, false);
    }
    OnePoint data;
    ScaleMap identity;
    BasicAnnotation a;
};

TEST(BasicAnnotation, AnInvertingMarkIsMovedWithoutATrace) {
    Canvas c(60, 60);
    Annotated n(20, 20);
    const RECT plot{0, 0, 60, 60};
    n.a.SetRasterOp(BasicAnnotation::kInvert);
    ASSERT_TRUE(n.a.FollowPointer(25, 22, plot));
    n.a.Draw(c.dc(), nullptr, plot, plot);
    // Two strokes, each inverting: the centre, crossed twice, stays white.
    const Points cross{{20, 17}, {20, 18}, {20, 19}, {20, 21}, {20, 22}, {20, 23},
                       {17, 20}, {18, 20}, {19, 20}, {21, 20}, {22, 20}, {23, 20}};
    EXPECT_EQ(c.NotEqual(kWhite), cross);
    n.a.Draw(c.dc(), nullptr, plot, plot);
    EXPECT_EQ(c.NotEqual(kWhite), cross) << "drawn again at the same place: one mark";
    OnePoint other(40, 40, 40, 40);
    n.a.SetSource(&other, 0, false);
    n.a.SetPosition(40, 40);
    n.a.Draw(c.dc(), nullptr, plot, plot);
    EXPECT_EQ(c.At(20, 18), kWhite) << "the old mark is gone";
    EXPECT_EQ(c.At(40, 38), RGB(0, 0, 0));
}

TEST(BasicAnnotation, PointsAboveThePlotShowACaretAndMissingValuesNone) {
    Canvas c(60, 60);
    Annotated n(30, 0);
    n.data.SetBin(30, 0, 30, -3, 0, 0, 0); // the point's value lies 3 above the plot
    const RECT plot{0, 10, 60, 60};
    ASSERT_TRUE(n.a.SetPosition(30, 0));
    ASSERT_TRUE(n.a.IsValid());
    n.a.Draw(c.dc(), nullptr, plot, plot);
    // (px - s, top + s) to (px, top) to (px + s + 1, top + s + 1)
    EXPECT_EQ(c.At(30, 10), RGB(0, 0, 0));
    EXPECT_EQ(c.At(27, 13), RGB(0, 0, 0));
    EXPECT_EQ(c.At(33, 13), RGB(0, 0, 0));

    struct Missing : PlotData {
        bool HitTest(int, TrackInfo* info) override {
            info->x = 1;
            info->y = std::nan("");
            info->found = true;
            return true;
        }
    } missing;
    n.a.SetSource(&missing, 0, false);
    EXPECT_FALSE(n.a.FollowPointer(30, 30, plot));
    EXPECT_FALSE(n.a.IsValid());
    TrackInfo hint;
    EXPECT_FALSE(n.a.GetHint(&hint));
}

} // namespace

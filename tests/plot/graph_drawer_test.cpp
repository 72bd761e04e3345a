// The graph drawer without a window: layout, axes and strips, lists.

#include <cmath>

#include <gtest/gtest.h>

#include "host/graph/ScaleStrip.h"
#include "plot/Graph2DDrawer.h"
#include "plot/XYCPlotter.h"
#include "tests/platform/gdi/Canvas.h"
#include "tests/plot/PlotHost.h"
#include "tests/plot/SeriesData.h"

namespace {

using namespace ZOzuve1;
using PlotTest::MessageLog;

class GraphDrawerTest : public PlotTest::PlotHost {};

// Counts its deletions.
struct CountedDrawer : GraphDrawer {
    explicit CountedDrawer(int& d) : deleted(d) {}
    ~CountedDrawer() override { ++deleted; }
    void OnDraw(HDC, HDC, const RECT&, const RECT&) override {}
    int& deleted;
};

TEST_F(GraphDrawerTest, ThePlotRectangleLeavesTheMarginsAndIsNeverEmpty) {
    Graph2DDrawer d;
    const struct {
        RECT in;
        RECT plot;
    } cases[] = {
        {{5, 5, 405, 305}, {65, 5, 405, 245}},
        {{0, 0, 40, 300}, {60, 0, 61, 240}},     // narrower than the left margin
        {{0, 10, 300, 50}, {60, -11, 300, -10}}, // lower than the bottom margin
    };
    for (const auto& c : cases) {
        const RECT p = d.GetPlotRect(c.in);
        EXPECT_EQ(p.left, c.plot.left);
        EXPECT_EQ(p.top, c.plot.top);
        EXPECT_EQ(p.right, c.plot.right);
        EXPECT_EQ(p.bottom, c.plot.bottom);
    }
}

TEST_F(GraphDrawerTest, MadeWithTheServicesStripsAndTheirTransforms) {
    Graph2DDrawer d;
    ASSERT_NE(d.XStrip(), nullptr);
    ASSERT_NE(d.YStrip(), nullptr);
    EXPECT_EQ(graphs->StripsMade(), 2);
    EXPECT_EQ(d.GetXAxisTitle(), u"Units");
    auto* x = static_cast<Vantrel::ScaleStrip*>(d.XStrip());
    EXPECT_EQ(x->Title(), u"Units") << "the settings went to the strip";
    d.SetDomain(20, 60);
    d.SetRange(0, 150);
    d.SetDrawerRect({5, 5, 465, 365});
    d.SetRect({5, 5, 465, 365}, false);
    EXPECT_EQ(x->Rect().left, 65);
    EXPECT_EQ(x->Rect().top, 305);
    EXPECT_EQ(x->Rect().bottom, 365);
    EXPECT_DOUBLE_EQ(d.XPixelTransform().scale, 400.0 / 40.0);
    EXPECT_DOUBLE_EQ(d.XPixelTransform().offset, -20.0);
    EXPECT_DOUBLE_EQ(d.YPixelTransform().scale, -300.0 / 150.0);
    EXPECT_DOUBLE_EQ(d.YPixelTransform().offset, -150.0);
    EXPECT_EQ(d.UpdateNesting(), 0);
}

TEST_F(GraphDrawerTest, AnEmptyRectangleChangesNothing) {
    Graph2DDrawer d;
    d.SetRect({0, 0, 300, 300}, false);
    const ScaleMap before = d.XPixelTransform();
    auto* x = static_cast<Vantrel::ScaleStrip*>(d.XStrip());
    const RECT placed = x->Rect();
    d.SetRect({10, 10, 10, 200}, false);
    d.SetRect({10, 10, 200, 10}, false);
    EXPECT_EQ(d.XPixelTransform(), before);
    EXPECT_EQ(x->Rect().right, placed.right);
}

TEST_F(GraphDrawerTest, SetDomainIsIgnoredWhileTheStripIsDraggedAndLeftToADrivingStrip) {
    struct Drawer : Graph2DDrawer {
        void Drag(int n) { mXDragCount = n; }
    } d;
    MessageLog log;
    d.AddChangeReceiver(&log);
    d.SetDomain(1, 2);
    EXPECT_EQ(log.names, (std::vector<std::string>{"domain"}));
    d.Drag(1);
    d.SetDomain(3, 4);
    double x0 = 0, x1 = 0;
    d.GetDomain(x0, x1);
    EXPECT_EQ(x0, 1.0);
    d.Drag(0);
    d.SetScaleObjects(d.XStrip(), d.YStrip(), true, false);
    log.names.clear();
    d.SetDomain(5, 6);
    d.GetDomain(x0, x1);
    EXPECT_EQ(x0, 1.0) << "the strip answers with a scaling message";
    ScalePair interval{};
    d.XStrip()->GetInterval(&interval);
    EXPECT_EQ(interval.second, 5.0);
    EXPECT_TRUE(log.names.empty());
    d.SetRange(-1, 1);
    EXPECT_EQ(log.names, (std::vector<std::string>{"range"}));
}

TEST_F(GraphDrawerTest, AMinimumSpanWidensTheBoundsFirstThenTheDomainWhereItStillFits) {
    Graph2DDrawer d;
    d.SetXScaleBounds(0, 10);
    d.SetDomain(2, 3);
    d.SetXMinSpan(4);
    double a = 0, b = 0;
    d.GetDomain(a, b);
    EXPECT_EQ(a, 2.0);
    EXPECT_EQ(b, 6.0);
    d.SetXMinSpan(20); // wider than the bounds: bounds (0, 20), and 6 + 20 > 10 (the old upper bound)
    d.GetXScaleBounds(a, b);
    EXPECT_EQ(b, 20.0);
    d.GetDomain(a, b);
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(b, 20.0);
    auto* strip = static_cast<Vantrel::ScaleStrip*>(d.XStrip());
    EXPECT_EQ(strip->Bounds().first, 20.0) << "bounds travel second value first";
    d.SetXScaleBounds(-5, std::nan(""));
    d.SetDomain(2, 3);
    d.SetXMinSpan(4); // 2 + 4 <= NaN is false: from the lower bound
    d.GetDomain(a, b);
    EXPECT_EQ(a, -5.0);
    EXPECT_EQ(b, -1.0);
}

TEST_F(GraphDrawerTest, ADrawerListedTwiceIsDeletedOnceWhenTheLastEntryGoes) {
    int deleted = 0;
    {
        Graph2DDrawer d;
        auto* p = new CountedDrawer(deleted);
        EXPECT_FALSE(d.AddPlotter(nullptr, true));
        EXPECT_TRUE(d.AddPlotter(p, true));
        EXPECT_TRUE(d.AddPlotter(p, true));
        EXPECT_EQ(p->Map(Axis::X), &d.XPixelTransform());
        EXPECT_TRUE(d.RemovePlotter(p)); // the last entry; the first still holds it
        EXPECT_EQ(deleted, 0);
        EXPECT_EQ(d.PlotterAt(0), p);
        EXPECT_EQ(d.PlotterAt(1), nullptr);
        EXPECT_TRUE(d.RemovePlotter(p));
        EXPECT_EQ(deleted, 1);
        EXPECT_FALSE(d.RemovePlotter(p));

        auto* q = new CountedDrawer(deleted);
        d.AddPlotter(q, false);
        d.AddPlotter(q, true);
        d.AddPlotter(new CountedDrawer(deleted), true);
        EXPECT_TRUE(d.RemoveAllPlotters());
        EXPECT_EQ(deleted, 3);
        EXPECT_FALSE(d.RemoveAllPlotters());

        auto* a = new BasicAnnotation;
        d.AddAnnotation(a, true);
        d.AddAnnotation(a, false);
        d.RemoveAnnotation(a); // the owning entry hands its ownership to the other
        EXPECT_EQ(d.AnnotationCount(), 1);
        // The drawer's destruction deletes it once.
    }
    EXPECT_EQ(deleted, 3);
}

TEST_F(GraphDrawerTest, AppliedDomainsReachEveryDrawerAndMarkPlottersForARedraw) {
    Graph2DDrawer d;
    auto* p = new XYCPlotter;
    p->SetPlotData(new PlotTest::SeriesData({1}, {1}), 0, true);
    d.AddPlotter(p, true);
    p->SetAlwaysRedraw(false);
    d.SetDomain(3, 7);
    EXPECT_TRUE(p->AlwaysRedraw());
    EXPECT_EQ(p->XExtent(), (Extent{3, 7}));
    EXPECT_EQ(static_cast<PlotTest::SeriesData*>(p->Data())->xExtent, (Extent{3, 7}));
    EXPECT_EQ(d.Queens().XExtent(), (Extent{3, 7}));
}

TEST_F(GraphDrawerTest, TheAxisSettingsReachTheStrips) {
    Graph2DDrawer d;
    auto* x = static_cast<Vantrel::ScaleStrip*>(d.XStrip());
    auto* y = static_cast<Vantrel::ScaleStrip*>(d.YStrip());
    d.SetXAxisTitle(u"Volume");
    d.SetXAxisUnit(u"\u00B5l");
    d.SetYAxisTitle(u"Pressure");
    d.SetYAxisUnit(u"mmHg");
    d.SetXScaleLimits(10, 50);
    EXPECT_EQ(x->Title(), u"Volume");
    EXPECT_EQ(x->Unit(), u"\u00B5l");
    EXPECT_EQ(y->Title(), u"Pressure");
    EXPECT_EQ(x->Limits().first, 50.0) << "limits travel second value first";
    d.SetXScaleStyleBit();
    DWORD style = 0;
    x->GetStyle(&style);
    EXPECT_EQ(style, kStripKindX | kStripStyleBit200);
    EXPECT_EQ(d.GetXScaleProperty(), 10);
    d.SetXScaleOrigin(2.5);
    EXPECT_EQ(d.XScaleOriginRecord(), (ScaleMap{2.5, 0.0}));
    d.ResetXScaleText();
    EXPECT_EQ(x->Title(), u"Volume");
}

TEST_F(GraphDrawerTest, PaintsOnlyARealRectangleAndInRenderAllModeWithoutOverlayOnlyWhite) {
    Graph2DDrawer d;
    MessageLog redraws;
    d.AddRedrawReceiver(&redraws);
    gdi_test::Canvas c(100, 100, RGB(0, 0, 0));
    d.Paint(c.dc(), true, RECT{10, 10, 10, 50});
    EXPECT_TRUE(redraws.names.empty());
    d.renderAll = true;
    d.Paint(c.dc(), true, RECT{0, 0, 100, 100});
    EXPECT_TRUE(redraws.names.empty()) << "strips made without windows draw nothing into the image";
    EXPECT_EQ(c.At(50, 50), RGB(255, 255, 255));
    d.renderAll = false;
    d.Paint(c.dc(), true, RECT{0, 0, 100, 100});
    EXPECT_EQ(redraws.names, (std::vector<std::string>{"begin redraw", "end redraw"}));
    EXPECT_FALSE(d.IsImageDirty());
    d.RemoveRedrawReceiver(&redraws);
}

} // namespace

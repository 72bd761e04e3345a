// The graph views over an analysed recording, as a user sees them: the loop view plots the loops
// with their end-systolic and end-diastolic points and the relation fits whose equations match the
// document's fits; a point click selects its loop; the relation plots show one point per loop with
// their regression; drawing stops when a redraw runs over its budget.

#include <array>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>

#include "analysis/LoopParameters.h"
#include "host/framework/PrintService.h"
#include "platform/gdi/gdi.h"
#include "platform/user/Clipboard.h"
#include "platform/user/Desktop.h"
#include "platform/user/WindowSurfaces.h"
#include "platform/user/user.h"
#include "tests/support/ModuleStrings.h"
#include "tests/views/AnalysedRecording.h"
#include "views/TarvikAnalysisGraphView.h"
#include "views/TarvikRelationViews.h"
#include "views/ZAROwlDocViewClass.h"
#include "workflow/ModelParamAccess.h"

namespace {

using namespace Tarvik;

class GraphViews : public TarvikTest::AnalysedRecording {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        AnalysedRecording::SetUp();
        document = &Document();
        // The workflow is not in use, so the fits show whatever step it was in; both fits linear.
        const ModelPtr setup = document->FindModel();
        SetModelParam<34>(setup, false);
        setup->CommitChange();
        const ModelPtr loopView = document->GetModel(kLoopViewModel);
        SetModelParam<23>(loopView, 0);
        SetModelParam<24>(loopView, 0);
        loopView->CommitChange();
        ASSERT_GT(document->LoopData().GetVChanData().GetStats()->included(), 3);
    }
    void TearDown() override {
        CloseView();
        if (viewClass != nullptr)
            viewClass->Release();
        AnalysedRecording::TearDown();
        user::Desktop::Reset();
    }

    template <class V, DWORD Kind> V& Open() {
        viewClass = new ZAROwlDocViewClass<V, Kind>(u"Graph", &module);
        viewClass->AddRef();
        window = OpenView(viewClass, Kind);
        EXPECT_NE(window, nullptr);
        MoveWindow(window, 0, 0, 640, 420, TRUE);
        Pump();
        return *dynamic_cast<V*>(OWL::GetWindowPtr(window));
    }
    static void Pump() { user::Desktop::Current().Pump(); }

    // The messages of a number of the module's space that the view sent.
    std::vector<Vantrel::CreatedMessage> Sent(WORD number) {
        std::vector<Vantrel::CreatedMessage> found;
        for (const auto& m : Zar().Messages().Created())
            if (m.id == Id(number))
                found.push_back(m);
        return found;
    }
    static TarvikMessageId Id(WORD n) { return MakeMessageId(MessageSpace(TarvikDocumentGUID), n); }
    // The first value of a message's parameter block (after its type code word).
    static std::uint32_t FirstWord(const Vantrel::CreatedMessage& m) {
        std::uint32_t value = 0;
        if (m.data.size() >= 8)
            std::memcpy(&value, m.data.data() + 4, 4);
        return value;
    }

    // The pixel of a data point in the graph window's client.
    static POINT PixelOf(ZOzuve1::Graph2DWindow& graph, double x, double y) {
        const RECT plot = graph.GetPlotRect(graph.DrawerRect());
        return POINT{static_cast<LONG>(graph.XPixelTransform().ToPixel(x, plot.left)),
                     static_cast<LONG>(graph.YPixelTransform().ToPixel(y, plot.top))};
    }
    static void Click(HWND target, POINT p) {
        SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }

    OWL::TModule module{u"Tarvik", ModuleInstance()};
    TarvikDocument* document = nullptr;
    ICAFClassObject* viewClass = nullptr;
    HWND window = nullptr;
};

TEST_F(GraphViews, TheLoopViewPlotsEveryLoopAndTheFitsWithTheDocumentsEquations) {
    auto& loopView = Open<TarvikAnalysisGraphView, 4>();
    ZOzuve1::Graph2DWindow& graph = *loopView.GraphWindow();
    const int loops = loopView.LoopCount();
    EXPECT_EQ(loopView.LoopList().GetCount(), loops);

    // The fits are shown at first; the user unticks the ESPVR and ticks it again: each time the view
    // asks the document, which stores the switch.
    const ModelPtr model = document->GetModel(kLoopViewModel);
    ASSERT_TRUE(GetModelParam<21>(model) && GetModelParam<22>(model));
    EXPECT_EQ(loopView.ShowEspvrBox().GetCheck(), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(graph.PlotterCount(), loops + 1 + 2 + 2) << "the two point sets and the two fit lines";
    SendMessageW(GetDlgItem(window, TarvikAnalysisGraphView::kShowEspvrId), BM_CLICK, 0, 0);
    ASSERT_EQ(Sent(264).size(), 1u);
    EXPECT_EQ(FirstWord(Sent(264)[0]), 0u);
    EXPECT_FALSE(GetModelParam<21>(model));
    EXPECT_EQ(loopView.ShowEspvrBox().GetCheck(), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(graph.PlotterCount(), loops + 1 + 1 + 1);
    SendMessageW(GetDlgItem(window, TarvikAnalysisGraphView::kShowEspvrId), BM_CLICK, 0, 0);
    ASSERT_EQ(Sent(264).size(), 2u);
    EXPECT_EQ(FirstWord(Sent(264)[1]), 1u);
    EXPECT_EQ(graph.PlotterCount(), loops + 1 + 2 + 2);
    graph.OWL::TWindow::Invalidate(true);
    Pump();

    // The equations shown are the document's linear fits (its channels show their own units).
    TarvikData& data = document->LoopData();
    double b = 0, a = 0, r2 = 0;
    ASSERT_TRUE(data.FitLinearESPVR(b, a, r2));
    EXPECT_TRUE(loopView.EspvrCurve().valid);
    EXPECT_EQ(loopView.EspvrCurve().text.ToU16String(),
              TarvikAnalysisGraphView::LinearText(true, a, b, r2).ToU16String());
    const std::u16string espvr = loopView.EspvrCurve().text.ToU16String();
    EXPECT_EQ(espvr.rfind(u"ESPVR: Pes = ", 0), 0u) << std::string(espvr.begin(), espvr.end());
    ASSERT_TRUE(data.FitLinearEDPVR(b, a, r2));
    EXPECT_EQ(loopView.EdpvrCurve().text.ToU16String(),
              TarvikAnalysisGraphView::LinearText(false, a, b, r2).ToU16String());

    // Both fits are copied, one line each.
    Ovo::String copied;
    ASSERT_TRUE(loopView.GetRegressionText(copied));
    EXPECT_EQ(copied.ToU16String(), espvr + u"\r\n" + loopView.EdpvrCurve().text.ToU16String());

    // The quadratic type goes to the document as its word; the curve becomes the polynomial.
    loopView.EspvrTypeBox().SetSelIndex(1);
    loopView.EspvrTypeChanged();
    ASSERT_EQ(Sent(266).size(), 1u);
    EXPECT_EQ(GetModelParam<23>(model), 1);
    graph.OWL::TWindow::Invalidate(true);
    Pump();
    std::vector<double> c;
    double q2 = 0;
    ASSERT_TRUE(data.FitQuadraticRelation(c, &q2, false));
    EXPECT_EQ(loopView.EspvrCurve().text.ToU16String(),
              TarvikAnalysisGraphView::QuadraticText(c, q2).ToU16String());
    const auto path = std::filesystem::temp_directory_path() / "tarvik-loop-view-fits.png";
    EXPECT_TRUE(user::SaveWindowPng(window, path.string()));

    // With the EDPVR unticked only the ESPVR is copied, without a line break.
    SendMessageW(GetDlgItem(window, TarvikAnalysisGraphView::kShowEdpvrId), BM_CLICK, 0, 0);
    ASSERT_EQ(Sent(265).size(), 1u);
    EXPECT_EQ(FirstWord(Sent(265)[0]), 0u);
    EXPECT_FALSE(GetModelParam<22>(model));
    ASSERT_TRUE(loopView.GetRegressionText(copied));
    EXPECT_EQ(copied.ToU16String(), TarvikAnalysisGraphView::QuadraticText(c, q2).ToU16String());
}

TEST_F(GraphViews, ClickingAnEndSystolicPointSelectsItsLoop) {
    auto& loopView = Open<TarvikAnalysisGraphView, 4>();
    ZOzuve1::Graph2DWindow& graph = *loopView.GraphWindow();
    graph.OWL::TWindow::Invalidate(true);
    Pump();
    // The end-systolic point farthest from every other point, so that the click is unambiguous.
    TarvikData& data = document->LoopData();
    std::vector<std::pair<std::int32_t, POINT>> points;
    TarvikEvent loop;
    for (std::int32_t i = 0; i < loopView.LoopCount(); ++i)
        if (data.GetVChanData().GetLoop(i, loop) && loop.state == TarvikEvent::Valid)
            points.emplace_back(i, PixelOf(graph, loop.ves, loop.pes));
    ASSERT_GT(points.size(), 2u);
    std::int32_t chosen = -1;
    LONG farthest = -1;
    POINT at{};
    for (const auto& [i, p] : points) {
        LONG nearest = std::numeric_limits<LONG>::max();
        for (const auto& [j, q] : points)
            if (j != i)
                nearest = std::min(nearest, (p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y));
        if (nearest > farthest) {
            farthest = nearest;
            chosen = i;
            at = p;
        }
    }
    Click(graph.GetHandle(), at);
    const auto selected = Sent(268);
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(static_cast<std::int32_t>(FirstWord(selected[0])), chosen);
    EXPECT_EQ(GetModelParam<58>(document->FindModel()), chosen);
}

TEST_F(GraphViews, ARelationPlotShowsItsRegressionAndReadsOutThePointUnderTheMouse) {
    auto& prsw = Open<TarvikPRSWGraphView, 5>();
    ZOzuve1::Graph2DWindow& graph = *prsw.GraphWindow();
    EXPECT_EQ(prsw.GetYUnitText().ToU16String(), u"mmHg*" + prsw.GetXUnitText().ToU16String());
    double b = 0, a = 0, r = 0;
    ASSERT_TRUE(document->LoopData().FitPRSWLine(b, a, r));
    Ovo::String text;
    ASSERT_TRUE(prsw.GetRegressionText(text));
    EXPECT_EQ(text.ToU16String(), prsw.FormatRegressionText(b, a, r).ToU16String());
    EXPECT_EQ(text.ToU16String().rfind(u"PRSW = ", 0), 0u);

    ASSERT_TRUE(prsw.CopyRegressionToClipboard());
    EXPECT_EQ(user::Desktop::Current().ClipboardState().Text(), std::optional(text.ToU16String()));

    // The mouse over the first loop's point: the title reads it out.
    TarvikEvent loop;
    ASSERT_TRUE(
        document->LoopData().GetVChanData().GetLoop(document->LoopData().UsableToIncludedIndex(0), loop));
    const double ved = loop.ved, sw = loop.sw;
    graph.OWL::TWindow::Invalidate(true);
    Pump();
    const POINT p = PixelOf(graph, ved, sw);
    SendMessageW(graph.GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    const std::u16string readout = prsw.TitleText()->GetText().ToU16String();
    EXPECT_EQ(readout.rfind(u"Stroke Work = ", 0), 0u) << std::string(readout.begin(), readout.end());
}

// A PRSW plot whose chunks hold ten loops and whose clock moves by step while a chunk's points are
// fetched.
class SlowPlot : public TarvikPRSWGraphView {
public:
    using TarvikPRSWGraphView::TarvikPRSWGraphView;
    bool GetChunkInfo(int& first, int& last, int& size, int& lastSize) override {
        first = GetPlotKind();
        size = 10;
        last = first + (LoopCount() + 9) / 10;
        lastSize = LoopCount() % 10;
        return true;
    }
    void GetChunkPoints(int chunk, int& count, const float*& xs, const float*& ys,
                        COLORREF& colour) override {
        ++fetched;
        user::Desktop::Current().Clock().Advance(step);
        TarvikPRSWGraphView::GetChunkPoints(chunk, count, xs, ys, colour);
    }
    // The range autoscaling sees, when set.
    bool GetDataRange(float* xMin, float* xMax, float* yMin, float* yMax) override {
        if (!range)
            return TarvikPRSWGraphView::GetDataRange(xMin, xMax, yMin, yMax);
        *xMin = (*range)[0];
        *xMax = (*range)[1];
        *yMin = (*range)[2];
        *yMax = (*range)[3];
        return true;
    }
    int fetched = 0;
    std::uint64_t step = 0;
    std::optional<std::array<float, 4>> range;
};

// Dark pixels of the notice's corner: the lower right of the plot.
int NoticePixels(HWND graph, const RECT& plot) {
    const gdi::Surface picture = user::WindowPicture(graph);
    int dark = 0;
    for (LONG y = plot.bottom - 30; y < plot.bottom - 6; ++y)
        for (LONG x = plot.right - 260; x < plot.right - 6; ++x)
            dark += gdi::ColorFromPixel(picture.Get(x, y)) == 0 ? 1 : 0;
    return dark;
}

TEST_F(GraphViews, DrawingStopsAfterSevenHundredMillisecondsAndSaysSo) {
    auto& plot = Open<SlowPlot, 5>();
    ZOzuve1::Graph2DWindow& graph = *plot.GraphWindow();
    const RECT area = graph.GetPlotRect(graph.DrawerRect());
    ASSERT_GE(plot.LoopCount(), 30);
    struct Case {
        std::uint64_t step;
        int fetched;
        bool notice;
    };
    // The budget is asked before each chunk: a chunk that starts at exactly 700 ms is drawn.
    for (const Case c :
         {Case{700, 2, true}, Case{701, 1, true}, Case{0, (plot.LoopCount() + 9) / 10, false}}) {
        plot.step = c.step;
        plot.fetched = 0;
        plot.OnDocumentDataChanged(0);
        Pump();
        EXPECT_EQ(plot.fetched, c.fetched) << c.step;
        EXPECT_EQ(NoticePixels(graph.GetHandle(), area) > 20, c.notice) << c.step;
    }
}

TEST_F(GraphViews, APrintedViewDrawsEveryLoopWhateverTheScreensBudget) {
    auto& plot = Open<SlowPlot, 5>();
    plot.step = 701;
    plot.fetched = 0;
    plot.OnDocumentDataChanged(0);
    Pump();
    ASSERT_EQ(plot.fetched, 1) << "the screen stopped after the first chunk";
    plot.fetched = 0;
    EXPECT_EQ(plot.PrintView(), S_OK);
    EXPECT_EQ(plot.fetched, (plot.LoopCount() + 9) / 10);
    EXPECT_FALSE(plot.RenderingForOutput());
    const auto& jobs = host->Application().Printer().Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].title, plot.Title().ToU16String() + u": PRSW Plot");
    ASSERT_EQ(jobs[0].pages.size(), 1u);
    const gdi::Surface& page = *jobs[0].pages[0];
    int red = 0;
    for (int y = 0; y < page.Height(); y += 2)
        for (int x = 0; x < page.Width(); x += 2) {
            const COLORREF c = gdi::ColorFromPixel(page.Get(x, y));
            red += GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100 ? 1 : 0;
        }
    EXPECT_GT(red, 20) << "the loops' points are on the page";
}

TEST_F(GraphViews, AutoscaleShowsTwiceTheDataSpanAndKeepsTheUsersZoom) {
    auto& plot = Open<SlowPlot, 5>();
    ZOzuve1::Graph2DWindow& graph = *plot.GraphWindow();
    struct Case {
        std::array<float, 4> range;
        double x0, x1;
    };
    for (const Case c : {Case{{1, 3, 10, 20}, 0, 4}, Case{{5, 5, 10, 20}, 4.5, 5.5},
                         Case{{-2, -2, 10, 20}, -2.2, -1.8}, Case{{0, 0, 10, 20}, -1, 1}}) {
        plot.range = c.range;
        plot.AutoScale();
        double a = 0, b = 0;
        graph.GetXScaleLimits(a, b);
        EXPECT_NEAR(a, c.x0, 1e-6) << c.range[0];
        EXPECT_NEAR(b, c.x1, 1e-6) << c.range[0];
        graph.GetDomain(a, b);
        EXPECT_NEAR(a, c.x0, 1e-6) << "the shown range follows the limits";
        graph.GetYScaleLimits(a, b);
        EXPECT_NEAR(a, 5, 1e-6);
        EXPECT_NEAR(b, 25, 1e-6);
    }
    // The user zoomed in: new data move the limits, not the shown range.
    graph.SetDomain(0.2, 0.4);
    plot.range = std::array<float, 4>{10, 20, 10, 20};
    plot.AutoScale();
    double a = 0, b = 0;
    graph.GetXScaleLimits(a, b);
    EXPECT_NEAR(a, 5, 1e-6);
    graph.GetDomain(a, b);
    EXPECT_NEAR(a, 0.2, 1e-6);
    EXPECT_NEAR(b, 0.4, 1e-6);
}

TEST(RegressionText, TheInterceptsSignIsAWordAndANaNReadsAsMinus) {
    Tarvik::SetModuleInstance(TarvikTest::StringTableModule());
    struct Case {
        double b;
        const char16_t* sign;
    };
    for (const Case c : {Case{-2.5, u" - 2.5, "}, Case{0.0, u" + 0, "}, Case{std::nan(""), u" - "}}) {
        const std::u16string text = TarvikAnalysisGraphView::LinearText(true, 1.5, c.b, 0.9).ToU16String();
        EXPECT_NE(text.find(c.sign), std::u16string::npos) << std::string(text.begin(), text.end());
    }
    // A quadratic with c1 < 0 and c0 = 0.
    const std::u16string q = TarvikAnalysisGraphView::QuadraticText({0.0, -3.0, 2.0}, 0.5).ToU16String();
    EXPECT_NE(q.find(u"Ves² - 3 * Ves + 0"), std::u16string::npos) << std::string(q.begin(), q.end());
    EXPECT_EQ(TarvikAnalysisGraphView::QuadraticText({1.0, 2.0}, 0.5).Length(), 0u);
}

} // namespace

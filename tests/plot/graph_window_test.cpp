// The graph window in a host window: painted through the message flow, its
// strips from the host's graph service, dragged by mouse messages.

#include <cmath>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "host/graph/ScaleStrip.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/probe.h"
#include "platform/owl/TWindow.h"
#include "platform/user/Desktop.h"
#include "platform/user/WindowSurfaces.h"
#include "platform/user/user.h"
#include "plot/BasicAnnotation.h"
#include "plot/GlyphPlotter.h"
#include "plot/Graph2DWindow.h"
#include "plot/XYCPlotter.h"
#include "tests/plot/PlotHost.h"
#include "tests/plot/SeriesData.h"
#include "tests/plot/TestMarker.h"
#include "tests/support/GoldenImage.h"

namespace {

using namespace ZOzuve1;
using PlotTest::MessageLog;
using PlotTest::SeriesData;

constexpr COLORREF kLoops = RGB(0, 0, 200);
constexpr COLORREF kEspvr = RGB(220, 0, 0);
constexpr COLORREF kEdpvr = RGB(0, 150, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Volume and pressure of the bundled occlusion recording, samples [from, to).
void ReadLoops(int from, int to, std::vector<float>& volume, std::vector<float>& pressure) {
    std::ifstream in(std::string(TARVIK_SOURCE_DIR) + "/data/mouse-occlusion.csv");
    std::string line;
    std::getline(in, line); // the header
    for (int row = 0; std::getline(in, line) && row < to; ++row) {
        if (row < from)
            continue;
        std::istringstream fields(line);
        std::string t, p, v;
        std::getline(fields, t, ',');
        std::getline(fields, p, ',');
        std::getline(fields, v, ',');
        pressure.push_back(std::stof(p));
        volume.push_back(std::stof(v));
    }
}

// The relations of the recording's generator: ESPVR P = 5.5 V, EDPVR
// P = 1.2 exp(0.045 V).
struct Relations : FunctionGlyphPlotData {
    explicit Relations(FunctionRecord f) : record(std::move(f)) {}
    bool GetFunctions(int, int* count, const FunctionRecord** records) override {
        *count = 1;
        *records = &record;
        return true;
    }
    FunctionRecord record;
};

FunctionRecord Relation(std::vector<double> coefficients, COLORREF colour) {
    FunctionRecord f;
    f.coefficients = std::move(coefficients);
    f.colour = colour;
    return f;
}

using VerticalMarker = PlotTest::TestMarker<QueenLineV>;

class GraphWindowTest : public PlotTest::PlotHost {
protected:
    void SetUp() override {
        PlotTest::PlotHost::SetUp();
        host = new OWL::TWindow(nullptr, u"Vantrel");
        host->Attr.Style = WS_POPUP | WS_VISIBLE;
        host->Attr.W = 500;
        host->Attr.H = 400;
        graph = new Graph2DWindow(host);
        graph->Attr.Id = 7;
        graph->Attr.X = 10;
        graph->Attr.Y = 10;
        graph->Attr.W = 480;
        graph->Attr.H = 380;
        ASSERT_TRUE(host->Create());
        graph->AddRedrawReceiver(&redraws);
        graph->AddChangeReceiver(&changes);
    }
    void TearDown() override {
        graph->RemoveRedrawReceiver(&redraws);
        graph->RemoveChangeReceiver(&changes);
        delete host;
        PlotTest::PlotHost::TearDown();
    }

    // The pressure-volume scene: loops through the occlusion, a missing
    // sample among them, the two relations, a marker and an annotation.
    void BuildScene() {
        graph->SetXAxisTitle(u"Volume");
        graph->SetXAxisUnit(u"\u00B5l");
        graph->SetYAxisTitle(u"Pressure");
        graph->SetYAxisUnit(u"mmHg");
        graph->SetDomain(0, 50);
        graph->SetRange(0, 140);
        std::vector<float> v, p;
        ReadLoops(1000, 3000, v, p);
        v[500] = std::nanf("");
        loops = new SeriesData(v, p, kLoops, kDrawLines);
        auto* plotter = new XYCPlotter;
        plotter->SetPlotData(loops, 0, true);
        graph->AddPlotter(plotter, true);
        auto* espvr = new FunctionGlyphPlotter<PolynomialFunctionPolicy>;
        espvr->SetPlotData(new Relations(Relation({0.0, 5.5}, kEspvr)), 0, true);
        graph->AddPlotter(espvr, true);
        auto* edpvr = new FunctionGlyphPlotter<ExponentialFunctionPolicy>;
        edpvr->SetPlotData(new Relations(Relation({1.2, 0.045}, kEdpvr)), 0, true);
        graph->AddPlotter(edpvr, true);
        marker = new VerticalMarker(1, {10.0, 100.0});
        graph->AddQueen(marker, true);
        annotation = new BasicAnnotation;
        annotation->SetRasterOp(BasicAnnotation::kInvert);
        annotation->SetSource(loops, 0, false);
        graph->AddAnnotation(annotation, true);
    }

    HWND Graph() const { return graph->GetHandle(); }
    RECT Plot() const { return graph->GetPlotRect(graph->DrawerRect()); }
    // A point of the graph's client area in the host's picture.
    static POINT InHost(int x, int y) { return {x + 10, y + 10}; }
    POINT Pixel(double v, double p) const {
        const RECT r = Plot();
        return {static_cast<int>(graph->XPixelTransform().ToPixel(v, r.left)),
                static_cast<int>(graph->YPixelTransform().ToPixel(p, r.top))};
    }
    void Send(UINT message, int x, int y, HWND to = nullptr) {
        SendMessageW(to != nullptr ? to : Graph(), message, message == WM_MOUSEMOVE ? 0 : 1,
                     MAKELPARAM(x, y));
    }

    OWL::TWindow* host = nullptr;
    Graph2DWindow* graph = nullptr;
    SeriesData* loops = nullptr;
    VerticalMarker* marker = nullptr;
    BasicAnnotation* annotation = nullptr;
    MessageLog redraws;
    MessageLog changes;
};

TEST_F(GraphWindowTest, TheStripsComeFromTheGraphServiceAndFitThePlot) {
    EXPECT_EQ(graphs->StripsMade(), 4) << "the drawer's two, then the windows' two";
    ASSERT_NE(graph->XScaleWindow(), nullptr);
    EXPECT_EQ(graph->XStrip(), graph->XScaleWindow()->GetStrip());
    EXPECT_EQ(GetParent(graph->XScaleWindow()->GetHandle()), Graph());
    EXPECT_EQ(GetDlgCtrlID(graph->YScaleWindow()->GetHandle()), 101);
    // Client 480 x 380 inset by 5: the drawer's rectangle; the plot leaves 60 left and below.
    const RECT r = graph->DrawerRect();
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.bottom, 375);
    const RECT plot = Plot();
    EXPECT_EQ(plot.left, 65);
    EXPECT_EQ(plot.bottom, 315);
    RECT strip{};
    GetWindowRect(graph->XScaleWindow()->GetHandle(), &strip);
    EXPECT_EQ(strip.right - strip.left, plot.right - plot.left);
    EXPECT_EQ(strip.bottom - strip.top, 60);
}

TEST_F(GraphWindowTest, PaintsLoopsOnTitledAxesWithTheRelationsMarkerAndAnnotation) {
    BuildScene();
    user::Desktop::Current().Pump();
    // The annotation snaps to the loop point nearest to the pointer.
    const std::size_t top = std::max_element(loops->ys.begin(), loops->ys.end()) - loops->ys.begin();
    const POINT near = Pixel(loops->xs[top] + 0.3, loops->ys[top] - 1.0);
    Send(WM_MOUSEMOVE, near.x, near.y);
    ASSERT_TRUE(annotation->IsValid());
    bool onALoop = false;
    for (std::size_t i = 0; i < loops->xs.size(); ++i)
        onALoop = onALoop || (loops->xs[i] == annotation->XValue() && loops->ys[i] == annotation->YValue());
    EXPECT_TRUE(onALoop);
    const POINT snapped = Pixel(annotation->XValue(), annotation->YValue());
    EXPECT_LT(std::hypot(snapped.x - near.x, snapped.y - near.y), 20.0);
    const gdi::Surface picture = user::WindowPicture(host->GetHandle());
    EXPECT_TRUE(golden::Matches(picture, "pv-loops-graph"));

    const RECT plot = Plot();
    const auto at = [&](POINT p) {
        return gdi::ColorFromPixel(picture.Get(InHost(p.x, p.y).x, InHost(p.x, p.y).y));
    };
    // Loop points lie at left + (v + offset) x scale.
    for (std::size_t i = 0; i < loops->xs.size(); i += 97)
        if (loops->ys[i] > 20.0f && loops->xs[i] > 25.0f) { // clear of the relations and the marker
            EXPECT_EQ(at(Pixel(loops->xs[i], loops->ys[i])), kLoops) << i;
        }
    // The frame: down the plot's left edge and along its bottom.
    EXPECT_EQ(at({plot.left, plot.top + 40}), RGB(0, 0, 0));
    EXPECT_EQ(at({plot.left + 100, plot.bottom - 1}), RGB(0, 0, 0));
    // The relations: ESPVR through (20, 110), EDPVR through (40, 1.2 e^1.8).
    EXPECT_EQ(at(Pixel(20.0, 110.0)), kEspvr);
    const POINT e = Pixel(45.0, 1.2 * std::exp(0.045 * 45.0));
    EXPECT_TRUE(at(e) == kEdpvr || at({e.x, e.y + 1}) == kEdpvr) << "sampled pixels round to nearest";
    // Tick labels at the strips' nice steps.
    auto* x = static_cast<Vantrel::ScaleStrip*>(graph->XStrip());
    EXPECT_EQ(x->TickStep(), 5.0);
    EXPECT_EQ(x->Label(x->TickValues()[2]), u"10");
    // Nothing of the series outside the plot, and no line towards a far
    // corner from the missing sample (the loops keep to volumes above 15).
    for (int py = 0; py < picture.Height(); ++py)
        for (int px = 0; px < picture.Width(); ++px) {
            if (gdi::ColorFromPixel(picture.Get(px, py)) != kLoops)
                continue;
            const POINT g{px - 10, py - 10};
            EXPECT_TRUE(g.x >= plot.left && g.x < plot.right && g.y >= plot.top && g.y < plot.bottom)
                << g.x << "," << g.y;
            EXPECT_GT(g.x, Pixel(15.0, 0).x) << g.x << "," << g.y;
        }
    EXPECT_EQ(redraws.names, (std::vector<std::string>{"begin redraw", "end redraw"}));
}

TEST_F(GraphWindowTest, AMarkerIsDraggedByButtonAndMoveMessages) {
    BuildScene();
    graph->cursorFeedback = true;
    MessageLog moves;
    marker->AddReceiver(&moves);
    graph->AddQueenReceiver(&moves);
    const POINT m = Pixel(10.0, 100.0);
    user::Desktop::Current().Effects();
    Send(WM_MOUSEMOVE, m.x + 2, m.y);
    const auto& effects = user::Desktop::Current().Effects().Entries();
    ASSERT_FALSE(effects.empty());
    EXPECT_EQ(effects.back().kind, "SetCursor");
    EXPECT_EQ(effects.back().detail, u"IDC_SIZEWE") << "a vertical line drags sideways";
    Send(WM_MOUSEMOVE, Plot().right - 5, Plot().top + 5);
    EXPECT_EQ(effects.back().detail, u"IDC_ARROW");

    Send(WM_LBUTTONDOWN, m.x, m.y);
    EXPECT_EQ(GetCapture(), Graph());
    Send(WM_MOUSEMOVE, m.x + 41, m.y);
    EXPECT_NEAR(marker->current.x, 15.0, 0.01) << "41 pixels of 8.2 a microlitre";
    Send(WM_LBUTTONUP, 2000, 2000);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(moves.names,
              (std::vector<std::string>{"track begin", "queen changed", "queen dropped", "track end"}));
    // The marker keeps the grab's offset from the pointer, which was dropped
    // on the plot's last column and row.
    const RECT plot = Plot();
    const ScaleMap& xt = graph->XPixelTransform();
    const ScaleMap& yt = graph->YPixelTransform();
    EXPECT_DOUBLE_EQ(marker->committed.x,
                     10.0 - xt.ToValue(m.x, plot.left) + xt.ToValue(plot.right - 1, plot.left));
    EXPECT_DOUBLE_EQ(marker->committed.y,
                     100.0 - yt.ToValue(m.y, plot.top) + yt.ToValue(plot.bottom - 1, plot.top));
    marker->RemoveReceiver(&moves);
    graph->RemoveQueenReceiver(&moves);
}

TEST_F(GraphWindowTest, DraggingTheXStripPansTheDomain) {
    BuildScene();
    HWND strip = graph->XScaleWindow()->GetHandle();
    changes.names.clear();
    Send(WM_LBUTTONDOWN, 100, 10, strip);
    EXPECT_EQ(graph->XDragCount(), 1);
    graph->SetDomain(100, 200);
    double x0 = 0, x1 = 0;
    graph->GetDomain(x0, x1);
    EXPECT_EQ(x0, 0.0) << "ignored while the strip is dragged";
    Send(WM_MOUSEMOVE, 59, 10, strip); // 41 pixels left: 5 microlitres on
    graph->GetDomain(x0, x1);
    EXPECT_NEAR(x0, 5.0, 1e-9);
    EXPECT_NEAR(x1, 55.0, 1e-9);
    EXPECT_EQ(changes.names, (std::vector<std::string>{"domain"}));
    Send(WM_MOUSEMOVE, 18, 10, strip);
    Send(WM_LBUTTONUP, 18, 10, strip);
    EXPECT_EQ(graph->XDragCount(), 0);
    const ScalePair interval = graph->XScaleWindow()->GetScalePair();
    graph->GetDomain(x0, x1);
    EXPECT_EQ(x0, interval.first);
    EXPECT_EQ(x1, interval.second);
    EXPECT_NEAR(x0, 10.0, 1e-9);
    EXPECT_EQ(changes.names.size(), 3u) << "each scaling change and the end";
    EXPECT_DOUBLE_EQ(graph->XPixelTransform().offset, -x0) << "the strip's transform";

    graph->SetXScaleLimits(0, 60);
    graph->SetYScaleLimits(0, 160);
    graph->autoScaleBoth = true;
    changes.names.clear();
    Send(WM_LBUTTONDBLCLK, 100, 10, strip);
    EXPECT_EQ(changes.names, (std::vector<std::string>{"range", "domain"}));
    graph->GetDomain(x0, x1);
    EXPECT_EQ(x1, 60.0);
    double y0 = 0, y1 = 0;
    graph->GetRange(y0, y1);
    EXPECT_EQ(y1, 160.0);
}

TEST_F(GraphWindowTest, MovingAnInvertingAnnotationLeavesOneMarkWithoutARebuild) {
    BuildScene();
    user::Desktop::Current().Pump();
    const int asked = loops->asked;
    const gdi::Surface before = user::WindowPicture(host->GetHandle());
    const POINT a = Pixel(loops->xs[10], loops->ys[10]);
    const POINT b = Pixel(loops->xs[700], loops->ys[700]);
    Send(WM_MOUSEMOVE, a.x, a.y);
    Send(WM_MOUSEMOVE, b.x, b.y);
    user::Desktop::Current().Pump();
    EXPECT_EQ(loops->asked, asked) << "the image was not rebuilt";
    EXPECT_FALSE(graph->IsImageDirty());
    ASSERT_TRUE(annotation->IsValid());
    const gdi::Surface after = user::WindowPicture(host->GetHandle());
    // Only the mark at the second point differs from the picture before.
    const POINT mark = Pixel(annotation->XValue(), annotation->YValue());
    for (int y = 0; y < after.Height(); ++y)
        for (int x = 0; x < after.Width(); ++x)
            if (after.Get(x, y) != before.Get(x, y)) {
                const POINT g{x - 10, y - 10};
                EXPECT_TRUE(std::abs(g.x - mark.x) <= 3 && std::abs(g.y - mark.y) <= 3) << g.x << "," << g.y;
            }

    RECT r{};
    GetClientRect(Graph(), &r);
    MoveWindow(Graph(), 10, 10, r.right + 1, r.bottom, TRUE);
    user::Desktop::Current().Pump();
    EXPECT_GT(loops->asked, asked) << "a one-pixel resize rebuilds the image";
}

TEST_F(GraphWindowTest, PrintingDrawsTheWholeGraphIntoAnotherBitmap) {
    BuildScene();
    const ScaleMap screen = graph->XPixelTransform();
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(640, 480, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT page{0, 0, 640, 480};
    graph->Print(dc, dc, page);
    EXPECT_TRUE(golden::Matches(*gdi::SurfaceOf(bitmap), "pv-loops-print"));
    const RECT plot = graph->GetPlotRect(page);
    int loopPixels = 0;
    for (int y = plot.top; y < plot.bottom; ++y)
        for (int x = plot.left; x < plot.right; ++x)
            loopPixels += GetPixel(dc, x, y) == kLoops;
    EXPECT_GT(loopPixels, 200);
    const auto texts = gdi::DisplayListOf(dc)->Named("TextOutW");
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const gdi::DrawCall& c) { return c.text == u"Pressure (mmHg)"; }));
    EXPECT_EQ(graph->XPixelTransform(), screen) << "the screen's layout comes back";
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

// A menu item's handler: hides its item or counts its choices.
struct Item : MessSys::MessageReceiver {
    explicit Item(bool hide) : hide(hide) {}
    bool ReceiveMessage(const MessSys::Message& m) override {
        if (auto* p = dynamic_cast<const PreDisplayMenuMessage*>(&m)) {
            *p->visible = !hide;
            *p->ticked = true;
            *p->text = u"Show loops";
        } else if (auto* c = dynamic_cast<const OnMenuItemMessage*>(&m)) {
            chosen = c->id;
        }
        return true;
    }
    bool hide;
    std::uint32_t chosen = 0;
};

TEST_F(GraphWindowTest, TheContextMenuCountsHiddenItemsInItsIds) {
    Item hidden(true), shown(false), separator(false);
    auto item = [](std::uint32_t id, MessSys::MessageReceiver* handler) {
        GraphMenuItem i;
        i.id = id;
        i.handler = handler;
        return i;
    };
    graph->Menu().items = {item(5, &hidden), item(0, &separator), item(9, &shown)};
    Send(WM_RBUTTONDOWN, 50, 50);
    EXPECT_TRUE(user::Desktop::Current().Menus().Shown().empty()) << "no menu until enabled";
    graph->contextMenuEnabled = true;
    user::Desktop::Current().Menus().Answer(102);
    Send(WM_RBUTTONDOWN, 50, 50);
    const auto& menus = user::Desktop::Current().Menus().Shown();
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].items.size(), 2u);
    EXPECT_EQ(menus[0].items[0].flags & MF_SEPARATOR, MF_SEPARATOR);
    EXPECT_EQ(menus[0].items[1].id, 102u) << "100 + its index, the hidden item counted";
    EXPECT_EQ(menus[0].items[1].flags & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(menus[0].at.x, 10 + 50) << "at the screen point";
    EXPECT_EQ(shown.chosen, 9u);
    EXPECT_EQ(hidden.chosen, 0u);
    user::Desktop::Current().Menus().Answer(0);
    EXPECT_FALSE(graph->Menu().Show(Graph(), 0, 0)) << "dismissed";
}

TEST_F(GraphWindowTest, TypingTheDebuggingKeyShowsItsBox) {
    user::Desktop::Current().MessageBoxes().SetDefault(IDOK);
    for (char16_t c : std::u16string(u"xx61Zeru"))
        graph->OnChar(c);
    EXPECT_TRUE(user::Desktop::Current().MessageBoxes().Shown().empty());
    graph->OnChar(u'n');
    const auto& boxes = user::Desktop::Current().MessageBoxes().Shown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Secret Message caught");
    EXPECT_EQ(boxes[0].caption, u"You typed the secret message for debugging");
    EXPECT_EQ(boxes[0].style, 0x30u);
    EXPECT_EQ(boxes[0].owner, Graph());
    for (char16_t c : std::u16string(u"61Zerun"))
        graph->OnChar(c);
    EXPECT_EQ(boxes.size(), 2u) << "again after seven more characters";
}

// An annotation that counts clicks and answers as told, with a fixed hint.
struct Clicked : BasicAnnotation {
    Clicked(std::vector<std::string>& l, std::string n, bool h) : log(l), name(std::move(n)), handles(h) {}
    bool OnIndexClick(int, const RECT&, UINT, POINT, POINT) override {
        log.push_back(name);
        return handles;
    }
    bool FollowPointer(int, int, const RECT&) override { return true; }
    bool GetHint(TrackInfo* info) override {
        info->hint = u"hint of " + std::u16string(name.begin(), name.end());
        return true;
    }
    std::vector<std::string>& log;
    std::string name;
    bool handles;
};

TEST_F(GraphWindowTest, ClicksGoToTheLastAnnotationFirstAndHintsToListeners) {
    std::vector<std::string> clicks;
    graph->AddAnnotation(new Clicked(clicks, "first", true), true);
    graph->AddAnnotation(new Clicked(clicks, "second", false), true);
    Send(WM_LBUTTONDOWN, 100, 100);
    Send(WM_LBUTTONUP, 101, 101); // distance squared 2: a click
    EXPECT_EQ(clicks, (std::vector<std::string>{"second", "first"}));
    clicks.clear();
    Send(WM_LBUTTONDOWN, 100, 100);
    Send(WM_LBUTTONUP, 102, 100); // 4: not a click
    EXPECT_TRUE(clicks.empty());

    struct Hints : MessSys::MessageReceiver {
        bool ReceiveMessage(const MessSys::Message& m) override {
            if (auto* h = dynamic_cast<const MouseTrackHintMsg*>(&m))
                texts.push_back(h->hints.size() == 2 ? h->hints[1].hint : u"");
            else if (dynamic_cast<const MouseLeaveMsg*>(&m))
                texts.push_back(u"left");
            return true;
        }
        std::vector<std::u16string> texts;
    } hints;
    user::Desktop::Current().Pump();
    ValidateRect(Graph(), nullptr);
    graph->AddMouseReceiver(&hints);
    Send(WM_MOUSEMOVE, 120, 120);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(Graph(), &update, FALSE)) << "marks not drawn by inversion: the whole window";
    graph->OnMouseLeave();
    EXPECT_EQ(hints.texts, (std::vector<std::u16string>{u"hint of second", u"left"}));
    graph->RemoveMouseReceiver(&hints);
}

TEST_F(GraphWindowTest, WithoutAnnotationsAPointerMoveSendsNoHint) {
    MessageLog mouse;
    graph->AddMouseReceiver(&mouse);
    Send(WM_MOUSEMOVE, 120, 120);
    EXPECT_TRUE(mouse.names.empty());
    graph->RemoveMouseReceiver(&mouse);
}

TEST_F(GraphWindowTest, AWindowSmallerThanItsMarginsKeepsTheDrawersRectangle) {
    const RECT before = graph->DrawerRect();
    MoveWindow(Graph(), 10, 10, 8, 8, TRUE);
    EXPECT_EQ(graph->DrawerRect().right, before.right);
    user::Desktop::Current().Pump();
    MoveWindow(Graph(), 10, 10, 0, 50, TRUE);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(Graph(), &update, FALSE)) << "a zero size neither invalidates";
    EXPECT_EQ(graph->DrawerRect().right, before.right) << "nor moves the drawer";
}

TEST_F(GraphWindowTest, AnEndOfDragWithoutABeginAppliesTheStripsInterval) {
    const ScalePair interval{30.0, 20.0}; // (20, 30), second value first
    graph->XStrip()->SetInterval(&interval);
    changes.names.clear();
    graph->ReceiveMessage(MsgEndDrag(100));
    EXPECT_EQ(graph->XDragCount(), 0);
    double x0 = 0, x1 = 0;
    graph->GetDomain(x0, x1);
    EXPECT_EQ(x0, 20.0);
    EXPECT_EQ(x1, 30.0);
    EXPECT_FALSE(graph->ReceiveMessage(MsgEndDrag(102))) << "not one of its strips";
    EXPECT_FALSE(graph->ReceiveMessage(MessageQueenControllerTrackEnd{}));
}

// A host without the graph service: the strips cannot be made.
class WithoutGraphService : public PlotTest::PlotHost {
protected:
    void SetUp() override {
        PlotTest::PlotHost::SetUp();
        framework->Classes().RemoveService(
            (static_cast<DWORD>(framework->MessageIds().NumberOf(kGraphSpaceGuid)) << 16) | 9);
    }
};

TEST_F(WithoutGraphService, TheGraphWindowStillShowsItsPlotters) {
    OWL::TWindow host(nullptr, u"Vantrel");
    host.Attr.Style = WS_POPUP | WS_VISIBLE;
    host.Attr.W = 300;
    host.Attr.H = 200;
    auto* graph = new Graph2DWindow(&host);
    graph->Attr.W = 300;
    graph->Attr.H = 200;
    ASSERT_TRUE(host.Create());
    EXPECT_EQ(graph->XStrip(), nullptr);
    EXPECT_EQ(graph->XScaleWindow()->GetHandle(), nullptr) << "its creation failed";
    auto* plotter = new XYCPlotter;
    plotter->SetPlotData(new SeriesData({0.5f}, {0.5f}, RGB(255, 0, 0), 0), 0, true);
    graph->AddPlotter(plotter, true);
    user::Desktop::Current().Pump();
    EXPECT_TRUE(graph->IsWindow());
}

} // namespace

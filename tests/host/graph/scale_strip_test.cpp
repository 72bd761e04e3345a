#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/framework/Framework.h"
#include "host/framework/Text.h"
#include "host/graph/GraphService.h"
#include "host/graph/ScaleStrip.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/probe.h"
#include "platform/user/Desktop.h"
#include "platform/user/user.h"
#include "platform/win32/com_ptr.h"

namespace {

using Vantrel::ScaleStrip;

// Records the strip's call-backs as "begin 100", "scaling 100" ...
struct Observer : IDragScaleObserver {
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT OnBeginDrag(DWORD v, DWORD) override { return Log("begin", v); }
    HRESULT OnEndDrag(DWORD v, DWORD) override { return Log("end", v); }
    HRESULT OnScalingChanged(DWORD v, DWORD, DWORD) override { return Log("scaling", v); }
    HRESULT OnAutoScale(DWORD v) override { return Log("auto", v); }
    HRESULT Log(const char* what, DWORD v) {
        log.push_back(std::string(what) + " " + std::to_string(v));
        return S_OK;
    }
    std::vector<std::string> log;
};

ComPtr<IScaleStrip> Windowless(DWORD kind) {
    ComPtr<IUnknown> object;
    Vantrel::GraphService service;
    service.AddRef();
    EXPECT_EQ(service.CreateGraphObject(0, 0, kind, object.Put()), S_OK);
    return QueryInterfacePtr<IScaleStrip>(object.Get(), IID_IScaleStrip);
}

void SetInterval(IScaleStrip& s, double x0, double x1) {
    const ScalePair p{x1, x0};
    s.SetInterval(&p);
}

class ScaleStripTest : public ::testing::Test {
protected:
    void SetUp() override { user::Desktop::Reset(); }
    void TearDown() override { user::Desktop::Reset(); }
};

TEST_F(ScaleStripTest, TheTransformPutsTheIntervalAcrossThePlot) {
    auto x = Windowless(kStripKindX);
    auto y = Windowless(kStripKindY);
    ASSERT_TRUE(x && y);
    const RECT xr{60, 340, 460, 400};
    const RECT yr{0, 40, 60, 340};
    x->SetRect(&xr);
    y->SetRect(&yr);
    SetInterval(*x.Get(), 20.0, 60.0);
    SetInterval(*y.Get(), 0.0, 150.0);
    ScalePair tx{}, ty{};
    x->GetTransform(&tx);
    y->GetTransform(&ty);
    EXPECT_DOUBLE_EQ(tx.first, 400.0 / 40.0);
    EXPECT_DOUBLE_EQ(tx.second, -20.0);
    EXPECT_DOUBLE_EQ(ty.first, -300.0 / 150.0);
    EXPECT_DOUBLE_EQ(ty.second, -150.0);
    EXPECT_DOUBLE_EQ((60.0 + tx.second) * tx.first, 400.0) << "x1 at the right edge";
    EXPECT_DOUBLE_EQ((150.0 + ty.second) * ty.first, 0.0) << "y1 at the top";
    ScalePair back{};
    x->GetInterval(&back);
    EXPECT_EQ(back.first, 60.0) << "second value first";
    EXPECT_EQ(back.second, 20.0);
}

TEST_F(ScaleStripTest, TicksFallOnTheNicestStepThatKeepsThemApart) {
    auto x = Windowless(kStripKindX);
    const RECT r{0, 0, 400, 60};
    x->SetRect(&r);
    struct Case {
        double x0, x1, step;
        std::vector<std::u16string> labels;
    };
    for (const Case& c :
         {Case{20, 60, 5, {u"20", u"25", u"30", u"35", u"40", u"45", u"50", u"55", u"60"}},
          Case{0,
               1,
               0.1,
               {u"0.0", u"0.1", u"0.2", u"0.3", u"0.4", u"0.5", u"0.6", u"0.7", u"0.8", u"0.9", u"1.0"}},
          Case{-130, 170, 50, {u"-100", u"-50", u"0", u"50", u"100", u"150"}}}) {
        SetInterval(*x.Get(), c.x0, c.x1);
        auto* strip = static_cast<ScaleStrip*>(x.Get());
        EXPECT_DOUBLE_EQ(strip->TickStep(), c.step) << c.x0;
        std::vector<std::u16string> labels;
        for (double v : strip->TickValues())
            labels.push_back(strip->Label(v));
        EXPECT_EQ(labels, c.labels);
    }
    auto ticks = QueryInterfacePtr<IScaleStripTicks>(x.Get(), IID_IScaleStripTicks);
    LONG n = 0;
    ticks->GetTickCount(&n);
    ASSERT_EQ(n, 6);
    ScaleTick entries[6];
    LONG returned = 0;
    ticks->GetTicks(6, entries, &returned);
    EXPECT_EQ(returned, 6);
    EXPECT_EQ(entries[0].offset, 40) << "-100 at (-100 + 130) * 400 / 300";
    EXPECT_EQ(entries[5].offset, 373);
    LONG word = 0;
    double last = 0, step = 0;
    x->GetGridLines(&word, &last, &step);
    EXPECT_EQ(last, 373.0);
    EXPECT_NEAR(step, -200.0 / 3.0, 0.5);
}

TEST_F(ScaleStripTest, AStripWithAWindowPansByThePointersTravel) {
    WNDCLASSW c{};
    c.lpfnWndProc = &DefWindowProcW;
    c.lpszClassName = u"StripParent";
    RegisterClassW(&c);
    HWND parent = CreateWindowExW(0, u"StripParent", u"", WS_VISIBLE, 0, 0, 500, 500, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    Vantrel::GraphService service;
    service.AddRef();
    ComPtr<IScaleStrip> strip;
    ASSERT_EQ(service.CreateScaleStrip(parent, 0x1ADD3, 100, 0, -1, strip.Put()), S_OK);
    auto window = QueryInterfacePtr<IOleWindow>(strip.Get(), IID_IOleWindow);
    ASSERT_TRUE(window);
    HWND hwnd = nullptr;
    window->GetWindow(&hwnd);
    EXPECT_EQ(GetParent(hwnd), parent);
    EXPECT_EQ(GetDlgCtrlID(hwnd), 100);
    const RECT r{60, 340, 460, 400};
    strip->SetRect(&r);
    RECT placed{};
    GetWindowRect(hwnd, &placed);
    EXPECT_EQ(placed.right - placed.left, 400);
    Observer observer;
    strip->AddObserver(&observer);
    SetInterval(*strip.Get(), 0.0, 40.0); // 10 pixels a unit
    SendMessageW(hwnd, WM_LBUTTONDOWN, 1, MAKELPARAM(100, 10));
    EXPECT_EQ(GetCapture(), hwnd);
    SendMessageW(hwnd, WM_MOUSEMOVE, 1, MAKELPARAM(130, 50)); // 3 units to the right
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(130, 50));
    EXPECT_EQ(GetCapture(), nullptr);
    ScalePair interval{};
    strip->GetInterval(&interval);
    EXPECT_DOUBLE_EQ(interval.second, -3.0) << "the axis follows the pointer";
    EXPECT_DOUBLE_EQ(interval.first, 37.0);
    SendMessageW(hwnd, WM_LBUTTONDBLCLK, 1, MAKELPARAM(100, 10));
    EXPECT_EQ(observer.log,
              (std::vector<std::string>{"scaling 100", "begin 100", "scaling 100", "end 100", "auto 100"}));
    strip->RemoveObserver(&observer);
    DestroyWindow(parent);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(QueryInterfacePtr<IOleWindow>(strip.Get(), IID_IOleWindow))
        << "its window went with its parent";
}

TEST_F(ScaleStripTest, DrawsTicksLabelsAndTitlesInsideItsRectangle) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(300, 300, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, 300, 300};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    auto y = Windowless(kStripKindY);
    const RECT r{10, 20, 70, 220};
    y->SetRect(&r);
    SetInterval(*y.Get(), 0.0, 100.0);
    y->SetOriginAndTitle(nullptr, u"Pressure");
    y->SetUnit(u"mmHg");
    BSTR title = nullptr;
    y->GetOriginAndTitle(nullptr, &title);
    EXPECT_EQ(Vantrel::TakeBstr(title), u"Pressure");
    y->Draw(dc, nullptr, VARIANT_TRUE);
    int inkLeft = 300, inkRight = -1, inkTop = 300, inkBottom = -1;
    for (int py = 0; py < 300; ++py)
        for (int px = 0; px < 300; ++px)
            if (GetPixel(dc, px, py) != RGB(255, 255, 255)) {
                inkLeft = std::min(inkLeft, px);
                inkRight = std::max(inkRight, px);
                inkTop = std::min(inkTop, py);
                inkBottom = std::max(inkBottom, py);
            }
    EXPECT_GE(inkLeft, r.left);
    EXPECT_LT(inkRight, r.right);
    EXPECT_GE(inkTop, r.top - 8) << "the top label is centred on its tick";
    EXPECT_LE(inkBottom, r.bottom + 8);
    // The turned title "Pressure (mmHg)" runs up along the left edge, taller than wide.
    int titleTop = 300, titleBottom = -1;
    for (int py = 0; py < 300; ++py)
        for (int px = r.left; px < r.left + 15; ++px)
            if (GetPixel(dc, px, py) != RGB(255, 255, 255)) {
                titleTop = std::min(titleTop, py);
                titleBottom = std::max(titleBottom, py);
            }
    EXPECT_GT(titleBottom - titleTop, 60);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(GraphService, TheClassRegistryAnswersItsKind) {
    auto framework = ComPtr<Vantrel::Framework>::Adopt(new Vantrel::Framework);
    Vantrel::GraphService service;
    service.AddRef();
    Vantrel::InstallGraphService(*framework.Get(), service);
    const DWORD kind = (static_cast<DWORD>(framework->MessageIds().NumberOf(kGraphSpaceGuid)) << 16) | 9;
    ComPtr<IGraphService> found;
    ASSERT_EQ(framework->Classes().GetService(kind, IID_IGraphService, found.PutVoid()), S_OK);
    EXPECT_EQ(found.Get(), static_cast<IGraphService*>(&service));
    ComPtr<IUnknown> other;
    EXPECT_EQ(service.CreateGraphObject(0, 0, 0x41, other.Put()), E_INVALIDARG);
}

} // namespace

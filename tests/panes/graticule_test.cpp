#include "panes/GraticuleDrawer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "PaneFixtures.h"
#include "host/engine/ComObject.h"
#include "panes/TimeAxis.h"
#include "platform/gdi/probe.h"
#include "platform/vantrel/GraphService.h"

namespace {

using namespace panes_test;
using StrevDraw::GraticuleDrawer;

// A channel's grid: rows 10 and 30 of a 40-pixel strip and its range limits.
struct Grid : Vantrel::ComObject<IScaleStripTicks> {
    bool fails = false;
    double low = 5, high = 35;
    HRESULT GetTickCount(LONG* count) override {
        *count = 2;
        return fails ? E_FAIL : S_OK;
    }
    HRESULT GetTicks(LONG capacity, ScaleTick* ticks, LONG* returned) override {
        ticks[0] = {10, 1};
        if (capacity > 1)
            ticks[1] = {30, 0};
        *returned = std::min<LONG>(capacity, 2);
        return S_OK;
    }
    HRESULT GetStripRect(RECT*) override { return E_NOTIMPL; }
    HRESULT GetRangeLimits(double* l, double* h) override {
        *l = low;
        *h = high;
        return S_OK;
    }
    void* find(REFIID iid) override {
        return iid == IID_IScaleStripTicks ? static_cast<IScaleStripTicks*>(this) : nullptr;
    }
};

constexpr RECT kStrip{0, 0, 60, 40};
const double kRows[2] = {1.0, 0.0}; // values are rows

ComPtr<GraticuleDrawer> MakeGrid(Grid* grid) {
    ComPtr<GraticuleDrawer> drawer{new GraticuleDrawer(0, 0)};
    drawer->SetBounds(0, &kStrip);
    drawer->SetViewRect(0, 0, kRows, grid);
    return drawer;
}

void DrawGrid(IStrevRecordDrawer* drawer, HDC dc, LONGLONG from = 0, const TimeAxisLayout* layout = nullptr) {
    drawer->Draw(dc, from, from + 60, 0, 0, 0, &kStrip, 0, layout, nullptr);
}

TEST(GraticuleTest, DotsAtTheGridRowsStayWithTheDataAndRangesAreShaded) {
    auto grid = ComPtr<Grid>::Adopt(new Grid);
    auto drawer = MakeGrid(grid.Get());
    for (const LONGLONG from : {0LL, 1LL}) {
        Canvas canvas(60, 40);
        DrawGrid(drawer.Get(), canvas.dc, from);
        const COLORREF navy = RGB(0, 0, 128);
        // Pitch 3 with no pane: dots at the columns whose data position is a multiple of 3.
        const int first = from == 0 ? 0 : 2;
        EXPECT_EQ(GetPixel(canvas.dc, first, 10), navy) << from;
        EXPECT_EQ(GetPixel(canvas.dc, first + 1, 10), RGB(255, 255, 255)) << from;
        EXPECT_EQ(GetPixel(canvas.dc, first + 3, 30), navy) << from;
        EXPECT_EQ(GetPixel(canvas.dc, first, 20), RGB(255, 255, 255)) << "no dot between the rows";
        EXPECT_EQ(GetPixel(canvas.dc, 1, 2), RGB(245, 242, 230)) << "above the upper limit";
        EXPECT_EQ(GetPixel(canvas.dc, 1, 37), RGB(245, 242, 230)) << "below the lower limit";
    }
}

TEST(GraticuleTest, LimitsOutsideTheStripOrNotANumberShadeNothing) {
    for (const double high : {100.0, double(NAN)}) {
        auto grid = ComPtr<Grid>::Adopt(new Grid);
        grid->low = -5;
        grid->high = high;
        auto drawer = MakeGrid(grid.Get());
        Canvas canvas(60, 40);
        DrawGrid(drawer.Get(), canvas.dc);
        EXPECT_EQ(GetPixel(canvas.dc, 1, 2), RGB(255, 255, 255)) << high;
        EXPECT_EQ(GetPixel(canvas.dc, 1, 38), RGB(255, 255, 255)) << high;
    }
}

TEST(GraticuleTest, AChannelWithoutGridGetsTheLightBackgroundOnly) {
    auto grid = ComPtr<Grid>::Adopt(new Grid);
    grid->fails = true;
    auto drawer = MakeGrid(grid.Get());
    EXPECT_FALSE(drawer->HasGrid());
    Canvas canvas(60, 40);
    DrawGrid(drawer.Get(), canvas.dc);
    EXPECT_EQ(GetPixel(canvas.dc, 0, 10), GetSysColor(COLOR_3DLIGHT));
    EXPECT_TRUE(gdi::DisplayListOf(canvas.dc)->Named("BitBlt").empty());
}

TEST(GraticuleTest, VerticalDotsFollowTheTimeTicksAndBitmapsFollowTheHeight) {
    auto grid = ComPtr<Grid>::Adopt(new Grid);
    auto drawer = MakeGrid(grid.Get());
    const int builds = drawer->ColumnBuilds();
    drawer->SetBounds(0, &kStrip);
    EXPECT_EQ(drawer->ColumnBuilds(), builds) << "same height, same bitmaps";
    const RECT taller{0, 0, 60, 50};
    drawer->SetBounds(0, &taller);
    EXPECT_EQ(drawer->ColumnBuilds(), builds + 1);
    drawer->SetBounds(0, &kStrip);

    TimeAxisLayout layout;
    layout.ComputeTimeGrid(0, 0.01, 4); // a minor tick every 20 pixels
    layout.firstTickPosition = 5;
    Canvas canvas(60, 40);
    DrawGrid(drawer.Get(), canvas.dc, 0, &layout);
    for (const int x : {5, 25, 45})
        EXPECT_EQ(GetPixel(canvas.dc, x, 3), RGB(0, 0, 128)) << x;
    EXPECT_EQ(GetPixel(canvas.dc, 15, 3), RGB(245, 242, 230));
}

TEST(GraticuleTest, TheMetafileCloneDrawsDottedLines) {
    auto grid = ComPtr<Grid>::Adopt(new Grid);
    auto drawer = MakeGrid(grid.Get());
    ComPtr<IStrevRecordDrawer> clone;
    ASSERT_EQ(drawer->Clone(0x40000000u, clone.Put()), S_OK);
    clone->SetBounds(0, &kStrip);
    Canvas canvas(60, 40);
    DrawGrid(clone.Get(), canvas.dc);
    const auto lines = gdi::DisplayListOf(canvas.dc)->Named("LineTo");
    ASSERT_EQ(lines.size(), 2u) << "one line a grid row";
    EXPECT_EQ(lines[0].penStyle & 0xF, PS_DOT);
    EXPECT_TRUE(gdi::DisplayListOf(canvas.dc)->Named("BitBlt").empty());
}

} // namespace

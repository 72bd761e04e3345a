#include "panes/ChildPaneBase.h"

#include <gtest/gtest.h>

#include "PaneFixtures.h"

namespace {

using namespace panes_test;
using StrevDraw::LaneDrawArgs;
using StrevDraw::Layer;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr RECT kLane{10, 5, 110, 25};

struct LaneTest : ::testing::Test {
    FakeOwner owner;
    ComPtr<Lane> lane{new Lane(&owner, 0)};

    FillDrawer* Add(DWORD kind, COLORREF colour, int cache = 0, LONG overhang = 0) {
        auto* drawer = new FillDrawer(kind, colour, overhang);
        lane->AddDrawer(cache, drawer, 255);
        return drawer;
    }
    LaneDrawArgs Args(DWORD flags = 0) const {
        LaneDrawArgs args;
        args.firstPosition = 1000;
        args.firstColumn = kLane.left;
        args.update = kLane;
        args.flags = flags;
        return args;
    }
};

TEST_F(LaneTest, DrawersAreLayeredByKindAndEqualKindsKeepTheirOrder) {
    lane->SetLayout(0, {}, kLane, 0, 0, 0);
    auto* trace = Add(0x201, kRed);
    auto* grid = Add(1, kBlue);
    auto* secondTrace = Add(0x201, kBlue);
    Add(2048, kRed, 0, 50); // no layer: never drawn, no overhang
    auto* events = Add(0x402, kRed, 0, 10);
    ASSERT_EQ(lane->DrawerCount(), 5u);
    EXPECT_EQ(lane->DrawerAt(0), grid);
    EXPECT_EQ(lane->DrawerAt(1), trace);
    EXPECT_EQ(lane->DrawerAt(2), secondTrace);
    EXPECT_EQ(lane->DrawerAt(3), events);
    const std::pair<LONG, LONG> ranges[] = {{0, 1}, {-1, -1}, {1, 3}, {-1, -1}, {3, 4}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(lane->LayerAt(i).first, ranges[i].first) << i;
        EXPECT_EQ(lane->LayerAt(i).end, ranges[i].second) << i;
    }
    LONG left = 0, right = 0;
    lane->GetUpdateExtent(nullptr, StrevDraw::kDrawAll, left, right);
    EXPECT_EQ(left, kLane.left - 10);
    EXPECT_EQ(right, kLane.right + 10);
}

TEST_F(LaneTest, DrawingRightAfterARemovalUsesTheRemainingDrawersOnly) {
    owner.buffered = false;
    lane->SetLayout(0, {}, kLane, 0, 0, 0);
    Add(1, kBlue);
    Add(0x201, kRed);
    Add(0x402, kRed);
    lane->RemoveDrawers(0, {}); // every drawer
    EXPECT_EQ(lane->DrawerCount(), 0u);
    Canvas canvas(120, 30);
    lane->Draw(canvas.dc, Args());

    ComPtr<FillDrawer> kept(Add(1, kBlue));
    Add(0x201, kRed);
    lane->RemoveDrawers(0, {-1, StrevDraw::kNoSelector}); // the two drawers without a channel
    EXPECT_EQ(lane->DrawerCount(), 0u);
    lane->Draw(canvas.dc, Args());
    EXPECT_TRUE(kept->calls.empty());
}

TEST_F(LaneTest, ACachedLayerIsCopiedUntilItIsMarkedAgain) {
    lane->SetLayout(0, {}, kLane, 0, 0, 0);
    auto* grid = Add(1, kBlue, -1);
    Canvas canvas(120, 30);
    lane->Draw(canvas.dc, Args(StrevDraw::kDrawBuffered));
    ASSERT_EQ(grid->calls.size(), 1u);
    EXPECT_EQ(grid->calls[0].from, 1000);
    EXPECT_EQ(grid->calls[0].to, 1100);
    EXPECT_EQ(GetPixel(canvas.dc, 50, 10), RGB(255, 255, 255)) << "drawn into the bitmap only";
    lane->ClearDirty();
    lane->Draw(canvas.dc, Args(StrevDraw::kDrawBuffered));
    EXPECT_EQ(grid->calls.size(), 1u) << "copied, not redrawn";
    EXPECT_EQ(GetPixel(canvas.dc, 50, 10), kBlue);
    EXPECT_EQ(GetPixel(canvas.dc, 50, 4), RGB(255, 255, 255)) << "above the lane";
}

TEST_F(LaneTest, UncachedLayersDrawIntoTheCachedBaseWhenBuffered) {
    lane->SetLayout(0, {}, kLane, 0, 0, 0);
    Add(1, kBlue, -1);
    auto* trace = Add(0x201, kRed);
    Canvas canvas(120, 30);
    lane->Draw(canvas.dc, Args(StrevDraw::kDrawBuffered));
    ASSERT_EQ(trace->calls.size(), 1u);
    EXPECT_EQ(GetPixel(canvas.dc, 50, 10), RGB(255, 255, 255)) << "into the bitmap only";
    lane->ClearDirty();
    lane->Draw(canvas.dc, Args(StrevDraw::kDrawBuffered));
    EXPECT_EQ(GetPixel(canvas.dc, 50, 6), kRed) << "the lane's first rows";
    EXPECT_EQ(GetPixel(canvas.dc, 50, 24), kRed) << "the lane's last row";
}

TEST_F(LaneTest, DirectDrawingGoesToTheLaneRowsOfTheWindow) {
    owner.buffered = false;
    lane->SetLayout(0, {}, kLane, 0, 0, 0);
    auto* trace = Add(0x201, kRed);
    Canvas canvas(120, 30);
    LaneDrawArgs args = Args();
    args.update = {40, 0, 60, 30};
    lane->Draw(canvas.dc, args);
    ASSERT_EQ(trace->calls.size(), 1u);
    EXPECT_EQ(trace->calls[0].x, 40);
    EXPECT_EQ(trace->calls[0].from, 1030);
    EXPECT_EQ(GetPixel(canvas.dc, 45, 5), kRed);
    EXPECT_EQ(GetPixel(canvas.dc, 45, 4), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(canvas.dc, 60, 10), RGB(255, 255, 255));
}

TEST_F(LaneTest, ALaneOfZeroHeightDrawsAndComposesNothing) {
    owner.buffered = false;
    lane->SetLayout(0, {}, {10, 5, 110, 5}, 0, 0, 0);
    auto* trace = Add(0x201, kRed);
    Canvas canvas(120, 30);
    lane->Draw(canvas.dc, Args());
    lane->ComposeTo(canvas.dc, kLane);
    EXPECT_TRUE(trace->calls.empty());
    EXPECT_EQ(GetPixel(canvas.dc, 50, 5), RGB(255, 255, 255));
}

TEST_F(LaneTest, ComposingBlendsATranslucentLayerOverItsRange) {
    lane->SetLayout(0, {}, kLane, 0, 0, 0);
    Add(1, kBlue, -1);
    auto* overlay = new FillDrawer(0x201, kRed);
    lane->AddDrawer(-1, overlay, 128);
    lane->LayerAt(2).translucent = RECT{20, 5, 40, 25};
    Canvas canvas(120, 30);
    lane->Draw(canvas.dc, Args(StrevDraw::kDrawBuffered));
    lane->ComposeTo(canvas.dc, kLane);
    EXPECT_EQ(GetPixel(canvas.dc, 60, 10), kBlue) << "outside the translucent range";
    const COLORREF mixed = GetPixel(canvas.dc, 30, 10);
    EXPECT_NEAR(GetRValue(mixed), 128, 2);
    EXPECT_NEAR(GetBValue(mixed), 127, 2);
}

// Scrolling a cached layer.
struct ScrollTest : ::testing::Test {
    RECT pane{0, 0, 100, 20};
    Layer layer;
    ScrollTest() {
        layer.first = 0;
        layer.end = 1;
        layer.flags = StrevDraw::kLayerCached;
        layer.memory = std::make_shared<StrevDraw::LayerBitmap>(nullptr, pane);
    }
};

TEST_F(ScrollTest, ScrollingLeftMarksTheUncoveredColumnsAndMovesTheImage) {
    HDC dc = layer.memory->Dc();
    const RECT white{0, 0, 100, 20}, mark{50, 0, 51, 20};
    FillRect(dc, &white, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(dc, &mark, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    layer.dirty = {30, 0, 45, 20};
    StrevDraw::ScrollLayer(layer, pane, -10, true);
    EXPECT_EQ(GetPixel(dc, 40, 5), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 50, 5), RGB(255, 255, 255));
    EXPECT_EQ(layer.dirty.left, 20) << "the earlier range moved with the image";
    EXPECT_EQ(layer.dirty.right, 100) << "joined with the 10 new columns";
    EXPECT_TRUE(layer.flags & StrevDraw::kLayerNeedsRedraw);

    Layer fresh;
    fresh.first = 0;
    fresh.end = 1;
    StrevDraw::ScrollLayer(fresh, pane, -10, true);
    EXPECT_EQ(fresh.dirty.left, 90);
    EXPECT_EQ(fresh.dirty.right, 100);
    StrevDraw::ScrollLayer(fresh, pane, 95, true);
    EXPECT_EQ(fresh.dirty.left, 0) << "the moved range left the pane; only the new columns remain";
    EXPECT_EQ(fresh.dirty.right, 95);
}

TEST_F(ScrollTest, NoShiftAddsNothingAndTranslucentLayersOnlyMoveTheirRanges) {
    StrevDraw::ScrollLayer(layer, pane, 0, true);
    EXPECT_EQ(layer.dirty.left, layer.dirty.right);

    layer.alpha = 100;
    layer.translucent = RECT{10, 0, 30, 20};
    HDC dc = layer.memory->Dc();
    const RECT mark{50, 0, 51, 20};
    FillRect(dc, &mark, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    StrevDraw::ScrollLayer(layer, pane, -5, true);
    EXPECT_EQ(GetPixel(dc, 50, 5), RGB(0, 0, 0)) << "not copied";
    EXPECT_EQ(layer.translucent->left, 5);
    EXPECT_EQ(layer.translucent->right, 25);

    Layer empty;
    StrevDraw::ScrollLayer(empty, pane, -10, true);
    EXPECT_EQ(empty.dirty.right, 0) << "a layer without drawers is left alone";
}

TEST_F(LaneTest, NewDataWhileSamplingScrollsTheCachedLayers) {
    lane->SetLayout(0, {}, kLane, 0, 0, 0);
    Add(1, kBlue, -1);
    lane->ClearDirty();
    owner.sampling = true;
    owner.columnShift = -10; // position p is drawn at column p - 10
    LONGLONG latest = 0;
    lane->UpdateNewData(90, 10, latest, 0); // new data ends at column 90: scroll by -20
    const Layer& grid = lane->LayerAt(0);
    EXPECT_EQ(grid.dirty.left, 90);
    EXPECT_EQ(grid.dirty.right, 110);
    ASSERT_FALSE(owner.invalidated.empty());
    EXPECT_EQ(owner.invalidated.back().left, kLane.left);

    owner.buffered = false;
    lane->UpdateNewData(90, 10, latest, 0);
    ASSERT_EQ(owner.scrolled.size(), 1u);
    EXPECT_EQ(owner.scrolled[0], -20);
    EXPECT_EQ(owner.invalidated.back().left, 90);
}

} // namespace

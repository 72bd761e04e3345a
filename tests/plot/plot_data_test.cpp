#include <climits>
#include <random>

#include <gtest/gtest.h>

#include "plot/PlotData.h"

namespace {

using namespace ZOzuve1;

// The data of the tests: the grid behaves as in any x-y data.
struct Data : XYCPlotDataBase {};

Data Grid(int width, int height) {
    Data d;
    int out = -1;
    EXPECT_TRUE(d.BeginBinning(width, height, &out));
    EXPECT_EQ(out, 0);
    return d;
}

TEST(PlotData, ModifiedRaisesTheRedrawAndHitTestFlags) {
    Data d;
    EXPECT_FALSE(d.IsModified());
    EXPECT_EQ(d.xExtent, (Extent{-DBL_MAX, DBL_MAX}));
    EXPECT_EQ(d.legendSlot, -1);
    EXPECT_EQ(d.legendBounds.right, -INT_MAX);
    EXPECT_EQ(d.highlightX, 2147483647.0);
    EXPECT_EQ(d.GridWidth(), -1);
    d.SetModified(true);
    EXPECT_TRUE(d.IsModified() && d.RedrawPending() && d.HitTestStale());
    d.ClearModified();
    d.ClearRedrawPending();
    EXPECT_FALSE(d.IsModified() || d.RedrawPending());
    TrackInfo info;
    info.found = true;
    EXPECT_FALSE(d.HitTest(0, &info)) << "no bins";
    EXPECT_FALSE(info.found);
    EXPECT_FALSE(d.HitTestStale());
    EXPECT_FALSE(d.HitTest(0, nullptr));
}

TEST(PlotData, BinningOpensOnlyOnceAndKeepsBinsForTheSameSize) {
    Data d;
    int out = 0;
    EXPECT_FALSE(d.BeginBinning(0, 10, &out));
    ASSERT_TRUE(d.BeginBinning(50, 40, &out));
    EXPECT_FALSE(d.BeginBinning(50, 40, &out)) << "already open";
    d.SetBin(3, 4, 1.5, 2.5, 7, 0xFF, 1);
    d.EndBinning();
    ASSERT_TRUE(d.BeginBinning(50, 40, &out));
    EXPECT_EQ(d.BinCount(), 1u);
    d.EndBinning();
    ASSERT_TRUE(d.BeginBinning(51, 40, &out));
    EXPECT_EQ(d.BinCount(), 0u);
}

TEST(PlotData, CellsHoldTheLastPointAndIgnoreWritesOffTheGrid) {
    Data d = Grid(10, 10);
    d.SetBin(2, 3, 1.0, 1.0, 1, 0xFF, 1);
    d.SetBin(2, 3, 2.0, 2.0, 2, 0xFF, 1);
    d.AddBinRecord(2, 3, PlotBin{5, 9.0, 9.0, 9, 9, 9}); // occupied: kept
    d.AddBinRecord(4, 4, PlotBin{5, 9.0, 9.0, 9, 9, 9});
    for (auto [c, r] : {std::pair{-1, 0}, {10, 0}, {0, 10}, {0, -1}})
        d.SetBin(c, r, 0, 0, 0, 0, 0);
    PlotBin bin;
    ASSERT_TRUE(d.GetBin(2, 3, &bin));
    EXPECT_EQ(bin.index, 2u);
    EXPECT_EQ(bin.id, -1);
    ASSERT_TRUE(d.GetBin(4, 4, &bin));
    EXPECT_EQ(bin.id, 5);
    EXPECT_EQ(d.BinCount(), 2u);
    EXPECT_FALSE(d.GetBin(10, 0, &bin));
    EXPECT_FALSE(d.GetBin(5, 5, &bin));
}

TEST(PlotData, TheNearestBinIsStrictlyWithinTheRadiusAndTiesGoUpThenLeft) {
    Data d = Grid(100, 100);
    PlotBin bin;
    d.SetBin(53, 54, 0, 0, 1, 0, 0); // d2 = 9 + 16 = 25
    EXPECT_FALSE(d.FindNearestBin(50, 50, 5, &bin)) << "d2 equal to radius2";
    EXPECT_TRUE(d.FindNearestBin(50, 51, 5, &bin)) << "d2 = 9 + 9 = 18";
    d.SetBin(50, 47, 0, 0, 2, 0, 0); // 3 up
    d.SetBin(53, 50, 0, 0, 3, 0, 0); // 3 right
    d.SetBin(47, 50, 0, 0, 4, 0, 0); // 3 left
    ASSERT_TRUE(d.FindNearestBin(50, 50, 5, &bin));
    EXPECT_EQ(bin.index, 2u) << "the upper row wins";
    d.ClearBins();
    d.SetBin(53, 50, 0, 0, 3, 0, 0);
    d.SetBin(47, 50, 0, 0, 4, 0, 0);
    ASSERT_TRUE(d.FindNearestBin(50, 50, 5, &bin));
    EXPECT_EQ(bin.index, 4u) << "in the same row the left one";
}

TEST(PlotData, HitTestCopiesTheNearestBinWithinTwentyPixels) {
    Data d = Grid(100, 100);
    d.SetBin(30, 40, 1.25, -3.5, 17, 0xFF00, 4);
    TrackInfo info;
    info.mouseX = 30 + 12;
    info.mouseY = 40 + 15; // d2 = 144 + 225 = 369 < 400
    ASSERT_TRUE(d.HitTest(0, &info));
    EXPECT_TRUE(info.found);
    EXPECT_EQ(info.x, 1.25);
    EXPECT_EQ(info.y, -3.5);
    EXPECT_EQ(info.index, 17u);
    info.mouseX = 30 + 20;
    EXPECT_FALSE(d.HitTest(0, &info));
    EXPECT_FALSE(info.found);
}

// The search over the cells in reach equals a scan of every bin.
TEST(PlotData, FindNearestBinEqualsABruteForceSearch) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 30; ++trial) {
        const int w = 20 + static_cast<int>(random() % 200);
        const int h = 20 + static_cast<int>(random() % 200);
        Data d = Grid(w, h);
        std::vector<std::pair<int, int>> cells;
        const int n = static_cast<int>(random() % 300);
        for (int i = 0; i < n; ++i) {
            const int c = static_cast<int>(random() % w);
            const int r = static_cast<int>(random() % h);
            d.SetBin(c, r, c, r, static_cast<std::uint32_t>(r * w + c), 0, 0);
            cells.emplace_back(c, r);
        }
        for (int q = 0; q < 50; ++q) {
            const int x = static_cast<int>(random() % (w + 40)) - 20;
            const int y = static_cast<int>(random() % (h + 40)) - 20;
            const int radius = 1 + static_cast<int>(random() % 30);
            long best = LONG_MAX;
            std::pair<int, int> expected{-1, -1};
            for (auto [c, r] : cells) {
                const long d2 = long{c - x} * (c - x) + long{r - y} * (r - y);
                const bool before = r < expected.second || (r == expected.second && c < expected.first);
                if (d2 < long{radius} * radius && (d2 < best || (d2 == best && before))) {
                    best = d2;
                    expected = {c, r};
                }
            }
            PlotBin bin;
            const bool found = d.FindNearestBin(x, y, radius, &bin);
            ASSERT_EQ(found, expected.first >= 0) << trial << " " << q;
            if (found) {
                EXPECT_EQ(bin.index, static_cast<std::uint32_t>(expected.second * w + expected.first));
            }
        }
    }
}

} // namespace

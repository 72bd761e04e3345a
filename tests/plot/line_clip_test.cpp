#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "plot/LineClip.h"

namespace {

using ZOzuve1::ClipLine;
using ZOzuve1::LineClipRecord;

LineClipRecord Segment(float x0, float y0, float x1, float y1) {
    return {x0, y0, x1, y1, 0, 0, 100, 100};
}

struct ClipCase {
    const char* what;
    LineClipRecord in;
    bool visible;
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

TEST(ClipLine, CutsSegmentsAtTheHalfOpenRectangle) {
    const ClipCase cases[] = {
        {"crosses the left edge", Segment(-50, 50, 50, 50), true, 0, 50, 50, 50},
        {"runs past the right edge", Segment(50, 50, 150, 50), true, 50, 50, 99, 50},
        {"outside on two sides at each end", Segment(-10, -10, 110, 110), true, 0, 0, 99, 99},
        {"cuts a corner", Segment(-10, 50, 50, -10), true, 0, 40, 40, 0},
        {"wholly inside", Segment(10, 20, 30, 40), true, 10, 20, 30, 40},
        {"wholly right", Segment(150, 0, 200, 50), false},
        {"passes by a corner", Segment(-10, 5, 5, -10), false},
        {"on the right edge", Segment(100, 10, 100, 90), false},
    };
    for (const ClipCase& c : cases) {
        LineClipRecord r = c.in;
        ASSERT_EQ(ClipLine(r), c.visible) << c.what;
        if (!c.visible)
            continue;
        EXPECT_FLOAT_EQ(r.x0, c.x0) << c.what;
        EXPECT_FLOAT_EQ(r.y0, c.y0) << c.what;
        EXPECT_FLOAT_EQ(r.x1, c.x1) << c.what;
        EXPECT_FLOAT_EQ(r.y1, c.y1) << c.what;
    }
}

TEST(ClipLine, RefusesSegmentsWithAnEndThatIsNoNumber) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (LineClipRecord r : {Segment(nan, 50, 50, 50), Segment(50, 50, 50, nan), Segment(nan, nan, nan, nan),
                             Segment(10, 10, inf, 10), Segment(-inf, 20, 30, 40)})
        EXPECT_FALSE(ClipLine(r));
}

// A clipped segment lies on the line it was cut from, inside the half-open
// rectangle (an end cut at an edge lies on right - 1 or bottom - 1); a refused
// one has no point inside. The oracle samples the segment in double precision.
TEST(ClipLine, AgreesWithSamplingOnRandomSegments) {
    std::mt19937 random(20);
    std::uniform_real_distribution<float> coordinate(-150.0f, 250.0f);
    constexpr double kTolerance = 1e-3; // float rounding of coordinates of a few hundred pixels
    for (int n = 0; n < 2000; ++n) {
        LineClipRecord r{
            coordinate(random), coordinate(random), coordinate(random), coordinate(random), 0, 0, 100, 100};
        const LineClipRecord original = r;
        bool sampledInside = false;
        for (int k = 0; k <= 400; ++k) {
            const double t = k / 400.0;
            const double x = original.x0 + t * (original.x1 - original.x0);
            const double y = original.y0 + t * (original.y1 - original.y0);
            sampledInside = sampledInside || (x >= 0.5 && x <= 98.5 && y >= 0.5 && y <= 98.5);
        }
        const bool visible = ClipLine(r);
        if (sampledInside) {
            ASSERT_TRUE(visible) << n;
        }
        if (!visible)
            continue;
        for (auto [x, y] : {std::pair{r.x0, r.y0}, std::pair{r.x1, r.y1}}) {
            EXPECT_GE(x, -kTolerance);
            EXPECT_LT(x, 100);
            EXPECT_GE(y, -kTolerance);
            EXPECT_LT(y, 100);
            const double cross = (original.x1 - original.x0) * (y - original.y0) -
                                 (original.y1 - original.y0) * (x - original.x0);
            const double length = std::hypot(original.x1 - original.x0, original.y1 - original.y0);
            EXPECT_LT(std::abs(cross) / length, 0.01) << n;
        }
    }
}

} // namespace

#pragma once
// Plot data of the tests: one x-y series over vectors, with the drawing flags
// and colour it hands out; it counts how often it was asked for its points.

#include <vector>

#include "plot/PlotData.h"

namespace PlotTest {

class SeriesData : public ZOzuve1::XYCPlotData {
public:
    SeriesData(std::vector<float> x, std::vector<float> y, COLORREF c = RGB(255, 0, 0), std::uint32_t f = 1)
        : xs(std::move(x)), ys(std::move(y)), colour(c), flags(f) {}

    bool GetData(int, int* count, int* firstIndex, const float** x, const float** y, const COLORREF** colours,
                 COLORREF* c, std::uint32_t* f) override {
        ++asked;
        *count = static_cast<int>(xs.size());
        *firstIndex = first;
        *x = xs.data();
        *y = ys.data();
        *colours = perPoint.empty() ? nullptr : perPoint.data();
        *c = colour;
        *f = flags;
        return true;
    }
    bool CanDraw(int) override { return canDraw; }

    std::vector<float> xs;
    std::vector<float> ys;
    std::vector<COLORREF> perPoint;
    COLORREF colour;
    std::uint32_t flags;
    int first = 0;
    bool canDraw = true;
    int asked = 0;
};

} // namespace PlotTest

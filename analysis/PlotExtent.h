#pragma once

#include <cfloat>

namespace Tarvik {

// The range of a plotted quantity, kept in single precision: empty (maximum -FLT_MAX, minimum
// +FLT_MAX) until a value widens it. A NaN widens nothing.
struct PlotExtent {
    float maximum = -FLT_MAX;
    float minimum = FLT_MAX;

    void WidenMaximum(double value) {
        if (const auto v = static_cast<float>(value); v > maximum)
            maximum = v;
    }
    void WidenMinimum(double value) {
        if (const auto v = static_cast<float>(value); v < minimum)
            minimum = v;
    }
    void Widen(double value) {
        WidenMaximum(value);
        WidenMinimum(value);
    }
};

} // namespace Tarvik

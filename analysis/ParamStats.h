#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace Tarvik {

// Running statistics of one loop parameter over the loops added: empty (mean 0, maximum -DBL_MAX,
// minimum +DBL_MAX, count 0) until a finite value is added; values that are not finite are left out.
struct ParamStats {
    double mean = 0.0;
    double sum = 0.0;
    double maximum = -DBL_MAX;
    double minimum = DBL_MAX;
    std::int32_t count = 0;

    void Add(double value) {
        if (!std::isfinite(value))
            return;
        if (value > maximum)
            maximum = value;
        if (value < minimum)
            minimum = value;
        count += 1;
        sum += value;
        mean = sum / count;
    }
};

} // namespace Tarvik

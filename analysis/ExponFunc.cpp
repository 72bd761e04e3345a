#include "analysis/ExponFunc.h"

#include "core/NumericHelpers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Tarvik {

bool ExponFunc::InitialGuess(const std::vector<double>& x, const std::vector<double>& y,
                             std::vector<double>& params) const {
    params.assign(2, std::numeric_limits<double>::quiet_NaN());
    const std::size_t count = std::min(x.size(), y.size());
    std::size_t a = count; // index of the smallest usable x; count while none
    std::size_t b = count; // index of the largest usable x
    for (std::size_t i = 0; i < count; ++i) {
        if (!(x[i] >= 0.0 && y[i] > 0.0 && std::isfinite(x[i]) && std::isfinite(y[i])))
            continue;
        if (a == count || x[i] < x[a])
            a = i;
        if (b == count || x[i] > x[b])
            b = i;
    }
    if (a == count || ApproxEqual(x[a], x[b]))
        return false;
    const double rate = (std::log(y[a]) - std::log(y[b])) / (x[a] - x[b]);
    params[0] = rate;
    params[1] = y[a] * std::exp(-rate * x[a]);
    return true;
}

double ExponFunc::Value(double x, const std::vector<double>& params) const {
    return params[1] * std::exp(params[0] * x);
}

void ExponFunc::Gradient(double x, const std::vector<double>& params, std::vector<double>& gradient) const {
    const double e = std::exp(params[0] * x);
    gradient[0] = x * params[1] * e;
    gradient[1] = e;
}

} // namespace Tarvik

#include "analysis/QuadraticFunc.h"

namespace Tarvik {

bool QuadraticFunc::InitialGuess(const std::vector<double>&, const std::vector<double>&,
                                 std::vector<double>& params) const {
    params = {0.0, 0.0, -1.0};
    return true;
}

double QuadraticFunc::Value(double x, const std::vector<double>& params) const {
    // This evaluation order is kept so fitted curves and stored fits agree to the last bit.
    return params[2] * x * x + x * params[1] + params[0];
}

void QuadraticFunc::Gradient(double x, const std::vector<double>&, std::vector<double>& gradient) const {
    gradient[0] = 1.0;
    gradient[1] = x;
    gradient[2] = x * x;
}

} // namespace Tarvik

#pragma once

#include "analysis/FunctionBase.h"

namespace Tarvik {

// The quadratic end-systolic pressure-volume relation P = p0 + p1 V + p2 V^2 (V volume, P pressure,
// in the units of the data). The start is the downward parabola (0, 0, -1) whatever the data.
class QuadraticFunc : public ExtLib::FunctionBase {
public:
    int32_t GetParamCount() const override { return 3; }
    bool InitialGuess(const std::vector<double>& x, const std::vector<double>& y,
                      std::vector<double>& params) const override;
    double Value(double x, const std::vector<double>& params) const override;
    void Gradient(double x, const std::vector<double>& params, std::vector<double>& gradient) const override;
};

} // namespace Tarvik

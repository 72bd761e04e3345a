#pragma once

#include "analysis/FunctionBase.h"

namespace Tarvik {

// The exponential end-diastolic pressure-volume relation P = p1 e^(p0 V): p0 is the stiffness rate
// (per volume unit), p1 the amplitude (pressure at zero volume).
class ExponFunc : public ExtLib::FunctionBase {
public:
    int32_t GetParamCount() const override { return 2; }

    // The exponential through A and B, the points of smallest and largest x among those with x >= 0 and
    // y > 0 (the first on ties): p0 = (ln yA - ln yB) / (xA - xB), p1 = yA e^(-p0 xA). Points with y <= 0
    // have no logarithm and take no part. False (params NaN) when no two such points with distinct x
    // remain, since no exponential is determined then.
    bool InitialGuess(const std::vector<double>& x, const std::vector<double>& y,
                      std::vector<double>& params) const override;
    double Value(double x, const std::vector<double>& params) const override;
    void Gradient(double x, const std::vector<double>& params, std::vector<double>& gradient) const override;
};

} // namespace Tarvik

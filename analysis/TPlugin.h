#pragma once

#include "analysis/FunctionBase.h"

#include <vector>

namespace ExtLib {

// The residual function handed to MINPACK's lmdif for one fit: residual i = y[i] - f(x[i]; p).
// Borrows the data and the model; lives for the duration of one FitFunction call.
class TPlugin {
public:
    TPlugin(const std::vector<double>& x, const std::vector<double>& y, const FunctionBase& model)
        : mX(x), mY(y), mModel(model), mParams(static_cast<std::size_t>(model.GetParamCount())) {}

    // Fills residuals[0 .. m-1] for the n parameters p.
    void Evaluate(const double* p, int m, double* residuals);

    // lmdif's callback: `self` is the TPlugin. Returns 0 (never asks lmdif to stop).
    static int Callback(void* self, int m, int n, const double* p, double* residuals, int iflag);

private:
    const std::vector<double>& mX;
    const std::vector<double>& mY;
    const FunctionBase& mModel;
    std::vector<double> mParams;
};

} // namespace ExtLib

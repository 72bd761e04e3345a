#pragma once

#include <cstdint>
#include <vector>

namespace ExtLib {

// A fit model y = f(x; p) with a fixed number of parameters, adjusted to x-y data by FitFunction and
// judged by FitStatistics. Parameter sequences always hold GetParamCount() elements.
class FunctionBase {
public:
    // Number of parameters n (at least 1).
    virtual int32_t GetParamCount() const = 0;

    // Writes starting parameters derived from the data into `params` (already sized to n).
    // Returns false when the data cannot give a usable start; `params` then holds NaN.
    virtual bool InitialGuess(const std::vector<double>& x, const std::vector<double>& y,
                              std::vector<double>& params) const = 0;

    // The model value at x.
    virtual double Value(double x, const std::vector<double>& params) const = 0;

    // The n partial derivatives df/dp_j at x, written into `gradient` (already sized to n).
    virtual void Gradient(double x, const std::vector<double>& params,
                          std::vector<double>& gradient) const = 0;

    virtual ~FunctionBase() = default;
};

} // namespace ExtLib

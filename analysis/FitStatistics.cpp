#include "analysis/FitStatistics.h"

#include "analysis/Matrix.h"
#include "analysis/MtxErr.h"

#include <libalglib/specialfunctions.h>

#include <cmath>
#include <limits>

namespace ExtLib {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Probability of the two-sided 95 % quantile of Student's t.
constexpr double kUpperTail95 = 0.975;

struct Sums {
    double residualSquares = 0.0;
    double totalSquares = 0.0;
};

Sums SumsOfSquares(const std::vector<double>& x, const std::vector<double>& y,
                   const std::vector<double>& params, const FunctionBase& model) {
    Sums sums;
    if (y.empty())
        return sums;
    double mean = 0.0;
    for (double v : y)
        mean += v;
    mean /= static_cast<double>(y.size());
    for (std::size_t i = 0; i < y.size(); ++i) {
        const double r = y[i] - model.Value(x[i], params);
        sums.residualSquares += r * r;
        sums.totalSquares += (y[i] - mean) * (y[i] - mean);
    }
    return sums;
}

// J^T J, the normal matrix of the linearised problem.
Matrix NormalMatrix(const std::vector<double>& x, const std::vector<double>& params,
                    const FunctionBase& model) {
    const std::size_t n = params.size();
    Matrix normal = MakeMatrix(n, n);
    std::vector<double> g(n);
    for (double xi : x) {
        model.Gradient(xi, params, g);
        for (std::size_t j = 0; j < n; ++j)
            for (std::size_t k = 0; k < n; ++k)
                normal[j][k] += g[k] * g[j];
    }
    return normal;
}

} // namespace

bool FitStatistics(const std::vector<double>& x, const std::vector<double>& y,
                   const std::vector<double>& params, std::vector<double>& standardErrors,
                   std::vector<double>& lowerLimits, std::vector<double>& upperLimits,
                   double& residualSumOfSquares, double& rSquared, double& standardError,
                   int32_t& degreesOfFreedom, const FunctionBase& model) {
    const auto n = static_cast<std::size_t>(model.GetParamCount());
    standardErrors.assign(n, 0.0);
    lowerLimits.assign(n, 0.0);
    upperLimits.assign(n, 0.0);
    if (x.size() != y.size() || params.size() != n)
        return false;
    const std::size_t m = x.size();
    degreesOfFreedom = static_cast<int32_t>(m) - static_cast<int32_t>(n);
    const Sums sums = SumsOfSquares(x, y, params, model);
    residualSumOfSquares = sums.residualSquares;
    rSquared = sums.totalSquares > 0.0 ? 1.0 - sums.residualSquares / sums.totalSquares : kNaN;
    standardError = degreesOfFreedom > 0 ? std::sqrt(sums.residualSquares / degreesOfFreedom) : kNaN;
    if (degreesOfFreedom <= 0)
        return false;
    Matrix covariance = NormalMatrix(x, params, model);
    try {
        InvertMatrix(covariance);
    } catch (const MtxErr&) {
        return false;
    }
    for (std::size_t j = 0; j < n; ++j)
        if (!(covariance[j][j] >= 0.0))
            return false;
    const double t = alglib::invstudenttdistribution(degreesOfFreedom, kUpperTail95);
    for (std::size_t j = 0; j < n; ++j) {
        standardErrors[j] = std::sqrt(covariance[j][j]) * standardError;
        lowerLimits[j] = params[j] - t * standardErrors[j];
        upperLimits[j] = standardErrors[j] * t + params[j];
    }
    return true;
}

} // namespace ExtLib

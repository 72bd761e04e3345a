#include "analysis/FitFunction.h"

#include "analysis/TPlugin.h"

#include <cminpack-1/cminpack.h>

#include <algorithm>
#include <cmath>

namespace ExtLib {

namespace {

// Control record of the fit (ftol, xtol, gtol, epsilon, stepbound, maxcall).
constexpr double kFtol = 1e-8;
constexpr double kXtol = 1e-8;
constexpr double kGtol = 0.0;
constexpr double kEpsilon = 1e-8;
constexpr double kStepBound = 100.0;
// lmdif counts single residual evaluations, n of which make one Jacobian; the budget of 100
// iterations is 100 (n + 1) evaluations.
constexpr int kMaxCall = 100;
constexpr int kScaleVariablesInternally = 1;

bool Finite(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Runs lmdif from `params`; returns its termination code.
int Minimise(TPlugin& plugin, int m, std::vector<double>& params) {
    const int n = static_cast<int>(params.size());
    const auto un = params.size();
    const auto um = static_cast<std::size_t>(m);
    std::vector<double> residuals(um), diag(un), jacobian(um * un), qtf(un);
    std::vector<double> wa1(un), wa2(un), wa3(un), wa4(um);
    std::vector<int> pivots(un);
    int evaluations = 0;
    return lmdif(&TPlugin::Callback, &plugin, m, n, params.data(), residuals.data(), kFtol, kXtol, kGtol,
                 kMaxCall * (n + 1), kEpsilon, diag.data(), kScaleVariablesInternally, kStepBound, 0,
                 &evaluations, jacobian.data(), m, pivots.data(), qtf.data(), wa1.data(), wa2.data(),
                 wa3.data(), wa4.data());
}

} // namespace

bool FitFunction(const FunctionBase& model, const std::vector<double>& x, const std::vector<double>& y,
                 std::vector<double>& params) {
    const int32_t n = model.GetParamCount();
    params.assign(static_cast<std::size_t>(n), 0.0);
    if (x.size() != y.size() || x.size() < params.size() || n < 1)
        return false;
    if (!model.InitialGuess(x, y, params) || !Finite(params))
        return false;
    TPlugin plugin(x, y, model);
    const int info = Minimise(plugin, static_cast<int>(x.size()), params);
    return info >= 1 && info <= 4 && Finite(params);
}

} // namespace ExtLib

#pragma once

#include "analysis/FunctionBase.h"

#include <cstdint>
#include <vector>

namespace ExtLib {

// Quality of a least-squares fit of `model` with parameters `params` (n of them) to m points
// (x[i], y[i]), by the linearised (Jacobian) covariance of nonlinear regression (Bates & Watts 1988,
// ch. 2; the statistics NIST's StRD certifies):
//   degreesOfFreedom = m - n, residualSumOfSquares = sum (y[i] - f(x[i]))^2,
//   rSquared = 1 - RSS / sum (y[i] - mean y)^2 (NaN when all y are equal),
//   standardError s = sqrt(RSS / (m - n)) (NaN when m <= n),
//   standardErrors[j] = s sqrt(C[j][j]) with C = (J^T J)^-1, J[i][j] = df(x[i])/dp_j,
//   lower/upperLimits[j] = params[j] -/+ t(0.975; m - n) standardErrors[j], the two-sided 95 % limits.
// The three sequences are resized to n. Returns false, with zeros in the sequences, when the lengths of
// x, y and params do not fit the model (nothing else written), or, after the four scalar outputs are
// written, when m <= n, J^T J is singular (a parameter without effect on the model: MtxErr is caught
// here) or a diagonal element of C is negative or NaN.
bool FitStatistics(const std::vector<double>& x, const std::vector<double>& y,
                   const std::vector<double>& params, std::vector<double>& standardErrors,
                   std::vector<double>& lowerLimits, std::vector<double>& upperLimits,
                   double& residualSumOfSquares, double& rSquared, double& standardError,
                   int32_t& degreesOfFreedom, const FunctionBase& model);

} // namespace ExtLib

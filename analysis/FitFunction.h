#pragma once

#include "analysis/FunctionBase.h"

#include <vector>

namespace ExtLib {

// Least-squares fit of `model` to the points (x[i], y[i]) by Levenberg-Marquardt (Moré 1978, MINPACK
// lmdif with a forward-difference Jacobian), minimising the sum of (y[i] - f(x[i]; p))^2. `params` is
// resized to the model's parameter count, started from the model's InitialGuess and left holding the
// last iterate. Control: ftol = xtol = 1e-8, gtol = 0, difference step epsfcn = 1e-8, initial step bound
// factor 100, at most 100 (n + 1) evaluations of the data set, variables scaled internally (mode 1).
// Returns true when lmdif ends with codes 1 to 4 (a relative reduction or step below tolerance) and
// the parameters are finite; false when x and y differ in length, there are fewer points than
// parameters, the initial guess fails, or lmdif ends otherwise (call budget spent, tolerances too small).
bool FitFunction(const FunctionBase& model, const std::vector<double>& x, const std::vector<double>& y,
                 std::vector<double>& params);

} // namespace ExtLib

#pragma once

#include <cstdint>
#include <vector>

namespace ExtLib {

// Time constant of the isovolumic pressure decay: fits P(t) = A e^(-t / tau) + K to
// samples[start .. end] by Levenberg-Marquardt least squares, t = (i - start) / samplingRate seconds,
// with the asymptote K held at k0 (k0 = 0 is the method of Weiss, Frederiksen & Weisfeldt, J Clin Invest
// 1976;58:751). Pressures in any unit; A comes in that unit, tau in seconds.
// The start: A = y[start] - k0; tau = the time to the first sample past the 1/e level
// (y[start] - k0) * 0.36788 + k0 (below it for a falling segment, above it otherwise), or
// (end - start - 1) / 10 samples when none is.
// Returns true with the fitted A, tau and K. Returns false, with A and tau the "no value" NaN
// (0x7FF8600000000000) and K = k0, when the window holds fewer than two samples or lies outside
// `samples`, samplingRate is not positive, or the fit fails (see FitExponentialDecay). Reentrant.
bool FitTau(const std::vector<double>& samples, int32_t start, int32_t end, double samplingRate, double k0,
            double& amplitude, double& tau, double& asymptote);

// The Levenberg-Marquardt driver of FitTau (Press et al., Numerical Recipes in C, 2nd ed., section
// 15.5, mrqmin with a full-pivoting Gauss-Jordan solve), started from amplitude, tau and asymptote;
// varies A and tau, holds K. Lambda starts at 0.1, falls by 4 on an accepted step and rises by 10 on a
// rejected or singular one. Converged when chi-square fell by less than 0.001 of itself, the step was
// accepted and lambda is below 0.1, or at once when chi-square is no more than the model's rounding
// leaves (16 units in the last place of each sample: an exact start or fit); failed after more than
// 100 steps or when lambda exceeds 1e10. The exponentials of the evenly spaced samples come by
// recurrence, computed afresh every 8 samples. On convergence the standard errors come from the
// covariance at lambda 0 scaled by the residual variance chi-square / (points - 2) (0 with two
// points). Returns true and the fitted values only when the fit converged, that covariance exists, and
// |A| and |tau| are at least their standard errors; otherwise false with amplitude and tau the "no
// value" NaN (asymptote unchanged).
bool FitExponentialDecay(const std::vector<double>& samples, int32_t start, int32_t end, double& amplitude,
                         double& tau, double& asymptote, double samplingRate);

} // namespace ExtLib

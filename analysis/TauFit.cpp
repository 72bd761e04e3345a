#include "analysis/TauFit.h"

#include "analysis/NoValue.h"
#include "analysis/TauMuntedException.h"

#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace ExtLib {

namespace {

constexpr int kVaried = 2;           // A and tau vary; K (index 2) is held
constexpr double kStartLambda = 0.1; // lambda after the initialisation step
constexpr double kAcceptFactor = 0.25;
constexpr double kRejectFactor = 10.0;
constexpr double kChiSquareFall = 0.001; // converged when chi-square falls by less than this share
constexpr int kMaxSteps = 100;
constexpr double kMaxLambda = 1e10;
constexpr double kOneOverE = 0.36788;
constexpr int32_t kExpAnchor = 8;    // samples between exponentials computed afresh
constexpr double kRoundingUlps = 16; // of a sample: the most the model's rounding moves it

using Vec3 = std::array<double, 3>;
using Mat3 = std::array<Vec3, 3>;

struct DecayData {
    const std::vector<double>& y;
    int32_t start;
    int32_t end;
    double fs;

    int32_t Count() const { return end - start + 1; }

    // The chi-square that the rounding of the model alone can leave: what lies below it is a fit as
    // exact as doubles allow.
    double RoundingFloor() const {
        double sum = 0.0;
        for (int32_t k = start; k <= end; ++k) {
            const double r =
                kRoundingUlps * std::numeric_limits<double>::epsilon() * y[static_cast<std::size_t>(k)];
            sum += r * r;
        }
        return sum;
    }
};

// Work arrays of one fit: parameters (A, tau, K), curvature matrix alpha = J^T J and gradient
// beta = J^T r over the varied parameters, chi-square, lambda and the standard errors.
struct DecayFit {
    Vec3 a{};
    Mat3 alpha{};
    Vec3 beta{};
    double chiSquare = 0.0;
    double lambda = -1.0;
    Vec3 standardErrors{};
};

bool ValidWindow(const std::vector<double>& y, int32_t start, int32_t end, double fs) {
    return start >= 0 && start < end && static_cast<std::size_t>(end) < y.size() && fs > 0.0 &&
           std::isfinite(fs);
}

// Alpha, beta and chi-square at parameters a (Numerical Recipes mrqcof, all weights 1).
double Curvature(const DecayData& d, const Vec3& a, Mat3& alpha, Vec3& beta) {
    alpha = {};
    beta = {};
    double chiSquare = 0.0;
    // The samples are evenly spaced, so each exponential is the previous one times e^(-1 / (fs tau)),
    // taken afresh every kExpAnchor samples to hold the rounding to a few units in the last place.
    const double decay = std::exp(-(1.0 / d.fs) / a[1]);
    double ex = 1.0;
    for (int32_t k = 0; k < d.Count(); ++k) {
        const double t = k / d.fs;
        ex = k % kExpAnchor == 0 ? std::exp(-t / a[1]) : ex * decay;
        const Vec3 dyda{ex, a[0] * t * ex / (a[1] * a[1]), 1.0};
        const double dy = d.y[static_cast<std::size_t>(d.start + k)] - (a[0] * ex + a[2]);
        for (int j = 0; j < kVaried; ++j) {
            for (int l = 0; l <= j; ++l)
                alpha[j][l] += dyda[j] * dyda[l];
            beta[j] += dy * dyda[j];
        }
        chiSquare += dy * dy;
    }
    for (int j = 1; j < kVaried; ++j)
        for (int l = 0; l < j; ++l)
            alpha[l][j] = alpha[j][l];
    return chiSquare;
}

// The element of largest magnitude among the rows and columns not yet pivoted; throws when none is usable.
std::pair<int, int> FullPivot(const Mat3& a, const std::array<int, 3>& used, int n) {
    double big = 0.0;
    std::pair<int, int> pivot{-1, -1};
    for (int j = 0; j < n; ++j) {
        if (used[j])
            continue;
        for (int k = 0; k < n; ++k)
            if (!used[k] && std::fabs(a[j][k]) >= big) {
                big = std::fabs(a[j][k]);
                pivot = {j, k};
            }
    }
    if (pivot.first < 0 || a[pivot.first][pivot.second] == 0.0)
        throw TauMuntedException();
    return pivot;
}

// Gauss-Jordan elimination with full pivoting (Numerical Recipes gaussj): replaces the n x n matrix a
// by its inverse and b by the solution of a x = b. Throws TauMuntedException when a is singular.
void GaussJordan(Mat3& a, Vec3& b, int n) {
    std::array<int, 3> used{}, rowOf{}, columnOf{};
    for (int i = 0; i < n; ++i) {
        const auto [row, col] = FullPivot(a, used, n);
        used[col] = 1;
        if (row != col) {
            std::swap(a[row], a[col]);
            std::swap(b[row], b[col]);
        }
        rowOf[i] = row;
        columnOf[i] = col;
        const double inverse = 1.0 / a[col][col];
        a[col][col] = 1.0;
        for (int l = 0; l < n; ++l)
            a[col][l] *= inverse;
        b[col] *= inverse;
        for (int r = 0; r < n; ++r) {
            if (r == col)
                continue;
            const double factor = a[r][col];
            a[r][col] = 0.0;
            for (int l = 0; l < n; ++l)
                a[r][l] -= a[col][l] * factor;
            b[r] -= b[col] * factor;
        }
    }
    for (int l = n - 1; l >= 0; --l)
        if (rowOf[l] != columnOf[l])
            for (int k = 0; k < n; ++k)
                std::swap(a[k][rowOf[l]], a[k][columnOf[l]]);
}

void StandardErrors(const DecayData& d, const Mat3& covariance, DecayFit& f) {
    const int32_t freedom = d.Count() - kVaried;
    const double variance = freedom > 0 ? f.chiSquare / freedom : 0.0;
    f.standardErrors = {};
    for (int j = 0; j < kVaried; ++j)
        f.standardErrors[j] = std::sqrt(covariance[j][j] * variance);
}

// One Levenberg-Marquardt step (Numerical Recipes mrqmin). Lambda below 0 initialises, lambda 0
// computes the covariance and standard errors at the current parameters. Returns false when the
// augmented normal matrix was singular (lambda then rises tenfold and nothing else changes).
bool DecayLMStep(const DecayData& d, DecayFit& f) {
    if (f.lambda < 0.0) {
        f.lambda = kStartLambda;
        f.chiSquare = Curvature(d, f.a, f.alpha, f.beta);
        return true;
    }
    Mat3 covariance = f.alpha;
    Vec3 step = f.beta;
    for (int j = 0; j < kVaried; ++j)
        covariance[j][j] = f.alpha[j][j] * (1.0 + f.lambda);
    try {
        GaussJordan(covariance, step, kVaried);
    } catch (const TauMuntedException&) {
        f.lambda *= kRejectFactor;
        return false;
    }
    if (f.lambda == 0.0) {
        StandardErrors(d, covariance, f);
        return true;
    }
    Vec3 trial = f.a;
    for (int j = 0; j < kVaried; ++j)
        trial[j] += step[j];
    Mat3 alpha;
    Vec3 beta;
    const double chiSquare = Curvature(d, trial, alpha, beta);
    if (chiSquare < f.chiSquare) {
        f.lambda *= kAcceptFactor;
        f = {trial, alpha, beta, chiSquare, f.lambda, f.standardErrors};
    } else {
        f.lambda *= kRejectFactor;
    }
    return true;
}

// Steps until converged (true) or failed (false).
bool Iterate(const DecayData& d, DecayFit& f) {
    const double floor = d.RoundingFloor();
    DecayLMStep(d, f);
    if (f.chiSquare <= floor)
        return true; // an exact start: no step can improve on it
    for (int steps = 1;; ++steps) {
        const double previousChiSquare = f.chiSquare;
        const double previousLambda = f.lambda;
        DecayLMStep(d, f);
        const double threshold = kChiSquareFall * f.chiSquare;
        // A chi-square within the model's rounding cannot fall any further: the parameters reproduce
        // the data exactly.
        const bool converged = ((previousChiSquare - f.chiSquare < threshold || threshold == 0.0) &&
                                f.lambda < previousLambda && f.lambda < kStartLambda) ||
                               f.chiSquare <= floor;
        if (steps > kMaxSteps || f.lambda > kMaxLambda)
            return false;
        if (converged)
            return true;
    }
}

// A double narrowed to float the way the FPU does it: out-of-range values become infinite.
float ToFloat(double v) {
    if (std::fabs(v) > std::numeric_limits<float>::max())
        return v > 0.0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

// Time from the start to the first sample past the 1/e level, or the default when none is.
double GuessTau(const DecayData& d, double k0) {
    const double y0 = d.y[static_cast<std::size_t>(d.start)];
    const double ye = d.y[static_cast<std::size_t>(d.end)];
    const float level = ToFloat((y0 - k0) * kOneOverE + k0);
    const bool falling = y0 - ye > 0.0;
    for (int32_t i = d.start; i <= d.end; ++i) {
        const double v = d.y[static_cast<std::size_t>(i)];
        if (falling ? v < level : v > level)
            return (i - d.start) / d.fs;
    }
    return ((d.end - d.start - 1) / 10.0) / d.fs;
}

} // namespace

bool FitExponentialDecay(const std::vector<double>& samples, int32_t start, int32_t end, double& amplitude,
                         double& tau, double& asymptote, double samplingRate) {
    const double guessAmplitude = amplitude;
    const double guessTau = tau;
    amplitude = NoValue();
    tau = NoValue();
    if (!ValidWindow(samples, start, end, samplingRate))
        return false;
    const DecayData d{samples, start, end, samplingRate};
    DecayFit f;
    f.a = {guessAmplitude, guessTau, asymptote};
    if (!Iterate(d, f))
        return false;
    f.lambda = 0.0;
    if (!DecayLMStep(d, f))
        return false;
    if (!(std::fabs(f.a[0]) >= f.standardErrors[0] && std::fabs(f.a[1]) >= f.standardErrors[1]))
        return false;
    amplitude = f.a[0];
    tau = f.a[1];
    asymptote = f.a[2];
    return true;
}

bool FitTau(const std::vector<double>& samples, int32_t start, int32_t end, double samplingRate, double k0,
            double& amplitude, double& tau, double& asymptote) {
    amplitude = NoValue();
    tau = NoValue();
    asymptote = k0;
    if (!ValidWindow(samples, start, end, samplingRate))
        return false;
    const DecayData d{samples, start, end, samplingRate};
    amplitude = samples[static_cast<std::size_t>(start)] - k0;
    tau = GuessTau(d, k0);
    return FitExponentialDecay(samples, start, end, amplitude, tau, asymptote, samplingRate);
}

} // namespace ExtLib

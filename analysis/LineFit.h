#pragma once

#include <cstdint>

namespace Tarvik {

// Ordinary least-squares line y = intercept + slope x through points added one at a time, from the
// plain sums: with means mx, my, Dxx = Sxx - n mx^2, Dxy = Sxy - n mx my, Dyy = Syy - n my^2,
// slope = Dxy / Dxx, intercept = my - slope mx, r^2 = Dxy^2 / (Dxx Dyy).
class LineFit {
public:
    // Adds the point; a pair with a NaN or infinite member takes no part.
    void Add(double x, double y);

    // Writes the line and returns true; false, writing nothing, for fewer than two points or when x
    // or y has no spread (|Dxx| or |Dyy| not above DBL_EPSILON), where slope or r^2 would be 0/0 or
    // infinite.
    bool Solve(double& intercept, double& slope, double& rSquared) const;

    std::int32_t count() const { return mN; }

private:
    double mSx = 0.0, mSy = 0.0, mSxx = 0.0, mSyy = 0.0, mSxy = 0.0;
    std::int32_t mN = 0;
};

} // namespace Tarvik

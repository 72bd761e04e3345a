#include "platform/gdi/Stroke.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/PenObject.h"

namespace gdi {
namespace {

std::vector<int> PatternFor(int style, int unit) {
    switch (style) {
    case PS_DASH:
        return {6 * unit, 2 * unit};
    case PS_DOT:
        return {unit, unit};
    case PS_DASHDOT:
        return {3 * unit, 2 * unit, unit, 2 * unit};
    case PS_DASHDOTDOT:
        return {3 * unit, unit, unit, unit, unit, unit};
    case PS_ALTERNATE:
        return {1, 1};
    default:
        return {};
    }
}

// round(n / d), ties towards minus infinity; d != 0.
std::int64_t RoundHalfDown(__int128 n, __int128 d) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    __int128 num = 2 * n + d - 1;
    __int128 den = 2 * d;
    __int128 q = num / den;
    if (num % den != 0 && num < 0)
        --q;
    return static_cast<std::int64_t>(q);
}

} // namespace

Stroke::Stroke(const PenObject& pen, const RECT& bounds, int styleStep)
    : mWidth(pen.PixelWidth()), mBounds(bounds), mStyleStep(styleStep) {
    mPattern = PatternFor(pen.Style(), mWidth == 1 && !pen.IsGeometric() ? 3 : mWidth);
    for (int run : mPattern)
        mPeriod += run;
}

bool Stroke::PatternOn(std::int64_t step) const {
    if (mPattern.empty())
        return true;
    std::int64_t pos = step % mPeriod;
    if (pos < 0)
        pos += mPeriod;
    for (std::size_t i = 0; i < mPattern.size(); ++i) {
        if (pos < mPattern[i])
            return i % 2 == 0;
        pos -= mPattern[i];
    }
    return true;
}

void Stroke::Add(std::int64_t x, std::int64_t y, bool on) {
    if (x < mBounds.left || x >= mBounds.right || y < mBounds.top || y >= mBounds.bottom)
        return;
    const std::uint64_t key =
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) | static_cast<std::uint32_t>(y);
    auto [it, inserted] = mIndex.emplace(key, mPixels.size());
    if (inserted)
        mPixels.push_back(StrokePixel{x, y, on});
    else if (on)
        mPixels[it->second].on = true;
}

void Stroke::AddSegment(Point64 a, Point64 b) {
    if (mWidth == 1)
        AddCosmetic(a, b);
    else
        AddWide(a, b);
}

void Stroke::AddCosmetic(Point64 a, Point64 b) {
    const std::int64_t dx = b.x - a.x;
    const std::int64_t dy = b.y - a.y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t major = xMajor ? dx : dy;
    const std::int64_t minor = xMajor ? dy : dx;
    const std::int64_t n = std::llabs(major);
    if (n == 0)
        return;
    const std::int64_t s = major > 0 ? 1 : -1;
    const std::int64_t start = xMajor ? a.x : a.y;
    const std::int64_t lo = xMajor ? mBounds.left : mBounds.top;
    const std::int64_t hi = xMajor ? mBounds.right : mBounds.bottom;
    // Steps i whose major coordinate start + s*i lies in [lo, hi).
    std::int64_t first = s > 0 ? lo - start : start - hi + 1;
    std::int64_t last = s > 0 ? hi - start : start - lo + 1;
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, n);
    for (std::int64_t i = first; i < last; ++i) {
        const std::int64_t m = start + s * i;
        const std::int64_t k =
            (xMajor ? a.y : a.x) + RoundHalfDown(static_cast<__int128>(s * i) * minor, major);
        Add(xMajor ? m : k, xMajor ? k : m, PatternOn(mStyleStep + i));
    }
    mStyleStep = static_cast<int>((mStyleStep + n) % std::max(mPeriod, 1));
}

void Stroke::AddWide(Point64 a, Point64 b) {
    const double r = mWidth / 2.0;
    const double shift = mWidth % 2 == 0 ? 0.5 : 0.0;
    const auto reach = static_cast<std::int64_t>(std::ceil(r)) + 1;
    const std::int64_t x0 = std::max<std::int64_t>(std::min(a.x, b.x) - reach, mBounds.left);
    const std::int64_t x1 = std::min<std::int64_t>(std::max(a.x, b.x) + reach, mBounds.right);
    const std::int64_t y0 = std::max<std::int64_t>(std::min(a.y, b.y) - reach, mBounds.top);
    const std::int64_t y1 = std::min<std::int64_t>(std::max(a.y, b.y) + reach, mBounds.bottom);
    const double vx = static_cast<double>(b.x - a.x);
    const double vy = static_cast<double>(b.y - a.y);
    const double vv = vx * vx + vy * vy;
    const double length = std::sqrt(vv);
    for (std::int64_t y = y0; y < y1; ++y) {
        for (std::int64_t x = x0; x < x1; ++x) {
            const double ux = static_cast<double>(x - a.x) + shift;
            const double uy = static_cast<double>(y - a.y) + shift;
            const double t = vv > 0 ? std::clamp((ux * vx + uy * vy) / vv, 0.0, 1.0) : 0.0;
            const double ex = ux - t * vx;
            const double ey = uy - t * vy;
            if (ex * ex + ey * ey <= r * r)
                Add(x, y, PatternOn(mStyleStep + static_cast<std::int64_t>(std::floor(t * length))));
        }
    }
    mStyleStep = static_cast<int>((mStyleStep + static_cast<std::int64_t>(std::llround(length))) %
                                  std::max(mPeriod, 1));
}

} // namespace gdi

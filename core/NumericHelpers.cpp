#include "core/NumericHelpers.h"

#include "platform/vantrel/IDocumentData.h"
#include "platform/win32/com_ptr.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>
#include <sstream>
#include <utility>

bool IsNaN(const double& v) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
    const std::uint64_t exponent = bits & 0x7FF0000000000000ull;
    const std::uint64_t mantissa = bits & 0x000FFFFFFFFFFFFFull;
    return exponent == 0x7FF0000000000000ull && mantissa != 0;
}

double EmptyValue() {
    return std::bit_cast<double>(kEmptyValueBits);
}

bool IsEmptyValue(double v) {
    return std::bit_cast<std::uint64_t>(v) == kEmptyValueBits;
}

double NotANumberValue() {
    return std::bit_cast<double>(kNotANumberBits);
}

bool IsNotANumberValue(double v) {
    return std::bit_cast<std::uint64_t>(v) == kNotANumberBits;
}

bool ApproxEqual(double a, double b) {
    if (a == b)
        return true;
    const double absA = std::fabs(a);
    const double absB = std::fabs(b);
    if (absA < 1e-32 && absB < 1e-32)
        return true;
    // A zero divisor gives infinity and a NaN gives NaN: both compare false.
    return std::fabs(a - b) / std::min(absA, absB) < 1e-13;
}

double RatioOverOneMinus(double x, double y) {
    if (ApproxEqual(y, 1.0))
        return EmptyValue();
    return x / (1.0 - y);
}

double ChannelMeanOverRange(IDocumentData* data, std::int32_t channel, std::int32_t record,
                            std::int32_t start, std::int32_t end, bool rawFlag) {
    constexpr DWORD kFlagSet = 0xC0001000u;
    constexpr DWORD kFlagClear = 0xC0005000u;
    constexpr std::int64_t kBlock = 128;
    const std::int64_t span = start == end ? 1 : static_cast<std::int64_t>(end) - start;
    ComPtr<ISampleChannel> reader;
    if (data == nullptr ||
        FAILED(data->GetChannelSamples(channel, rawFlag ? kFlagSet : kFlagClear, record,
                                       static_cast<LONG>(std::min<std::int64_t>(start + span, INT32_MAX)),
                                       reader.Put())) ||
        !reader)
        return EmptyValue();
    reader->Seek(start);
    float block[kBlock];
    double sum = 0.0;
    std::int64_t count = 0;
    for (std::int64_t remaining = span; remaining > 0;) {
        ULONG read = 0;
        if (FAILED(reader->Read(static_cast<ULONG>(std::min(remaining, kBlock)), block, &read)) || read == 0)
            break;
        for (ULONG i = 0; i < read; ++i)
            sum += block[i];
        count += read;
        remaining -= read;
    }
    return count > 0 ? sum / static_cast<double>(count) : std::numeric_limits<double>::quiet_NaN();
}

std::int32_t TruncateToInt32(double v) {
    // -2147483649.0 < v < 2147483648.0 is exactly the range whose truncation fits.
    if (v > -2147483649.0 && v < 2147483648.0)
        return static_cast<std::int32_t>(v);
    return INT32_MIN;
}

std::int32_t RoundToInt(double v) {
    if (v > 2147483647.0)
        return INT32_MAX;
    if (v < -2147483648.0)
        return INT32_MIN;
    return TruncateToInt32(v > 0 ? v + 0.5 : v - 0.5);
}

namespace {

struct RegressionSums {
    double n = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
};

RegressionSums SumFinitePairs(const std::vector<double>& x, const std::vector<double>& y) {
    RegressionSums s;
    const std::size_t count = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]))
            continue;
        s.n += 1;
        s.sx += x[i];
        s.sy += y[i];
        s.sxx += x[i] * x[i];
        s.syy += y[i] * y[i];
        s.sxy += x[i] * y[i];
    }
    return s;
}

} // namespace

bool LinearRegression(const std::vector<double>& x, const std::vector<double>& y, double* intercept,
                      double* slope, double* r2) {
    const RegressionSums s = SumFinitePairs(x, y);
    if (s.n == 0)
        return false;
    const double mx = s.sx / s.n;
    const double my = s.sy / s.n;
    const double qxx = s.sxx - s.n * mx * mx;
    const double qyy = s.syy - s.n * my * my;
    const double qxy = s.sxy - s.n * mx * my;
    if (!std::isfinite(qxx) || std::fabs(qxx) < DBL_EPSILON)
        return false;
    const double b = qxy / qxx;
    const double a = my - mx * b;
    if (!std::isfinite(b) || !std::isfinite(a))
        return false;
    if (intercept)
        *intercept = a;
    if (slope)
        *slope = b;
    if (r2)
        *r2 = qxy * qxy / (qxx * qyy);
    return true;
}

void ApproximateRational(double x, std::int32_t& numerator, std::int32_t& denominator) {
    constexpr std::int64_t kLimit = 0x7FFFFFFE;
    denominator = 1;
    if (IsNaN(x)) {
        numerator = 0;
        return;
    }
    double r = std::fabs(x);
    if (!(r < 2147483648.0)) {
        numerator = static_cast<std::int32_t>(x > 0 ? kLimit : -kLimit);
        return;
    }
    // Convergents h/k of the continued fraction [a0; a1, a2, ...]. Every partial
    // quotient is at most 2^31 (the remainder is at least 2^-31), so int64 holds it.
    std::int64_t a = static_cast<std::int64_t>(r);
    std::int64_t hPrev = 1, h = a, kPrev = 0, k = 1;
    for (int term = 0; term < 20; ++term) {
        r -= static_cast<double>(a);
        if (r < 0x1p-31)
            break;
        r = 1.0 / r;
        a = static_cast<std::int64_t>(r);
        if (h > 0 && (kLimit - hPrev) / h <= a)
            break;
        if (k > 0 && (kLimit - kPrev) / k <= a)
            break;
        hPrev = std::exchange(h, a * h + hPrev);
        kPrev = std::exchange(k, a * k + kPrev);
    }
    numerator = static_cast<std::int32_t>(x > 0 ? h : -h);
    denominator = static_cast<std::int32_t>(k);
}

boost::rational<std::int64_t> ToRational(double x) {
    std::int32_t numerator = 0;
    std::int32_t denominator = 1;
    ApproximateRational(x, numerator, denominator);
    return boost::rational<std::int64_t>(numerator, denominator);
}

double PowerOfTen(int e) {
    double result = 1.0, square = 10.0;
    for (unsigned n = e < 0 ? 0u - static_cast<unsigned>(e) : static_cast<unsigned>(e); n > 0;
         n >>= 1, square *= square)
        if (n & 1)
            result *= square;
    return e < 0 ? 1.0 / result : result;
}

namespace {

// The decimal step p of x and the rounded leading value m; false when x is
// not a positive finite number or p does not come out positive and finite.
bool DecimalStep(double x, double& p, double& m) {
    if (!(x > 0.0) || !std::isfinite(x))
        return false;
    // |log10 x| <= 324 for every positive finite double.
    p = PowerOfTen(static_cast<int>(std::floor(std::log10(x))));
    if (!(p > 0.0) || !std::isfinite(p))
        return false;
    m = std::trunc(x / p + 0.5);
    return true;
}

double Replace(double& x, double candidate) {
    if (candidate > 0.0 && std::isfinite(candidate))
        x = candidate;
    return x;
}

} // namespace

double RoundUpToNiceStep(double& x) {
    double p = 0, m = 0;
    if (!DecimalStep(x, p, m))
        return x;
    return Replace(x, m < 2 ? 2 * p : m < 5 ? 5 * p : m < 10 ? 10 * p : 20 * p);
}

double RoundToNiceStep(double& x) {
    double p = 0, m = 0;
    if (!DecimalStep(x, p, m))
        return x;
    return Replace(x, m > 5 ? 5 * p : m > 2 ? 2 * p : m == 2 ? p : 0.5 * p);
}

std::wstring IntToWString(int v) {
    std::wostringstream text;
    text << v;
    return text.str();
}

const std::uint32_t* LowerBoundU32(const std::uint32_t* first, const std::uint32_t* last,
                                   std::uint32_t value) {
    return std::lower_bound(first, last, value);
}

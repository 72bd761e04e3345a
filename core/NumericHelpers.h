#pragma once
// Numeric helpers shared by the whole module: the NaN conventions for missing
// values, tolerant comparison, explicit double-to-integer conversions, the
// least-squares line, continued-fraction ratios and small conversions.
//
// Every conversion from double to a 32-bit integer goes through
// TruncateToInt32 or RoundToInt: Windows gives 0x80000000 for a NaN or
// out-of-range value, where C++ leaves the conversion undefined.

#include <boost/rational.hpp>

#include <cstdint>
#include <string>
#include <vector>

// A missing value is any NaN; infinities are numbers.
bool IsNaN(const double& v);

// The empty value: the quiet NaN 0x7FF8700000000000 (an empty field, a ratio
// with a vanishing denominator).
inline constexpr std::uint64_t kEmptyValueBits = 0x7FF8700000000000ull;
double EmptyValue();
// True only for the exact bit pattern of the empty value.
bool IsEmptyValue(double v);

// The not-a-number value: the quiet NaN 0x7FF8600000000000 (a field holding
// text that is no number, a value never computed).
inline constexpr std::uint64_t kNotANumberBits = 0x7FF8600000000000ull;
double NotANumberValue();
// True only for the exact bit pattern of the not-a-number value.
bool IsNotANumberValue(double v);

// a and b are equal, or both below 1e-32 in magnitude, or differ by less than
// 1e-13 relative to the smaller magnitude. Any NaN compares unequal.
bool ApproxEqual(double a, double b);

// x / (1 - y); the empty value when y is approximately 1.
double RatioOverOneMinus(double x, double y);

struct IDocumentData;

// The mean of a channel's samples over ticks [start, end) of a record (the one sample at start
// when start equals end), read through the host's data object in blocks of 128 floats from a
// reader that starts at start: with the reader flags 0xC0001000 when rawFlag is set, else
// 0xC0005000. The empty value when the host gives no reader; NaN when no sample could be read.
double ChannelMeanOverRange(IDocumentData* data, std::int32_t channel, std::int32_t record,
                            std::int32_t start, std::int32_t end, bool rawFlag);

// Truncation toward zero. A NaN or a value outside the 32-bit range gives
// INT32_MIN (0x80000000), as the platform's conversion instruction does.
std::int32_t TruncateToInt32(double v);

// Nearest 32-bit integer, halves away from zero (2.5 -> 3, -2.5 -> -3).
// Values above INT32_MAX give INT32_MAX, values below INT32_MIN and NaN give INT32_MIN.
std::int32_t RoundToInt(double v);

// Ordinary least-squares line y = intercept + slope * x over the pairs
// x[i], y[i], i below both lengths. Pairs with a non-finite member are skipped.
// Returns false, and writes nothing, when fewer than two distinct x remain
// (|Qxx| below the double epsilon), when Qxx is not finite (sums overflowed) or
// when slope or intercept come out non-finite. r2 = Qxy^2 / (Qxx Qyy) is NaN
// when all y are equal (Qyy = 0): no variation to explain. Each out-pointer
// may be null.
bool LinearRegression(const std::vector<double>& x, const std::vector<double>& y, double* intercept,
                      double* slope, double* r2);

// Continued-fraction approximation of x (at most 20 terms after the integer
// part; stops when the remainder falls below 2^-31 or a further convergent
// would push numerator or denominator past 0x7FFFFFFE). The sign goes to the
// numerator. Domain: |x| < 2^31. A larger magnitude or an infinity gives
// +-0x7FFFFFFE / 1, a NaN gives 0 / 1.
void ApproximateRational(double x, std::int32_t& numerator, std::int32_t& denominator);

// ApproximateRational widened to 64 bits and reduced to lowest terms.
boost::rational<std::int64_t> ToRational(double x);

// 10 to the power e: the exact power built by repeated squaring of 10, and for
// a negative e the reciprocal of the exact power (so -3 gives exactly 1 / 1000).
// Overflows to infinity above 308, and to 0 below -308.
double PowerOfTen(int e);

// Axis and tick spacings. e = floor(log10 x), p = PowerOfTen(e) and
// m = integer part of x / p + 0.5 (so leading values 1.5, 4.5 and 9.5 count as
// 2, 5 and 10). Each rounds x in place and returns the new x. An x that is not
// a positive finite number, or whose step p or result does not come out finite
// and positive, is left unchanged.
// RoundUpToNiceStep: 2p for m < 2, 5p for m < 5, 10p for m < 10, else 20p.
double RoundUpToNiceStep(double& x);
// RoundToNiceStep: 5p for m > 5, 2p for m 3 to 5, p for m 2, 0.5p for m 1.
double RoundToNiceStep(double& x);

// Decimal text of v, written by a wide stream in the current global locale.
std::wstring IntToWString(int v);

// First element of the sorted range [first, last) not less than value; last when none.
const std::uint32_t* LowerBoundU32(const std::uint32_t* first, const std::uint32_t* last,
                                   std::uint32_t value);

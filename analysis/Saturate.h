#pragma once
// Conversions from double that Windows defines for every input and C++ leaves
// undefined out of range: saturate instead.

#include <cfloat>
#include <cmath>
#include <cstdint>

// Truncated toward zero and saturated to [INT32_MIN, INT32_MAX]; NaN gives INT32_MIN.
inline std::int32_t SaturateToInt32(double v) {
    if (std::isnan(v) || v <= static_cast<double>(INT32_MIN))
        return INT32_MIN;
    if (v >= static_cast<double>(INT32_MAX))
        return INT32_MAX;
    return static_cast<std::int32_t>(v);
}

// Rounded to float, saturated to [-FLT_MAX, FLT_MAX]; NaN stays NaN.
inline float SaturateToFloat(double v) {
    if (v > FLT_MAX)
        return FLT_MAX;
    if (v < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(v);
}

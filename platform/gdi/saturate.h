#pragma once
// Coordinate arithmetic that cannot overflow: sums are taken in 64 bits and
// clamped to the 32-bit range, so extreme coordinates and origins give far-off
// (and so clipped) results instead of wrapping.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/win32/types.h"

namespace gdi {

inline LONG Saturate(std::int64_t v) {
    return static_cast<LONG>(
        std::clamp<std::int64_t>(v, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max()));
}

inline RECT Shifted(const RECT& r, std::int64_t dx, std::int64_t dy) {
    return RECT{Saturate(r.left + dx), Saturate(r.top + dy), Saturate(r.right + dx), Saturate(r.bottom + dy)};
}

inline std::int64_t Width(const RECT& r) {
    return std::int64_t{r.right} - r.left;
}
inline std::int64_t Height(const RECT& r) {
    return std::int64_t{r.bottom} - r.top;
}

} // namespace gdi

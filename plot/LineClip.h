#pragma once
// The segment clipper of the plotters (Cohen-Sutherland on a half-open
// rectangle: a segment is cut at left, right - 1, top and bottom - 1).

#include <cstdint>

namespace ZOzuve1 {

struct LineClipRecord {
    float x0 = 0.0f;
    float y0 = 0.0f;
    float x1 = 0.0f;
    float y1 = 0.0f;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// Clips the segment to the rectangle in place; false when nothing of it is
// visible. An endpoint that is not finite (NaN is the system's missing value)
// makes the whole segment invisible.
bool ClipLine(LineClipRecord& record);

} // namespace ZOzuve1

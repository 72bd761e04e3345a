#pragma once
// The segment clipper of the plotters (Cohen-Sutherland on a half-open
// rectangle: a segment is cut at left, right - 1, top and bottom - 1).

#include <cstdint>

#include "platform/gdi/handles.h"
#include "platform/win32/types.h"

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

// The record of the segment (x0, y0)-(x1, y1), in single precision, on rect.
LineClipRecord MakeClipRecord(double x0, double y0, double x1, double y1, const RECT& rect);
// Draws what of the segment lies in rect (MoveToEx, LineTo); false when nothing does.
bool DrawClippedSegment(HDC dc, double x0, double y0, double x1, double y1, const RECT& rect);

} // namespace ZOzuve1

#pragma once
// The pixels a pen lights along a path, each once, in device coordinates.
//
// One-pixel (cosmetic) lines: for an x-major segment from a to b (|dx| >= |dy|)
// column x gets the row nearest to the exact line, a tie going to the smaller
// row (y-major lines alike with columns); b itself is left out, so a path's
// joints are drawn once, and a segment lights the same pixels drawn either
// way round. Wider pens are round-ended: a pixel is lit when its sample point
// lies within width/2 of the segment; the sample point is (x, y) for odd
// widths and (x + 1/2, y + 1/2) for even ones, so a horizontal line of width w
// is exactly w rows high.
//
// Styles, as on/off runs in pixels along the major axis (cosmetic) or along
// the segment (wide pens, runs scaled with the width w):
//   PS_DASH 18/6 (6w/2w), PS_DOT 3/3 (w/w), PS_DASHDOT 9/6/3/6 (3w/2w/w/2w),
//   PS_DASHDOTDOT 9/3/3/3/3/3 (3w/w/w/w/w/w), PS_ALTERNATE 1/1. A geometric pen
//   (ExtCreatePen) uses the wide pens' runs at every width.
// The pattern runs on across the segments of a path; MoveToEx restarts it.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/win32/types.h"

namespace gdi {

class PenObject;

struct StrokePixel {
    std::int64_t x;
    std::int64_t y;
    bool on; // false: a gap of a styled pen
};

struct Point64 {
    std::int64_t x;
    std::int64_t y;
};

class Stroke {
public:
    // bounds: the device box outside which pixels are not needed.
    Stroke(const PenObject& pen, const RECT& bounds, int styleStep);

    void AddSegment(Point64 a, Point64 b);
    int StyleStep() const { return mStyleStep; }
    const std::vector<StrokePixel>& Pixels() const { return mPixels; }

private:
    void AddCosmetic(Point64 a, Point64 b);
    void AddWide(Point64 a, Point64 b);
    bool PatternOn(std::int64_t step) const;
    void Add(std::int64_t x, std::int64_t y, bool on);

    int mWidth;
    std::vector<int> mPattern; // empty: solid
    int mPeriod = 0;
    RECT mBounds;
    int mStyleStep;
    std::vector<StrokePixel> mPixels;
    std::unordered_map<std::uint64_t, std::size_t> mIndex;
};

} // namespace gdi

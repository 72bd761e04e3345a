#include "plot/LineClip.h"

#include <cmath>

#include "platform/gdi/gdi.h"

namespace ZOzuve1 {
namespace {

constexpr unsigned kLeft = 8;
constexpr unsigned kRight = 4;
constexpr unsigned kAbove = 2;
constexpr unsigned kBelow = 1;
// Each pass moves one endpoint onto an edge; rounding could otherwise bounce
// an endpoint between two edges of a corner for ever.
constexpr int kMaxPasses = 16;

struct Edges {
    float left;
    float right;
    float top;
    float bottom;
};

unsigned OutCode(float x, float y, const Edges& e) {
    unsigned code = 0;
    if (x < e.left)
        code |= kLeft;
    if (x >= e.right)
        code |= kRight;
    if (y < e.top)
        code |= kAbove;
    if (y >= e.bottom)
        code |= kBelow;
    return code;
}

// After a clip only one axis can still be outside.
unsigned SingleCode(float x, float y, const Edges& e) {
    if (x < e.left)
        return kLeft;
    if (x >= e.right)
        return kRight;
    if (y < e.top)
        return kAbove;
    if (y >= e.bottom)
        return kBelow;
    return 0;
}

bool Finite(const LineClipRecord& r) {
    return std::isfinite(r.x0) && std::isfinite(r.y0) && std::isfinite(r.x1) && std::isfinite(r.y1);
}

} // namespace

bool ClipLine(LineClipRecord& r) {
    if (!Finite(r))
        return false;
    const Edges e{static_cast<float>(r.left), static_cast<float>(r.right), static_cast<float>(r.top),
                  static_cast<float>(r.bottom)};
    unsigned c0 = OutCode(r.x0, r.y0, e);
    unsigned c1 = OutCode(r.x1, r.y1, e);
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        if ((c0 | c1) == 0)
            return Finite(r); // a nearly parallel cut can overflow the float range
        if ((c0 & c1) != 0)
            return false;
        const bool first = c0 != 0;
        const unsigned code = first ? c0 : c1;
        // The products in double: finite floats cannot overflow there.
        const double x0 = r.x0, y0 = r.y0, x1 = r.x1, y1 = r.y1;
        double x = 0.0;
        double y = 0.0;
        if (code & kLeft) {
            x = e.left;
            y = y0 + (y1 - y0) * (x - x0) / (x1 - x0);
        } else if (code & kRight) {
            x = e.right - 1.0;
            y = y0 + (y1 - y0) * (x - x0) / (x1 - x0);
        } else if (code & kAbove) {
            y = e.top;
            x = x0 + (x1 - x0) * (y - y0) / (y1 - y0);
        } else {
            y = e.bottom - 1.0;
            x = x0 + (x1 - x0) * (y - y0) / (y1 - y0);
        }
        const float fx = static_cast<float>(x);
        const float fy = static_cast<float>(y);
        if (first) {
            r.x0 = fx;
            r.y0 = fy;
            c0 = SingleCode(fx, fy, e);
        } else {
            r.x1 = fx;
            r.y1 = fy;
            c1 = SingleCode(fx, fy, e);
        }
    }
    return false;
}

LineClipRecord MakeClipRecord(double x0, double y0, double x1, double y1, const RECT& rect) {
    return {static_cast<float>(x0),
            static_cast<float>(y0),
            static_cast<float>(x1),
            static_cast<float>(y1),
            rect.left,
            rect.top,
            rect.right,
            rect.bottom};
}

bool DrawClippedSegment(HDC dc, double x0, double y0, double x1, double y1, const RECT& rect) {
    LineClipRecord r = MakeClipRecord(x0, y0, x1, y1, rect);
    if (!ClipLine(r))
        return false;
    // Inside the rectangle: the conversions cannot overflow.
    MoveToEx(dc, static_cast<int>(r.x0), static_cast<int>(r.y0), nullptr);
    LineTo(dc, static_cast<int>(r.x1), static_cast<int>(r.y1));
    return true;
}

} // namespace ZOzuve1

#include "platform/gdi/ShapeRegions.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/gdi/constants.h"

namespace gdi {
namespace {

// The first pixel whose centre is at or right of x.
LONG FirstCentreAtOrAfter(double x) {
    return static_cast<LONG>(std::ceil(x - 0.5));
}

// Unions the spans of rows [top, bottom); span(y) gives [left, right).
template <class Span> Region FromRows(LONG top, LONG bottom, Span span) {
    std::vector<RECT> rows;
    for (LONG y = top; y < bottom; ++y) {
        const auto [left, right] = span(y);
        if (left < right)
            rows.push_back(RECT{left, y, right, y + 1});
    }
    Region out;
    for (const RECT& r : rows)
        out = out.Union(Region(r));
    return out;
}

} // namespace

Region PolygonRegion(const std::vector<POINT>& points, int fillMode) {
    if (points.size() < 3)
        return Region();
    LONG top = points[0].y, bottom = points[0].y;
    for (const POINT& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    Region out;
    for (LONG y = top; y < bottom; ++y) {
        const double yc = y + 0.5;
        std::vector<std::pair<double, int>> crossings;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const POINT& a = points[i];
            const POINT& b = points[(i + 1) % points.size()];
            if (a.y == b.y)
                continue;
            const bool down = a.y < b.y;
            const double y0 = down ? a.y : b.y, y1 = down ? b.y : a.y;
            if (yc < y0 || yc >= y1)
                continue;
            const double x = a.x + (yc - a.y) * (double(b.x) - a.x) / (double(b.y) - a.y);
            crossings.emplace_back(x, down ? 1 : -1);
        }
        std::sort(crossings.begin(), crossings.end());
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += crossings[i].second;
            const bool inside = fillMode == WINDING ? winding != 0 : i % 2 == 0;
            if (!inside)
                continue;
            const LONG left = FirstCentreAtOrAfter(crossings[i].first);
            const LONG right = FirstCentreAtOrAfter(crossings[i + 1].first);
            if (left < right)
                out = out.Union(Region(RECT{left, y, right, y + 1}));
        }
    }
    return out;
}

Region RoundRectRegion(const RECT& box, int width, int height) {
    const RECT b{std::min(box.left, box.right), std::min(box.top, box.bottom), std::max(box.left, box.right),
                 std::max(box.top, box.bottom)};
    const double rx = std::clamp(std::abs(width) / 2.0, 0.0, (b.right - b.left) / 2.0);
    const double ry = std::clamp(std::abs(height) / 2.0, 0.0, (b.bottom - b.top) / 2.0);
    return FromRows(b.top, b.bottom, [&](LONG y) {
        const double yc = y + 0.5;
        double dy = 0;
        if (yc < b.top + ry)
            dy = b.top + ry - yc;
        else if (yc > b.bottom - ry)
            dy = yc - (b.bottom - ry);
        const double dx = ry > 0 && dy > 0 ? rx * std::sqrt(std::max(0.0, 1 - (dy / ry) * (dy / ry))) : rx;
        return std::pair<LONG, LONG>{FirstCentreAtOrAfter(b.left + rx - dx),
                                     FirstCentreAtOrAfter(b.right - rx + dx)};
    });
}

Region EllipseRegion(const RECT& box) {
    return RoundRectRegion(box, box.right - box.left, box.bottom - box.top);
}

} // namespace gdi

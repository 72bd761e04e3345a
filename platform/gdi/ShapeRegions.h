#pragma once
// Pixel sets of filled shapes, by GDI's rule: a pixel belongs to the shape
// when its centre (x + 0.5, y + 0.5) lies inside, so the right and bottom
// edges of a rectangle fall outside, as for every filled GDI shape.

#include <vector>

#include "platform/gdi/Region.h"

namespace gdi {

// ALTERNATE (even-odd) or WINDING (non-zero) filling of the closed polygon.
Region PolygonRegion(const std::vector<POINT>& points, int fillMode);
// The ellipse inscribed in the box.
Region EllipseRegion(const RECT& box);
// The box with its corners cut as quarters of a width x height ellipse.
Region RoundRectRegion(const RECT& box, int width, int height);

} // namespace gdi

#pragma once
// A point with the window framework's conveniences.

#include "platform/win32/types.h"

namespace OWL {

class TPoint : public POINT {
public:
    constexpr TPoint() : POINT{0, 0} {}
    constexpr TPoint(LONG mX, LONG mY) : POINT{mX, mY} {}
    constexpr TPoint(const POINT& p) : POINT(p) {}

    constexpr TPoint Offset(LONG dx, LONG dy) const { return {x + dx, y + dy}; }
    friend constexpr bool operator==(const TPoint& a, const TPoint& b) { return a.x == b.x && a.y == b.y; }
};

} // namespace OWL

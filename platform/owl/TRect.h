#pragma once
// A rectangle with the window framework's conveniences. Half-open: right and
// bottom lie outside.

#include "platform/owl/TPoint.h"
#include "platform/owl/TSize.h"

namespace OWL {

class TRect : public RECT {
public:
    constexpr TRect() : RECT{0, 0, 0, 0} {}
    constexpr TRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    constexpr TRect(const RECT& r) : RECT(r) {}
    constexpr TRect(const TPoint& topLeft, const TSize& size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}

    constexpr LONG Width() const { return right - left; }
    constexpr LONG Height() const { return bottom - top; }
    constexpr TSize Size() const { return {Width(), Height()}; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(const POINT& p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    friend constexpr bool operator==(const TRect& a, const TRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

} // namespace OWL

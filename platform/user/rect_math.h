#pragma once
// Rectangle arithmetic for the window layer. Rectangles are half-open:
// [left, right) x [top, bottom); one with right <= left or bottom <= top is empty.

#include "platform/win32/types.h"

namespace user {

constexpr bool IsEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}
constexpr LONG Width(const RECT& r) {
    return r.right - r.left;
}
constexpr LONG Height(const RECT& r) {
    return r.bottom - r.top;
}
constexpr bool Equal(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
constexpr RECT Offset(RECT r, LONG dx, LONG dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
// The common part, or the empty rectangle {0, 0, 0, 0}.
constexpr RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    return IsEmpty(r) ? RECT{0, 0, 0, 0} : r;
}
// The smallest rectangle holding both; an empty operand adds nothing.
constexpr RECT Bound(const RECT& a, const RECT& b) {
    if (IsEmpty(a))
        return IsEmpty(b) ? RECT{0, 0, 0, 0} : b;
    if (IsEmpty(b))
        return a;
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}
constexpr bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
constexpr bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

} // namespace user

#pragma once
// A set of pixels kept as a list of half-open rectangles [left, right) x
// [top, bottom) in canonical y-x banded form: rectangles sorted by band, the
// rectangles of a band share top and bottom and neither touch nor overlap,
// and vertically adjacent bands with the same spans are merged. The form is
// unique for a set, so two regions are equal exactly when their lists are.

#include <algorithm>
#include <vector>

#include "platform/win32/types.h"

namespace gdi {

class Region {
public:
    Region() = default;
    explicit Region(const RECT& r);

    bool IsEmpty() const { return mRects.empty(); }
    const std::vector<RECT>& Rects() const { return mRects; }
    RECT Bounds() const;
    bool Contains(int x, int y) const;
    bool Intersects(const RECT& r) const;

    Region Intersect(const Region& other) const;
    Region Union(const Region& other) const;
    Region Subtract(const Region& other) const;
    Region Xor(const Region& other) const;
    void Offset(int dx, int dy);

    friend bool operator==(const Region& a, const Region& b);

    // Calls fn(xa, xb) for each run [xa, xb) of row y inside [x0, x1).
    template <class F> void ForEachSpan(int y, int x0, int x1, F&& fn) const {
        auto it =
            std::partition_point(mRects.begin(), mRects.end(), [y](const RECT& r) { return r.bottom <= y; });
        for (; it != mRects.end() && it->top <= y; ++it) {
            const int a = std::max<int>(x0, it->left);
            const int b = std::min<int>(x1, it->right);
            if (a < b)
                fn(a, b);
        }
    }

private:
    enum class Op { And, Or, Diff, Xor };
    static Region Combine(const Region& a, const Region& b, Op op);

    std::vector<RECT> mRects;
};

} // namespace gdi

#include "platform/gdi/Region.h"
#include "platform/gdi/saturate.h"

#include <cstdint>

namespace gdi {
namespace {

using Spans = std::vector<std::pair<int, int>>; // [start, end) runs, sorted, disjoint

bool Empty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

// Spans of a canonical list over the band [top, bottom), which lies inside one band of it.
Spans SpansOf(const std::vector<RECT>& rects, int top) {
    Spans out;
    auto it =
        std::partition_point(rects.begin(), rects.end(), [top](const RECT& r) { return r.bottom <= top; });
    for (; it != rects.end() && it->top <= top; ++it)
        out.emplace_back(it->left, it->right);
    return out;
}

bool Inside(bool a, bool b, int op) {
    switch (op) {
    case 0:
        return a && b;
    case 1:
        return a || b;
    case 2:
        return a && !b;
    default:
        return a != b;
    }
}

Spans CombineSpans(const Spans& a, const Spans& b, int op) {
    std::vector<int> xs;
    for (const auto& s : a)
        xs.insert(xs.end(), {s.first, s.second});
    for (const auto& s : b)
        xs.insert(xs.end(), {s.first, s.second});
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    auto covers = [](const Spans& s, int x) {
        for (const auto& r : s)
            if (x >= r.first && x < r.second)
                return true;
        return false;
    };
    Spans out;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        if (!Inside(covers(a, xs[i]), covers(b, xs[i]), op))
            continue;
        if (!out.empty() && out.back().second == xs[i])
            out.back().second = xs[i + 1];
        else
            out.emplace_back(xs[i], xs[i + 1]);
    }
    return out;
}

std::vector<int> BandEdges(const std::vector<RECT>& a, const std::vector<RECT>& b) {
    std::vector<int> ys;
    for (const auto* list : {&a, &b})
        for (const RECT& r : *list)
            ys.insert(ys.end(), {static_cast<int>(r.top), static_cast<int>(r.bottom)});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    return ys;
}

} // namespace

Region::Region(const RECT& r) {
    if (!Empty(r))
        mRects.push_back(r);
}

RECT Region::Bounds() const {
    if (mRects.empty())
        return RECT{0, 0, 0, 0};
    RECT b = mRects.front();
    for (const RECT& r : mRects) {
        b.left = std::min(b.left, r.left);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

bool Region::Contains(int x, int y) const {
    bool found = false;
    ForEachSpan(y, x, x + 1, [&](int, int) { found = true; });
    return found;
}

bool Region::Intersects(const RECT& r) const {
    return !Intersect(Region(r)).IsEmpty();
}

Region Region::Combine(const Region& a, const Region& b, Op op) {
    const std::vector<int> ys = BandEdges(a.mRects, b.mRects);
    Region out;
    Spans previous;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        const int top = ys[i];
        const int bottom = ys[i + 1];
        Spans spans = CombineSpans(SpansOf(a.mRects, top), SpansOf(b.mRects, top), static_cast<int>(op));
        const bool extend = !spans.empty() && spans == previous && out.mRects.back().bottom == top;
        if (extend) {
            for (auto it = out.mRects.end() - static_cast<std::ptrdiff_t>(spans.size());
                 it != out.mRects.end(); ++it)
                it->bottom = bottom;
        } else {
            for (const auto& s : spans)
                out.mRects.push_back(RECT{s.first, top, s.second, bottom});
        }
        previous = std::move(spans);
    }
    return out;
}

Region Region::Intersect(const Region& other) const {
    return Combine(*this, other, Op::And);
}
Region Region::Union(const Region& other) const {
    return Combine(*this, other, Op::Or);
}
Region Region::Subtract(const Region& other) const {
    return Combine(*this, other, Op::Diff);
}
Region Region::Xor(const Region& other) const {
    return Combine(*this, other, Op::Xor);
}

void Region::Offset(int dx, int dy) {
    for (RECT& r : mRects)
        r = Shifted(r, dx, dy);
}

bool operator==(const Region& a, const Region& b) {
    return std::equal(
        a.mRects.begin(), a.mRects.end(), b.mRects.begin(), b.mRects.end(), [](const RECT& p, const RECT& q) {
            return p.left == q.left && p.top == q.top && p.right == q.right && p.bottom == q.bottom;
        });
}

} // namespace gdi

#include "plot/Queen.h"

#include <algorithm>

namespace ZOzuve1 {
namespace {

void Clamp(const MarkerConstraint& c, DPoint& p) {
    if ((c.flags & kRaiseX) && p.x < c.value)
        p.x = c.value;
    if ((c.flags & kLowerX) && p.x > c.value)
        p.x = c.value;
    if ((c.flags & kRaiseY) && p.y < c.value)
        p.y = c.value;
    if ((c.flags & kLowerY) && p.y > c.value)
        p.y = c.value;
}

void Follow(std::uint32_t flags, DPoint p, DPoint& m) {
    if ((flags & kFollowXDown) && p.x < m.x)
        m.x = p.x;
    if ((flags & kFollowXUp) && p.x > m.x)
        m.x = p.x;
    if ((flags & kFollowYDown) && p.y < m.y)
        m.y = p.y;
    if ((flags & kFollowYUp) && p.y > m.y)
        m.y = p.y;
}

void Link(std::uint32_t flags, DPoint p, DPoint& m) {
    if (flags & kLinkXToY)
        m.x = p.y;
    if (flags & kLinkYToX)
        m.y = p.x;
    if (flags & kLinkX)
        m.x = p.x;
    if (flags & kLinkY)
        m.y = p.y;
}

void BoundByOther(const MarkerConstraint& c, DPoint& m) {
    if (c.other == nullptr)
        return;
    const DPoint o = c.other->current;
    if (c.flags & kAtLeastOtherX)
        m.x = std::max(m.x, o.x);
    if (c.flags & kAtMostOtherX)
        m.x = std::min(m.x, o.x);
    if (c.flags & kAtLeastOtherY)
        m.y = std::max(m.y, o.y);
    if (c.flags & kAtMostOtherY)
        m.y = std::min(m.y, o.y);
}

} // namespace

bool Queen::ApplyLimits(DPoint proposed, DPoint& position) const {
    const DPoint before = position;
    for (const MarkerConstraint& c : limits) {
        Clamp(c, proposed);
        Follow(c.flags, proposed, position);
        BoundByOther(c, position);
    }
    return !(position == before);
}

bool Queen::ApplyLinks(DPoint proposed, DPoint& position, const Queen* moved) const {
    const DPoint before = position;
    for (const MarkerConstraint& c : links) {
        Clamp(c, proposed);
        if (moved == nullptr || c.other != moved)
            continue;
        Follow(c.flags, proposed, position);
        Link(c.flags, proposed, position);
        BoundByOther(c, position);
    }
    return !(position == before);
}

} // namespace ZOzuve1

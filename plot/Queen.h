#pragma once
// What the marker controller requires of a draggable marker (a "queen"): an
// id, its positions, the constraints that hold it, its distance from a pixel
// and the hooks of a drag. The system makes no marker of its own; the kinds
// below exist so that the graph can choose the mouse cursor by kind.

#include <cstdint>
#include <vector>

#include "plot/GraphDrawer.h"
#include "plot/MessSys.h"
#include "plot/PlotMessages.h"

namespace ZOzuve1 {

class Queen;

// Constraint flags; (x, y) is the proposed position, (mx, my) the marker's.
enum MarkerConstraintFlag : std::uint32_t {
    kRaiseX = 0x1,           // x is raised to value when below it
    kRaiseY = 0x2,           // y is raised to value when below it
    kLowerX = 0x4,           // x is lowered to value when above it
    kLowerY = 0x8,           // y is lowered to value when above it
    kFollowXDown = 0x10,     // mx becomes x when x is below mx
    kFollowYDown = 0x20,     // my becomes y when y is below my
    kFollowXUp = 0x40,       // mx becomes x when x is above mx
    kFollowYUp = 0x80,       // my becomes y when y is above my
    kLinkXToY = 0x100,       // (links) mx becomes y when they differ
    kLinkYToX = 0x200,       // (links) my becomes x when they differ
    kLinkX = 0x400,          // (links) mx becomes x when they differ
    kLinkY = 0x800,          // (links) my becomes y when they differ
    kAtLeastOtherX = 0x1000, // with other: mx is raised to other's x
    kAtMostOtherX = 0x2000,  // with other: mx is lowered to other's x
    kAtLeastOtherY = 0x4000, // with other: my is raised to other's y
    kAtMostOtherY = 0x8000,  // with other: my is lowered to other's y
};

struct MarkerConstraint {
    Queen* other = nullptr;
    double value = 0.0;
    std::uint32_t flags = 0;
};

class Queen : public GraphDrawer, public MessSys::MessageSender {
public:
    // Distance of the marker from a pixel relative to the plot rectangle.
    virtual double Distance(POINT pixel) const = 0;
    virtual void PrepareDraw() {}
    virtual void OnBeginTrack() {}
    virtual void OnMoved() {}
    virtual void OnEndTrack() {}
    virtual void SetState(int state) {}

    // Limits apply to the marker's own moves: every entry's clamps, follows
    // and other-marker bounds. Answers whether the position changed.
    bool ApplyLimits(DPoint proposed, DPoint& position) const;
    // Links apply when the marker moved is another one: every entry's clamps;
    // the rest only for entries that name the marker that moved.
    bool ApplyLinks(DPoint proposed, DPoint& position, const Queen* moved) const;

    std::uint32_t markerId = 0;
    DPoint committed;
    DPoint current;
    DPoint dragBase;
    int hitTolerance = 8;
    bool trackingActive = false;
    bool linkMoved = false;
    bool hitTestable = true;
    std::vector<MarkerConstraint> limits;
    std::vector<MarkerConstraint> links;
};

class QueenLine : public Queen {};
class QueenLineH : public QueenLine {};
class QueenLineV : public QueenLine {};
class QueenBox : public Queen {};

} // namespace ZOzuve1

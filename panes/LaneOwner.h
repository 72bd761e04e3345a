#pragma once
// What a lane (child pane) asks of the data pane that stacks it: drawing
// options, the window services of invalidating and scrolling, and the mapping
// of data positions to pixel columns.

#include "platform/vantrel/IStrevRecordDrawer.h"

namespace StrevDraw {

class LaneOwner {
public:
    virtual IDrawerDataPane* DrawerData() = 0;
    // Buffered drawing is on and option bit 23 is clear: lanes cache their first layer.
    virtual bool DrawsBuffered() const = 0;
    virtual bool IsSampling() const = 0;
    // While sampling, new data wraps to the lane's left edge instead of scrolling.
    virtual bool WrapsWhileSampling() const { return false; }
    virtual DWORD OptionWord() const = 0;
    // Lanes get a single frame instead of the sunken border.
    virtual bool FramesSingle() const { return false; }
    virtual int HorizontalMargin() const { return 2; }
    virtual int VerticalMargin() const { return 2; }
    // The new-record flag, cleared by the call.
    virtual bool TakeNewRecordFlag() = 0;
    // Every lane is marked dirty and its rectangle invalidated.
    virtual void MarkAllLanesDirty() = 0;
    virtual void InvalidateLane(const RECT& rect) = 0;
    // Scrolls a region of the window horizontally and invalidates what it uncovers.
    virtual void ScrollLaneRegion(int dx, const RECT& rect) = 0;
    // The target's pixels per millimetre over the screen's (1.0 on the screen).
    virtual double DeviceScale() const { return 1.0; }
    // The pixel column (window coordinates) at which a data position is drawn.
    virtual LONG ColumnOfPosition(LONGLONG position) const = 0;

protected:
    ~LaneOwner() = default;
};

} // namespace StrevDraw

#pragma once
// The markers of one graph: draws them, finds the one under the mouse, runs a
// drag from begin to end and announces it. Points are pixels relative to the
// plot rectangle's top-left corner.

#include <cfloat>
#include <memory>
#include <vector>

#include "plot/GraphDrawer.h"
#include "plot/MessSys.h"
#include "plot/Queen.h"

namespace ZOzuve1 {

class QueenController : public GraphDrawer, public MessSys::MessageSender {
public:
    ~QueenController() override;

    // Draws the visible markers, the first in the list on top.
    void OnDraw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip) override;
    void OnXExtentChanged() override;
    void OnYExtentChanged() override;
    void OnPixelSizeChanged() override;

    // Gives the marker the controller's drawer fields, extents and hit
    // tolerance; false for null.
    bool AddQueen(Queen* queen, bool owns);
    // True when the marker was listed; an owned one is deleted.
    bool RemoveQueen(Queen* queen);
    void SetHitTolerance(int pixels);
    void SetQueenState(int state);

    // The nearest visible, hit-testable marker, when nearer than maxHitDistance.
    Queen* HitTest(POINT p) const;
    // Sends MessageQueenControllerTrackBegin; a hit marker moves to the front
    // and is tracked. True when a marker is tracked.
    bool BeginTrack(POINT p);
    // True when any marker moved.
    bool Track(POINT p);
    // Drops the tracked marker at p, then sends MessageQueenControllerTrackEnd.
    void EndTrack(POINT p);

    Queen* Tracked() const { return mTracked; }
    const std::vector<Queen*>& Queens() const { return mQueens; }
    int HitTolerance() const { return mHitTolerance; }

    double maxHitDistance = DBL_MAX;

private:
    DPoint ValueAt(POINT p) const;
    // Commits the marker's current position and reports it.
    static void Commit(Queen& queen);

    Queen* mTracked = nullptr;
    std::vector<Queen*> mQueens;
    std::vector<std::unique_ptr<Queen>> mOwned;
    int mHitTolerance = 8;
};

} // namespace ZOzuve1

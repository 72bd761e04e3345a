#include "plot/QueenController.h"

#include <algorithm>

namespace ZOzuve1 {

QueenController::~QueenController() = default;

void QueenController::OnDraw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip) {
    for (auto it = mQueens.rbegin(); it != mQueens.rend(); ++it)
        if ((*it)->IsVisible())
            (*it)->PrepareDraw();
    for (auto it = mQueens.rbegin(); it != mQueens.rend(); ++it)
        if ((*it)->IsVisible())
            (*it)->Draw(dc, attributeDc, plot, clip);
}

void QueenController::OnXExtentChanged() {
    for (Queen* q : mQueens)
        q->SetXExtent(XExtent().min, XExtent().max);
}

void QueenController::OnYExtentChanged() {
    for (Queen* q : mQueens)
        q->SetYExtent(YExtent().min, YExtent().max);
}

void QueenController::OnPixelSizeChanged() {
    for (Queen* q : mQueens)
        q->SetPixelSize(PixelWidth(), PixelHeight());
}

bool QueenController::AddQueen(Queen* queen, bool owns) {
    if (queen == nullptr)
        return false;
    queen->CopyDrawerFields(*this);
    queen->SetXExtent(XExtent().min, XExtent().max);
    queen->SetYExtent(YExtent().min, YExtent().max);
    queen->SetVisible(true);
    queen->hitTolerance = mHitTolerance;
    if (owns)
        mOwned.emplace_back(queen);
    mQueens.push_back(queen);
    return true;
}

bool QueenController::RemoveQueen(Queen* queen) {
    if (queen == nullptr)
        return false;
    if (mTracked == queen)
        mTracked = nullptr;
    auto listed = std::find(mQueens.begin(), mQueens.end(), queen);
    const bool wasListed = listed != mQueens.end();
    if (wasListed)
        mQueens.erase(listed);
    auto owned =
        std::find_if(mOwned.begin(), mOwned.end(), [queen](const auto& q) { return q.get() == queen; });
    if (owned != mOwned.end())
        mOwned.erase(owned);
    return wasListed;
}

void QueenController::SetHitTolerance(int pixels) {
    mHitTolerance = pixels;
    for (Queen* q : mQueens)
        q->hitTolerance = pixels;
}

void QueenController::SetQueenState(int state) {
    for (Queen* q : mQueens)
        q->SetState(state);
}

DPoint QueenController::ValueAt(POINT p) const {
    const ScaleMap* x = Map(Axis::X);
    const ScaleMap* y = Map(Axis::Y);
    if (x == nullptr || y == nullptr)
        return {};
    return {x->ToValue(p.x, 0), y->ToValue(p.y, 0)};
}

Queen* QueenController::HitTest(POINT p) const {
    Queen* best = nullptr;
    double bestDistance = 0.0;
    for (Queen* q : mQueens) {
        if (!q->IsVisible() || !q->hitTestable)
            continue;
        const double d = q->Distance(p);
        if (best == nullptr || d < bestDistance) {
            best = q;
            bestDistance = d;
        }
    }
    return best != nullptr && bestDistance < maxHitDistance ? best : nullptr;
}

bool QueenController::BeginTrack(POINT p) {
    Send(MessageQueenControllerTrackBegin{});
    mTracked = HitTest(p);
    if (mTracked != nullptr) {
        mQueens.erase(std::find(mQueens.begin(), mQueens.end(), mTracked));
        mQueens.insert(mQueens.begin(), mTracked);
    }
    const DPoint v = ValueAt(p);
    for (Queen* q : mQueens) {
        q->trackingActive = true;
        q->linkMoved = false;
        q->dragBase = {q->committed.x - v.x, q->committed.y - v.y};
        q->current = q->committed;
        q->OnBeginTrack();
    }
    return mTracked != nullptr;
}

bool QueenController::Track(POINT p) {
    if (mTracked == nullptr)
        return false;
    const DPoint v = ValueAt(p);
    bool changed = false;
    Queen& t = *mTracked;
    const DPoint before = t.current;
    t.current = {t.dragBase.x + v.x, t.dragBase.y + v.y};
    t.ApplyLimits(v, t.current);
    changed = !(t.current == before);
    if (!(t.current == t.committed))
        t.Send(MessageQueenChanged(t.markerId, t.committed, t.current));
    t.OnMoved();
    for (std::size_t i = 1; i < mQueens.size(); ++i) {
        Queen& q = *mQueens[i];
        if (q.ApplyLinks(t.current, q.current, &t)) {
            changed = true;
            q.linkMoved = true;
            q.ApplyLimits(q.current, q.current);
            if (!(q.current == q.committed)) {
                q.dragBase = {};
                q.Send(MessageQueenChanged(q.markerId, q.committed, q.current));
            }
        }
        q.OnMoved();
    }
    return changed;
}

void QueenController::Commit(Queen& queen) {
    const DPoint previous = queen.committed;
    queen.committed = queen.current;
    queen.Send(MessageQueenTrackEnd(queen.markerId, previous, queen.committed));
}

void QueenController::EndTrack(POINT p) {
    const DPoint v = ValueAt(p);
    for (Queen* q : mQueens) {
        if (q == mTracked) {
            q->current = {q->dragBase.x + v.x, q->dragBase.y + v.y};
            q->ApplyLimits(v, q->current);
            Commit(*q);
        } else if (mTracked != nullptr) {
            const bool changed = q->ApplyLinks(mTracked->current, q->current, mTracked);
            if (changed || q->linkMoved) {
                q->ApplyLimits(q->current, q->current);
                Commit(*q);
            }
        }
        q->linkMoved = false;
        q->trackingActive = false;
        q->OnEndTrack();
    }
    mTracked = nullptr;
    Send(MessageQueenControllerTrackEnd{});
}

} // namespace ZOzuve1

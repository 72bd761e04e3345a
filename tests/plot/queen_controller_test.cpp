#include <algorithm>

#include <gtest/gtest.h>

#include "plot/QueenController.h"
#include "tests/plot/TestMarker.h"

namespace {

using namespace ZOzuve1;
using Marker = PlotTest::TestMarker<>;

// Hears the controller's and the markers' messages.
struct Listener : MessSys::MessageReceiver {
    bool ReceiveMessage(const MessSys::Message& m) override {
        if (dynamic_cast<const MessageQueenControllerTrackBegin*>(&m))
            log.push_back("begin");
        else if (dynamic_cast<const MessageQueenControllerTrackEnd*>(&m))
            log.push_back("end");
        else if (auto* c = dynamic_cast<const MessageQueenChanged*>(&m))
            log.push_back("changed " + std::to_string(c->markerId));
        else if (auto* e = dynamic_cast<const MessageQueenTrackEnd*>(&m)) {
            log.push_back("dropped " + std::to_string(e->markerId));
            last = *e;
        }
        return true;
    }
    std::vector<std::string> log;
    MessageQueenTrackEnd last{0, {}, {}};
};

// One value unit is 10 pixels on both axes; y grows downwards.
class QueenControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        controller.SetMap(Axis::X, &map);
        controller.SetMap(Axis::Y, &map);
        controller.AddReceiver(&listener);
    }
    Marker* Add(std::uint32_t id, DPoint at) {
        auto* m = new Marker(id, at);
        controller.AddQueen(m, true);
        m->AddReceiver(&listener);
        return m;
    }

    ScaleMap map{10.0, 0.0};
    QueenController controller;
    Listener listener;
};

TEST_F(QueenControllerTest, AddingGivesTheMarkerTheControllersFields) {
    EXPECT_FALSE(controller.AddQueen(nullptr, true));
    controller.SetXExtent(1, 2);
    controller.SetYExtent(3, 4);
    controller.SetHitTolerance(5);
    Marker* m = Add(1, {});
    EXPECT_EQ(m->Map(Axis::X), &map);
    EXPECT_EQ(m->XExtent(), (Extent{1, 2}));
    EXPECT_EQ(m->YExtent(), (Extent{3, 4}));
    EXPECT_EQ(m->hitTolerance, 5);
    controller.SetXExtent(5, 6);
    EXPECT_EQ(m->XExtent(), (Extent{5, 6}));
    controller.SetQueenState(3);
    EXPECT_EQ(m->state, 3);
    int deleted = 0;
    m->deleted = &deleted;
    EXPECT_TRUE(controller.RemoveQueen(m));
    EXPECT_EQ(deleted, 1);
    EXPECT_FALSE(controller.RemoveQueen(m));
}

TEST_F(QueenControllerTest, TheFirstMarkerIsDrawnLastAndHitFirst) {
    Marker* a = Add(1, {5, 5});
    Marker* b = Add(2, {5, 5});
    EXPECT_EQ(controller.HitTest({50, 50}), a) << "equal distance: the front one";
    EXPECT_EQ(controller.HitTest({52, 50}), a);
    b->current = {5.1, 5};
    EXPECT_EQ(controller.HitTest({52, 50}), b);
    controller.maxHitDistance = 1.0;
    EXPECT_EQ(controller.HitTest({60, 50}), nullptr);
    a->hitTestable = false;
    b->SetVisible(false);
    controller.maxHitDistance = DBL_MAX;
    EXPECT_EQ(controller.HitTest({50, 50}), nullptr);
    b->SetVisible(true);
    RECT r{0, 0, 100, 100};
    controller.Draw(nullptr, nullptr, r, r);
    EXPECT_EQ(a->draws + b->draws, 2);
    EXPECT_EQ(a->prepares, 1);
}

TEST_F(QueenControllerTest, WithoutMarkersATrackStillAnnouncesBeginAndEnd) {
    EXPECT_FALSE(controller.BeginTrack({10, 10}));
    EXPECT_FALSE(controller.Track({20, 20}));
    controller.EndTrack({20, 20});
    EXPECT_EQ(listener.log, (std::vector<std::string>{"begin", "end"}));
}

TEST_F(QueenControllerTest, ADragMovesTheHitMarkerByThePointersTravel) {
    Marker* a = Add(1, {2, 2});
    Marker* b = Add(2, {5, 5});
    ASSERT_TRUE(controller.BeginTrack({52, 51})); // grabbed 0.2 and 0.1 off its centre
    EXPECT_EQ(controller.Tracked(), b);
    EXPECT_EQ(controller.Queens().front(), b) << "moved to the front";
    EXPECT_EQ(a->begins + b->begins, 2);
    EXPECT_TRUE(controller.Track({72, 51}));
    EXPECT_DOUBLE_EQ(b->current.x, 7.0);
    EXPECT_DOUBLE_EQ(b->current.y, 5.0);
    EXPECT_EQ(b->committed, (DPoint{5, 5})) << "committed only at the end";
    controller.EndTrack({82, 61});
    EXPECT_DOUBLE_EQ(b->committed.x, 8.0);
    EXPECT_DOUBLE_EQ(b->committed.y, 6.0);
    EXPECT_EQ(a->committed, (DPoint{2, 2}));
    EXPECT_EQ(listener.log, (std::vector<std::string>{"begin", "changed 2", "dropped 2", "end"}));
    EXPECT_DOUBLE_EQ(listener.last.previous[0].x, 5.0);
    EXPECT_DOUBLE_EQ(listener.last.next[1].x, 8.0);
    EXPECT_EQ(controller.Tracked(), nullptr);
    EXPECT_FALSE(b->trackingActive);
    EXPECT_EQ(b->ends, 1);
}

TEST_F(QueenControllerTest, LimitsHoldAMarkerAndLinksCarryAnother) {
    Marker* follower = Add(1, {0, 0});
    Marker* leader = Add(2, {5, 5});
    // The leader: x follows the pointer both ways but never below 4; y stays.
    leader->limits = {{nullptr, 4.0, kRaiseX | kFollowXDown | kFollowXUp}};
    // The follower's x is the leader's x.
    follower->links = {{leader, 0.0, kLinkX}};
    ASSERT_TRUE(controller.BeginTrack({50, 50}));
    EXPECT_TRUE(controller.Track({70, 90}));
    EXPECT_DOUBLE_EQ(leader->current.x, 7.0);
    EXPECT_DOUBLE_EQ(leader->current.y, 9.0) << "moved by the drag; the limit leaves y alone";
    EXPECT_DOUBLE_EQ(follower->current.x, 7.0);
    EXPECT_TRUE(follower->linkMoved);
    EXPECT_TRUE(controller.Track({10, 90}));
    EXPECT_DOUBLE_EQ(leader->current.x, 4.0) << "raised to the limit";
    controller.EndTrack({10, 90});
    EXPECT_DOUBLE_EQ(follower->committed.x, 4.0);
    EXPECT_EQ(listener.log.back(), "end");
    EXPECT_EQ(std::count(listener.log.begin(), listener.log.end(), "dropped 1"), 1);
}

TEST_F(QueenControllerTest, AMarkerHeldInPlaceSendsNoChange) {
    Marker* m = Add(1, {5, 5});
    m->limits = {
        {nullptr, 5.0,
         kLowerX | kRaiseX | kLowerY | kRaiseY | kFollowXDown | kFollowXUp | kFollowYDown | kFollowYUp}};
    ASSERT_TRUE(controller.BeginTrack({50, 50}));
    controller.Track({80, 80});
    EXPECT_EQ(m->current, (DPoint{5, 5}));
    EXPECT_EQ(listener.log, (std::vector<std::string>{"begin"}));
}

TEST(MarkerConstraint, OtherMarkersBoundAMarker) {
    PlotTest::TestMarker<> other(1, {3, 8});
    PlotTest::TestMarker<> m(2);
    m.limits = {{&other, 0.0, kAtLeastOtherX | kAtMostOtherY}};
    DPoint p{1, 9};
    EXPECT_TRUE(m.ApplyLimits({}, p));
    EXPECT_EQ(p, (DPoint{3, 8}));
    EXPECT_FALSE(m.ApplyLimits({}, p));
    m.links = {{&other, 0.0, kLinkXToY | kLinkYToX}};
    p = {0, 0};
    EXPECT_FALSE(m.ApplyLinks({1, 2}, p, nullptr)) << "only for the marker that moved";
    EXPECT_TRUE(m.ApplyLinks({1, 2}, p, &other));
    EXPECT_EQ(p, (DPoint{2, 1}));
}

} // namespace

#include "analysis/EventStats.h"

#include <gtest/gtest.h>

namespace {

using Tarvik::EventStats;
using Tarvik::TarvikEvent;

TarvikEvent Event(std::uint32_t state) {
    TarvikEvent e;
    e.state = state;
    return e;
}

constexpr std::uint32_t V = TarvikEvent::Valid, M = TarvikEvent::Marked, L = TarvikEvent::LastInBlock;

// Record 0: two loops and its trailing event; record 1: nothing; record 2: a marked loop, a loop and
// its trailing event. Global indices 0..5, included indices 0..3.
EventStats ThreeRecords() {
    EventStats stats;
    for (std::uint32_t s : {V, V, L})
        stats.AddEvent(0, Event(s));
    for (std::uint32_t s : {M, V, L})
        stats.AddEvent(2, Event(s));
    return stats;
}

TEST(EventStats, CountsEveryEventButIncludesOnlyLoops) {
    const EventStats stats = ThreeRecords();
    EXPECT_EQ(stats.total(), 6);
    EXPECT_EQ(stats.included(), 4);
    ASSERT_EQ(stats.records().size(), 3u);
    EXPECT_EQ(stats.records()[1].count, 0);
    EXPECT_EQ(stats.records()[2].first, 3);
    EXPECT_EQ(stats.records()[2].count, 3);
    EXPECT_EQ(stats.records()[2].includedCount, 2);
    // The marked loop and both trailing events carry a state.
    EXPECT_EQ(stats.statedCount(), 3);
    EXPECT_EQ(stats.GetEventState(2), static_cast<std::int32_t>(L));
    EXPECT_EQ(stats.GetEventState(3), static_cast<std::int32_t>(M));
    EXPECT_EQ(stats.GetEventState(4), 0);
}

TEST(EventStats, GlobalAndIncludedIndicesMapToTheirRecords) {
    const EventStats stats = ThreeRecords();
    struct Global {
        std::int32_t index, record, offset, included;
    };
    for (const Global& g : std::vector<Global>{
             {0, 0, 0, 0}, {1, 0, 1, 1}, {2, 0, 2, 2}, {3, 2, 0, 2}, {4, 2, 1, 3}, {5, 2, 2, 4}}) {
        std::int32_t offset = -1;
        EXPECT_EQ(stats.FindRecord(g.index, offset), g.record) << g.index;
        EXPECT_EQ(offset, g.offset) << g.index;
        EXPECT_EQ(stats.RecordIndexAt(g.index), g.included) << g.index;
    }
    struct Included {
        std::int32_t index, record, offset, global;
    };
    for (const Included& i : std::vector<Included>{{0, 0, 0, 0}, {1, 0, 1, 1}, {2, 2, 0, 3}, {3, 2, 1, 4}}) {
        std::int32_t offset = -1;
        EXPECT_EQ(stats.FindRecordIncluded(i.index, offset), i.record) << i.index;
        EXPECT_EQ(offset, i.offset) << i.index;
        EXPECT_EQ(stats.IncludedToRow(i.index), i.global) << i.index;
    }
}

TEST(EventStats, IndicesPastTheEndFindNoRecord) {
    const EventStats stats = ThreeRecords();
    std::int32_t offset = 77;
    EXPECT_EQ(stats.FindRecord(6, offset), 0);
    EXPECT_EQ(stats.FindRecord(-1, offset), 0);
    EXPECT_EQ(stats.FindRecordIncluded(4, offset), 0);
    EXPECT_EQ(offset, 77);
    EXPECT_EQ(stats.RecordIndexAt(6), 0);
    EXPECT_EQ(stats.IncludedToRow(4), 0);
}

// A record whose analysis stopped before its trailing event (the range ended in it) still maps
// included loops of later records to their own events.
TEST(EventStats, MappingHoldsWithoutATrailingEvent) {
    EventStats stats;
    for (std::uint32_t s : {V, V})
        stats.AddEvent(0, Event(s));
    for (std::uint32_t s : {V, M, L})
        stats.AddEvent(1, Event(s));
    std::int32_t offset = -1;
    EXPECT_EQ(stats.FindRecordIncluded(3, offset), 1);
    EXPECT_EQ(offset, 1);
    EXPECT_EQ(stats.IncludedToRow(3), 3);
    EXPECT_EQ(stats.GetEventState(stats.IncludedToRow(3)), static_cast<std::int32_t>(M));
    EXPECT_EQ(stats.RecordIndexAt(2), 2);
}

TEST(EventStats, StatesAreSetAndClearedByGlobalIndex) {
    struct Case {
        const char* what;
        std::int32_t index, state, expected;
    };
    const std::vector<Case> cases{
        {"marking an unmarked loop", 1, 1, 1},
        {"clearing an unmarked loop changes nothing", 0, 0, 0},
        {"another state is not recorded for an unmarked loop", 0, 2, 0},
        {"clearing a marked loop", 3, 0, 0},
        {"a stored state is replaced", 3, 5, 5},
        {"a trailing event's state is kept unless cleared", 2, 1, 1},
    };
    for (const Case& c : cases) {
        EventStats stats = ThreeRecords();
        stats.SetEventState(c.index, c.state);
        EXPECT_EQ(stats.GetEventState(c.index), c.expected) << c.what;
        EXPECT_EQ(stats.total(), 6) << c.what;
        EXPECT_EQ(stats.included(), 4) << c.what;
    }
    EventStats stats = ThreeRecords();
    stats.SetEventState(-1, 1);
    EXPECT_EQ(stats.statedCount(), 3);
    EXPECT_EQ(stats.GetEventState(-1), EventStats::kNoLoopState);
}

} // namespace

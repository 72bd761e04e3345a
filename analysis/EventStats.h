#pragma once

#include "analysis/EventStatsBase.h"
#include "analysis/TarvikEvent.h"

#include <boost/unordered_map.hpp>

#include <cstdint>
#include <vector>

namespace Tarvik {

// The loop events an analysis has read, counted record by record, and the user's marks on single
// loops. A global index counts every loop event from record 0 on; an included index counts only the
// events whose state is not LastInBlock. A record's LastInBlock events follow its loops, so the
// included events of a record are its first `includedCount` events.
class EventStats : public EventStatsBase {
public:
    struct RecordStats {
        std::int32_t count = 0;         // events of the record, every state
        std::int32_t first = 0;         // global index of the record's first event
        std::int32_t includedCount = 0; // events of the record whose state is not LastInBlock
    };

    // Answer of GetEventState for index -1.
    static constexpr std::int32_t kNoLoopState = 3;

    EventStats();

    // Counts event e of record r (records arrive in ascending order; skipped records stay empty).
    // A state other than Valid is remembered under the event's global index.
    void AddEvent(std::int32_t record, const TarvikEvent& e);

    // Marks (state 1) or unmarks (state 0) the loop at global index i; other states only replace a
    // state already stored. Nothing for i = -1. The counters stay as they are.
    void SetEventState(std::int32_t i, std::int32_t state);
    // The stored state of global index i, 0 when none, kNoLoopState for i = -1.
    std::int32_t GetEventState(std::int32_t i) const;

    // Record holding global index i, with i's offset in it; 0 with `offset` untouched when i is
    // negative or not below the total.
    std::int32_t FindRecord(std::int32_t i, std::int32_t& offset) const;
    // Record holding included index i, with its offset among the record's events; 0 with `offset`
    // untouched when i is negative or not below the included count.
    std::int32_t FindRecordIncluded(std::int32_t i, std::int32_t& offset) const;
    // The included index of the loop at global index i (for a LastInBlock event: that of the next
    // loop); 0 beyond the end.
    std::int32_t RecordIndexAt(std::int32_t i) const;
    // The global index of the loop at included index i; 0 beyond the end.
    std::int32_t IncludedToRow(std::int32_t i) const;

    std::int32_t total() const { return mTotal; }
    std::int32_t included() const { return mIncluded; }
    // Number of loops that carry a state (marked or LastInBlock).
    std::int32_t statedCount() const { return static_cast<std::int32_t>(mStates.size()); }
    const std::vector<RecordStats>& records() const { return mRecords; }

private:
    std::vector<RecordStats> mRecords;
    std::int32_t mTotal = 0;
    std::int32_t mIncluded = 0;
    boost::unordered_map<std::int32_t, std::int32_t> mStates;
};

} // namespace Tarvik

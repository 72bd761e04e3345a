#pragma once
// A calculation class for the harness tests, "Faulty(signal, fault)": its
// enumerators give one event every 100 ticks (ticks 50, 150, 250, ... with values
// 1, 2, 3, ...) of the record their sample source reads, keeping the host's
// event-enumerator contract, except for the one fault the second argument names.
// Events are ready once the source's data reach past them; the record ends when
// the source's record is complete.

#include "TestCalcClass.h"

namespace ExtLib::Testing {

enum class Fault {
    None = 0,
    FalseBeforeEnd = 1,   // S_FALSE whenever the data run out, without kRecordEndOffset
    ShortBatch = 2,       // a short batch that stops before the end tick
    NeverEnds = 3,        // S_OK at the end of the record forever, position at the record's end
    PastEnd = 4,          // S_OK at the end of the record with a position past it
    AheadOfData = 5,      // while sampling, a position beyond the data
    BounceSkips = 6,      // started after tick 0, skips the first event when another follows
    OnlineReversed = 7,   // while sampling, events in pairs, the later one first
    OnlineValues = 8,     // while sampling, every value one too large
    FindStopsAtProbe = 9, // a backward Find that finds an event stands at its start tick
    IgnoresStart = 10,    // starts at tick 0 whatever tick it is asked for
    RepeatsForever = 11,  // gives the first events again and again, never reaching the end tick
    StuckBeforeEnd = 12,  // S_OK with no event five ticks before the record's end, forever
    OnlineStopsEarly =
        13,             // while sampling, events wait for 200 more ticks; those the record ends on never come
    OverCounts = 14,    // while sampling, claims a buffer's worth more records than it wrote
    OnlineRepeats = 15, // while sampling, gives the last event of its first batch twice
};

class FaultyCalcClass : public Vantrel::Testing::TestCalcClass {
public:
    static constexpr const char* name = "Faulty";

    FaultyCalcClass();
    HRESULT CreateEnumerator(IUnknown* host, ICalcEnum** out) override;
};

} // namespace ExtLib::Testing

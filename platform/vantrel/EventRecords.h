#pragma once
// The event records the host reads from calculation enumerators. Interface
// format: little-endian, sizes and offsets fixed. The module's event classes
// build on these declarations.

#include <cstddef>
#include <cstdint>
#include <cstring>

// The head of every event record: a position in ticks (samples of the event's
// record) split into a whole tick and a fraction, and the event's value.
struct EventRecord {
    std::int32_t tick = 0;
    float fraction = 0.0f; // of a tick, in [-0.5, 0.5) for non-negative positions
    double value = 0.0;
};

static_assert(sizeof(EventRecord) == 16);
static_assert(offsetof(EventRecord, tick) == 0);
static_assert(offsetof(EventRecord, fraction) == 4);
static_assert(offsetof(EventRecord, value) == 8);

// The loop analyser's event is kLoopEventBytes long: a head (EventRecord or a
// class derived from it without data of its own), these fields, and the loop's
// values, which the host reads through selector calculations.
inline constexpr std::size_t kLoopEventBytes = 264;

template <class Head> struct LoopEventFields : Head {
    enum State : std::uint32_t {
        Valid = 0,
        Marked = 1,     // excluded by the user
        LastInBlock = 2 // trailing event after a block's last end-diastolic point; no loop
    };

    std::int32_t loopStartTick = 0;
    std::int32_t endSystoleTick = 0; // loop start tick + endSystoleIndex
    std::uint32_t state = Valid;
    std::uint32_t reserved28 = 0;
};

// The part of a loop event the host reads, at the start of each kLoopEventBytes.
using LoopEventHead = LoopEventFields<EventRecord>;

// offsetof on a derived record: GCC lays out a non-virtual single base first.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(sizeof(LoopEventHead) == 32);
static_assert(offsetof(LoopEventHead, loopStartTick) == 16);
static_assert(offsetof(LoopEventHead, endSystoleTick) == 20);
static_assert(offsetof(LoopEventHead, state) == 24);
static_assert(offsetof(LoopEventHead, reserved28) == 28);
#pragma GCC diagnostic pop

// The record of type E (an EventRecord-headed record, or the head alone) stored at bytes, which
// need not be aligned for E.
template <class E, class Byte> E ReadEventRecord(const Byte* bytes) {
    static_assert(sizeof(Byte) == 1);
    E record;
    std::memcpy(static_cast<void*>(&record), bytes, sizeof record);
    return record;
}

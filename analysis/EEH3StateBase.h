#pragma once
// What a detector carries from one step to the next within a record. The
// framework keeps copies of it as checkpoints, so every field of a derived
// state must be copyable and self-contained.

#include <climits>
#include <cstdint>
#include <memory>
#include <vector>

namespace EEH3 {

class StateBase {
public:
    virtual ~StateBase() = default;

    // Where the record scan must call the step again; INT32_MAX: nothing more in this record.
    // No event the state produces later lies below it.
    virtual std::int32_t ResumeTick() const = 0;
    // The record's data are complete: the next step reports what it still holds, then INT32_MAX.
    virtual void Finish() { finished = true; }
    virtual std::unique_ptr<StateBase> Clone() const = 0;

    // Events at or after this tick must not be produced by this step (-1: no limit).
    std::int32_t endLimit = -1;
    bool finished = false;
    // What the last step waited for: 2 events, 0 pressure samples, 1 volume samples.
    std::int32_t resultCode = -1;

    // Framework bookkeeping: the tick of the last event produced (INT32_MIN: none), and where each
    // source stood after the last step, so that a copy can be resumed.
    std::int32_t lastProducedTick = INT32_MIN;
    std::vector<std::int32_t> sourcePositions;
};

// The copy operation of a concrete state.
template <class Derived> class State : public StateBase {
public:
    std::unique_ptr<StateBase> Clone() const override {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};

} // namespace EEH3

#pragma once
// What the two end-diastolic point detectors (from pressure and from ECG
// events) carry from one step to the next within a record.

#include "analysis/EEH3StateBase.h"
#include "analysis/TarvikEdpEvent.h"

namespace Tarvik {

class EdpState : public EEH3::State<EdpState> {
public:
    explicit EdpState(std::int32_t resume) : resumeTick(resume) {}
    std::int32_t ResumeTick() const override { return finished ? INT32_MAX : resumeTick; }

    std::int32_t phase = 0;
    TarvikEdpEvent pending; // the event being built
    // Ticks of the two events that bound the cycle being processed (pressure detector); the tick
    // after the last emitted event (ECG detector).
    std::int32_t previousTick = 0;
    std::int32_t currentTick = 0;
    std::int32_t resumeTick;
};

} // namespace Tarvik

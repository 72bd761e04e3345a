#pragma once
// "PVMaxDet": for every end-diastolic point event, the pressure peak that
// closed its cycle (the event's second position and value), as a plain
// OvoEventBase. The ECG-based points carry a zero peak, so over them every
// output is (tick 0, fraction 0, value 0).

#include "analysis/EEH3PlainState.h"
#include "analysis/MaxParams.h"

namespace Tarvik {

struct MaxEnumerator {
    using Params = MaxParams;
    using State = EEH3::PlainState;
    using Event = OvoEventBase;

    static bool Step(EEH3::PlainState& state, MaxParams& params, OvoEventBase& out);
};

} // namespace Tarvik

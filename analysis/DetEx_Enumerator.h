#pragma once
// The loop analyser "TarvikAnalyzer": cuts a record into heart cycles from one
// end-diastolic point to the next and emits one TarvikEvent per cycle, at its
// opening point, with the cycle's haemodynamic values (LoopComputation). After
// the last point of the record it emits one trailing event (state "last in
// block", every value "no value") at that point.
//
// Missing data are never an error: the step waits (result code 2 for
// end-diastolic points, 0 for pressure, 1 for volume) and the framework calls
// it again when more data exist.

#include "analysis/DetEx_DetectorState.h"
#include "analysis/DetEx_EventDetectorParams.h"
#include "analysis/EventDrawClasses.h"

namespace Tarvik {

struct DetEx_Enumerator {
    using Params = DetEx_EventDetectorParams;
    using State = DetEx_DetectorState;
    using Event = TarvikEvent;
    static constexpr WORD kDrawClassNumber = Tarvik::kLoopEventDrawClass;

    static bool Step(DetEx_DetectorState& state, DetEx_EventDetectorParams& params, TarvikEvent& out);
};

} // namespace Tarvik

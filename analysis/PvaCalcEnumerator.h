#pragma once
// "PvaCalc": one PVAEvent per loop event of the analyser, at the loop's
// position, with its pressure-volume area, potential energy and stroke work
// (FillPVAEvent). Switched off (no events) unless the ESPVR type is 0 or 1.

#include "analysis/EEH3PlainState.h"
#include "analysis/PVAEvent.h"
#include "analysis/PvaCalcParams.h"

namespace Tarvik::PvaCalc {

struct Enumerator {
    using Params = PvaCalc::Params;
    using State = EEH3::PlainState;
    using Event = PVAEvent;

    static bool Step(EEH3::PlainState& state, Params& params, PVAEvent& out);
};

} // namespace Tarvik::PvaCalc

#pragma once
// "PVEcgEdpDet": passes every ECG event of the processing range on as an
// end-diastolic point (TarvikEdpEvent with a zero peak part). Only the first
// event of a record is tested against the range; the end of the range is kept
// by the framework's end limit.

#include "analysis/EdpState.h"
#include "analysis/EventDrawClasses.h"
#include "analysis/ParamsEcg.h"

namespace Tarvik {

struct EcgEnumerator {
    using Params = ParamsEcg;
    using State = EdpState;
    using Event = TarvikEdpEvent;
    static constexpr WORD kDrawClassNumber = Tarvik::kEdpEventDrawClass;

    static bool Step(EdpState& state, ParamsEcg& params, TarvikEdpEvent& out);
};

} // namespace Tarvik

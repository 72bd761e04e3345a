#pragma once
// "PVEdpDet" bound into the detector framework.

#include "analysis/EdpAlgorithm.h"
#include "analysis/EventDrawClasses.h"

namespace Tarvik {

struct EdpEnumerator {
    using Params = EdpParams;
    using State = EdpState;
    using Event = TarvikEdpEvent;
    static constexpr WORD kDrawClassNumber = Tarvik::kEdpEventDrawClass;

    static bool Step(EdpState& state, EdpParams& params, TarvikEdpEvent& out) {
        return EdpAlgorithm::NextEdp(state, params, out);
    }
};

} // namespace Tarvik

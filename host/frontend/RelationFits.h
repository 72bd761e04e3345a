#pragma once

#include "host/frontend/ChannelChoice.h"
#include "host/frontend/LoopTable.h"
#include "host/recording/Recording.h"
#include "platform/vantrel/ICalcService.h"
#include "platform/win32/com_ptr.h"

#include <string>
#include <vector>

namespace Vantrel {

/// The formulas of the module's virtual channels that an analysis sets: the loop analyser
/// ("tarvik"), the volume ("pvvolumewithoutvp") and the analyser on that volume.
struct LoopChannelFormulas {
    std::string loops;
    std::string volume;
    std::string loopsWithoutVP;
};

/// The end-systolic and end-diastolic pressure-volume relations over the loops, as the module's
/// loop data fits them with the loop view's default regression types: the ESPVR a line
/// P = Ees (V - V0) through (Ves, Pes), the EDPVR an exponential P = A e^(k V) through (Ved, Ped),
/// and the point where the two meet. The loops are computed in the module's virtual channels of a
/// host document over the recording, as the module's document has them computed. Values are in
/// the channels' units (Ees in P/V, V0 in V, A in P, k in 1/V). Empty when the loop data holds
/// too few usable loops; a fit that fails leaves its rows out, so a recording without a spread of
/// volumes (no occlusion) gives none.
std::vector<RelationValue> fitRelations(Recording& recording, const AnalysisChannels& channels,
                                        const LoopChannelFormulas& formulas, ComPtr<ICalcService> classes);

} // namespace Vantrel

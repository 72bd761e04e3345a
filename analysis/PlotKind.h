#pragma once
// The plot numbers under which the loop view and the relation plots ask TarvikData for points.

#include <cstdint>

namespace Tarvik {

// Plots of the loop view. From kHighlightedTrace on they are loop traces: that slot the highlighted
// loop, the slots after it the newest loop, the one before it, ...
enum LoopViewPlot : std::int32_t {
    kEndDiastolicPoints = 15,
    kEndSystolicPoints = 17,
    kHighlightedTrace = 18
};

// Relation plots.
enum RelationPlot : std::int32_t {
    kPRSWPlot = 1,
    kDPdtMaxPlot = 3,
    kSalinePlot = 6,
    kPVAEDVPlot = 9,
    kPVAESPPlot = 11,
    kCuvettePlot = 13,
};

} // namespace Tarvik

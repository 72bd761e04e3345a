#include "views/TarvikAnalysisGraphView.h"

#include "analysis/LoopParameters.h"

namespace Tarvik {

namespace {

// The smallest value of a loop parameter below limit; a comparison with a
// value that is no number is false.
bool SmallestBelow(TarvikData* loops, std::int32_t id, double limit) {
    double minimum = 0, maximum = 0, mean = 0;
    std::int32_t count = 0;
    return loops != nullptr && loops->GetParamStats(id, minimum, maximum, mean, count) && count > 0 &&
           minimum < limit;
}

} // namespace

bool TarvikAnalysisGraphView::IsLoopParam13Small(TarvikData* loops) {
    return SmallestBelow(loops, LP_Ped, 0.001);
}

bool TarvikAnalysisGraphView::IsLoopParam5Small(TarvikData* loops) {
    return SmallestBelow(loops, LP_Vmin, 0.0001);
}

} // namespace Tarvik

#include "analysis/MaxEnumerator.h"

#include <algorithm>

namespace Tarvik {

bool MaxParams::BuildSources(IUnknown* const* host, std::int32_t count) {
    return count >= 1 && AddSource(EEH3::EventWrapperEx<TarvikEdpEvent>::Create(host[0]));
}

// No limit test of its own: every input gives one output, and the framework drops outputs
// outside the processing range.
bool MaxEnumerator::Step(EEH3::PlainState& state, MaxParams& params, OvoEventBase& out) {
    if (state.finished) {
        state.resumeTick = INT32_MAX;
        return false;
    }
    auto& points = params.Points();
    if (points.HasCurrent()) {
        const TarvikEdpEvent point = points.CurrentEvent();
        out.tick = point.secondTick;
        out.fraction = point.secondFraction;
        out.value = point.secondValue;
        state.resumeTick = point.secondTick == INT32_MAX ? INT32_MAX : point.secondTick + 1;
        points.Advance();
        return true;
    }
    if (points.InputEnded())
        state.resumeTick = INT32_MAX;
    else
        state.resumeTick = std::max(state.resumeTick, 0);
    return false;
}

} // namespace Tarvik

#include "analysis/EcgEnumerator.h"

#include <algorithm>

namespace Tarvik {

bool ParamsEcg::BuildSources(IUnknown* const* host, std::int32_t count) {
    return count >= 1 && AddSource(EEH3::EventWrapper::Create(host[0], sizeof(OvoEventBase)));
}

bool EcgEnumerator::Step(EdpState& state, ParamsEcg& params, TarvikEdpEvent& out) {
    if (state.finished) {
        state.resumeTick = INT32_MAX;
        return false;
    }
    EEH3::EventWrapper& events = params.Events();
    while (state.phase < 1 && events.HasCurrent()) {
        state.previousTick = events.Current().tick;
        if (params.IsInsideLimits(state.previousTick))
            state.phase = 1;
        else
            events.Advance();
    }
    if (state.phase == 1 && events.HasCurrent()) {
        const OvoEventBase event = events.Current();
        state.currentTick = event.tick;
        state.previousTick = std::max(state.previousTick, event.tick);
        state.pending = TarvikEdpEvent{};
        state.pending.tick = event.tick;
        state.pending.fraction = event.fraction;
        state.pending.value = event.value;
        state.phase = 3;
    }
    if (state.phase == 3) {
        if (state.endLimit >= 0 && state.pending.tick >= state.endLimit) {
            state.resumeTick = state.endLimit;
            return false;
        }
        events.Advance();
        state.previousTick = state.resumeTick = state.pending.tick + 1;
        out = state.pending;
        state.phase = 1;
        return true;
    }
    state.resumeTick = events.InputEnded() ? INT32_MAX : std::max(state.previousTick, 0);
    return false;
}

} // namespace Tarvik

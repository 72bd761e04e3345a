#include "analysis/DetEx_Enumerator.h"

#include <algorithm>

#include "analysis/LoopComputation.h"

namespace Tarvik {

std::unique_ptr<EEH3::FloatExWrapper> SampleSource(IUnknown* source) {
    const auto channel = QueryInterfacePtr<ISampleChannel>(source, IID_ISampleChannel);
    return channel ? std::make_unique<EEH3::FloatExWrapper>(channel.Get()) : nullptr;
}

bool DetEx_EventDetectorParams::BuildSources(IUnknown* const* host, std::int32_t count) {
    if (count < 3)
        return false;
    return AddSource(SampleSource(host[0])) && AddSource(SampleSource(host[1])) &&
           AddSource(EEH3::EventWrapper::Create(host[2], sizeof(OvoEventBase)));
}

namespace {

using State = DetEx_DetectorState;
using Params = DetEx_EventDetectorParams;

void CopyPoint(TarvikEvent& to, const OvoEventBase& point) {
    to.tick = point.tick;
    to.fraction = point.fraction;
    to.value = point.value;
}

// Phase 2: the closing point and every sample of the cycle. True when they are buffered (phase
// 3); false with the state saying what it waits for.
bool FetchCycle(State& state, Params& params) {
    EEH3::EventWrapper& points = params.EndDiastolicPoints();
    if (!points.HasCurrent()) {
        if (points.InputEnded())
            state.phase = 4;
        state.resumeTick = state.current.tick;
        return false;
    }
    CopyPoint(state.next, points.Current());
    const std::int32_t start = state.current.tick;
    if (state.endLimit >= 0 && start >= state.endLimit) {
        state.resumeTick = state.endLimit;
        return false;
    }
    state.resumeTick = start;
    EEH3::FloatExWrapper& pressure = params.Pressure();
    EEH3::FloatExWrapper& volume = params.Volume();
    state.pressurePosition = pressure.Position();
    // The cursors stay where a cycle ends, where the next one starts: no block is read twice.
    pressure.Seek(start);
    volume.Seek(start);
    // A closing point at or before the opening one (points out of order) leaves the cycle empty.
    const auto n = static_cast<std::size_t>(std::max<std::int64_t>(std::int64_t{state.next.tick} - start, 0));
    // Both cursors stand at the start, or past it at the end tick.
    const auto count = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        std::int64_t{state.next.tick} - pressure.Position(), 0, static_cast<std::int64_t>(n)));
    state.pressure.resize(n);
    state.volume.resize(n);
    const std::int32_t pressureRead = pressure.Read(state.pressure.data(), count);
    const std::int32_t volumeRead = volume.Read(state.volume.data(), count);
    if (pressureRead < count || volumeRead < count) {
        state.resultCode = pressureRead > volumeRead ? 1 : 0; // what it waits for
        return false;
    }
    std::fill(state.pressure.begin() + count, state.pressure.end(), 0.0f);
    std::fill(state.volume.begin() + count, state.volume.end(), 0.0f);
    state.phase = 3;
    return true;
}

// Phase 3: the loop event of the buffered cycle.
void EmitLoop(State& state, Params& params, TarvikEvent& out) {
    const double position = state.current.GetPosition();
    out.SetPosition(position);
    out.loopStartTick = state.current.tick;
    LoopComputation::Compute(out, state.pressure, state.volume, state.next.GetPosition(), params.tickPeriod,
                             params.loopWork);
    out.value = out.ped;
    state.phase = 1;
    state.resumeTick = out.tick + 1;
    const bool beforeRange =
        params.currentRecord == params.limitStart.record && state.current.tick < params.limitStart.tick;
    if (!beforeRange)
        state.lastEmittedPosition = position;
    state.lastEmittedStart = state.current.tick;
    state.current = state.next;
}

// Phase 4: the trailing event at the record's last end-diastolic point.
bool EmitTrailing(State& state, TarvikEvent& out) {
    out = state.lastEmittedPosition != -1.0 ? state.next : state.current;
    if (state.endLimit >= 0 && out.tick >= state.endLimit) {
        state.resumeTick = state.endLimit;
        return false;
    }
    out.state = TarvikEvent::LastInBlock;
    out.loopStartTick = out.tick;
    state.phase = 5;
    state.resumeTick = INT32_MAX;
    return true;
}

} // namespace

bool DetEx_Enumerator::Step(State& state, Params& params, TarvikEvent& out) {
    if (state.finished || state.phase == 5) {
        state.resumeTick = INT32_MAX;
        return false;
    }
    if (state.phase < 2) {
        state.resultCode = 2;
        EEH3::EventWrapper& points = params.EndDiastolicPoints();
        if (!points.HasCurrent()) {
            state.resumeTick = points.Position(); // INT32_MAX once they have ended
            return false;
        }
        state.current = TarvikEvent{};
        CopyPoint(state.current, points.Current());
        state.phase = 2;
        points.Advance();
    }
    if (state.phase == 2 && !FetchCycle(state, params) && state.phase != 4)
        return false;
    if (state.phase == 4)
        return EmitTrailing(state, out);
    EmitLoop(state, params, out);
    return true;
}

} // namespace Tarvik

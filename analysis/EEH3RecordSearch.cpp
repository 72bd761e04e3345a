// The record search of EEH3EnumeratorBase: Next, Find and the scan of a record
// through the detector's steps, its working state and its checkpoints.

#include <algorithm>
#include <cstring>

#include "analysis/EEH3EnumeratorBase.h"

namespace EEH3 {

namespace {

std::int32_t ChunkEnd(std::int32_t tick) {
    const std::int64_t end = (std::int64_t{std::max(tick, 0)} / EEH3EnumeratorBase::kChunkTicks + 1) *
                             EEH3EnumeratorBase::kChunkTicks;
    return static_cast<std::int32_t>(std::min<std::int64_t>(end, INT32_MAX));
}

} // namespace

HRESULT EEH3EnumeratorBase::Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count,
                                 LONG* position) {
    if (count)
        *count = 0;
    const std::uint32_t size = EventSize();
    if (!buffer || !count || bufferBytes < size)
        return E_INVALIDARG;
    if (tickLimit < 0)
        tickLimit = INT32_MAX;
    auto* out = static_cast<unsigned char*>(buffer);
    const ULONG capacity = bufferBytes / size;
    std::vector<unsigned char>& event = mEvent;
    event.resize(size);
    ULONG n = 0;
    while (mStarted && n < capacity) {
        if (!mHeld.empty()) {
            const std::int32_t tick = TickOf(mHeld.data());
            if (tick >= tickLimit)
                break;
            std::memcpy(out + std::size_t{n++} * size, mHeld.data(), size);
            mHeld.clear();
            mPosition = std::max(mPosition, tick == INT32_MAX ? tick : tick + 1);
            continue;
        }
        if (mPosition >= tickLimit)
            break;
        const Search search = ForwardSearch(mPosition, tickLimit, event.data());
        if (!search.found) {
            mPosition = std::max(mPosition, search.position);
            break;
        }
        std::memcpy(out + std::size_t{n++} * size, event.data(), size);
        const std::int32_t tick = TickOf(event.data());
        mPosition = tick == INT32_MAX ? tick : tick + 1;
    }
    if (!mStarted)
        mPosition = INT32_MAX;
    *count = n;
    if (position)
        *position = mPosition == INT32_MAX ? INT32_MAX : std::min<LONG>(mPosition, tickLimit);
    return mPosition == INT32_MAX ? S_FALSE : S_OK;
}

// A found event is held back for the next Next; the read position moves to it, or to the clamped
// tick when nothing was found.
HRESULT EEH3EnumeratorBase::Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                                 void* event) {
    mHeld.clear();
    if (!mStarted || (backward && tick == 0))
        return S_FALSE;
    if (rangeEnd == 0 || rangeStart >= rangeEnd) {
        mPosition = std::max<LONG>(rangeEnd, 0);
        return S_FALSE;
    }
    const std::int32_t clamped = std::clamp<LONG>(tick, rangeStart, rangeEnd - 1);
    std::vector<unsigned char> found(EventSize());
    bool ok = false;
    if (backward) {
        ok = BackwardSearch(clamped, rangeStart, found.data());
        mHeld.clear();
    } else {
        ok = ForwardSearch(clamped, rangeEnd, found.data()).found;
    }
    if (!ok) {
        mPosition = std::max(clamped, 0);
        return S_FALSE;
    }
    mHeld.clear();
    Hold(found.data());
    mPosition = TickOf(found.data());
    if (event && eventBytes >= EventSize())
        std::memcpy(event, found.data(), EventSize());
    return S_OK;
}

// The latest event in [lower, tick], looked for chunk by chunk from tick's chunk backward.
bool EEH3EnumeratorBase::BackwardSearch(std::int32_t tick, std::int32_t lower, unsigned char* event) {
    std::vector<unsigned char> candidate(EventSize());
    for (std::int32_t chunk = tick / kChunkTicks; chunk >= 0 && chunk >= lower / kChunkTicks; --chunk) {
        std::int32_t from = std::max(lower, chunk * kChunkTicks);
        bool any = false;
        while (from <= tick) {
            const Search search = ForwardSearch(from, tick + 1, candidate.data());
            if (!search.found)
                break;
            std::memcpy(event, candidate.data(), EventSize());
            any = true;
            from = TickOf(candidate.data()) + 1;
        }
        mHeld.clear();
        if (any)
            return true;
    }
    return false;
}

// The first event at or after start and below limit. Without one, position tells how far the
// record has been searched: no event below it is still to come (INT32_MAX: none at all).
EEH3EnumeratorBase::Search EEH3EnumeratorBase::ForwardSearch(std::int32_t start, std::int32_t limit,
                                                             unsigned char* event) {
    const ParamsBase& params = Params();
    const std::int32_t lower = params.LowerBound(params.currentRecord);
    const std::int32_t upper = params.UpperBound(params.currentRecord);
    start = std::max(start, lower);
    if (start >= upper)
        return {false, INT32_MAX};
    PrepareState(start);
    StateBase& state = *mState;
    for (;;) {
        const std::int32_t resume = state.ResumeTick();
        if (resume == INT32_MAX)
            return {false, INT32_MAX};
        const std::int32_t searchEnd = std::min({limit, ChunkEnd(resume), upper});
        if (resume >= searchEnd)
            return {false, resume >= upper ? INT32_MAX : resume};
        if (!StepOnce(state, searchEnd, event)) {
            const std::int32_t reached = state.ResumeTick();
            if (state.finished && reached != INT32_MAX)
                return {false, INT32_MAX};
            if (reached < searchEnd)
                return {false, std::max(reached, start)}; // waiting for data while sampling
            continue;
        }
        const std::int32_t tick = TickOf(event);
        state.lastProducedTick = tick;
        if (tick < lower || tick >= upper || tick < start)
            continue;
        if (tick >= limit) {
            Hold(event);
            return {false, limit};
        }
        return {true, tick};
    }
}

// Runs the detector once below searchEnd. Offline, a step that ends short of searchEnd without an
// event has met the end of the record's data: the state is finished and stepped once more.
bool EEH3EnumeratorBase::StepOnce(StateBase& state, std::int32_t searchEnd, unsigned char* event) {
    state.endLimit = searchEnd;
    bool produced = RunStep(state, event);
    SaveSources(state);
    if (!produced && state.ResumeTick() < searchEnd && !state.finished && RecordComplete()) {
        state.Finish();
        produced = RunStep(state, event);
        SaveSources(state);
    }
    Checkpoint(state);
    return produced;
}

// Makes the working state one that has produced nothing at or after start.
void EEH3EnumeratorBase::PrepareState(std::int32_t start) {
    if (!mState) {
        const ParamsBase& params = Params();
        const std::int32_t lower = params.LowerBound(params.currentRecord);
        mState = NewState(lower);
        mState->sourcePositions.assign(params.sources.size(), lower);
        mCheckpoints.clear();
        mCheckpoints.push_back(mState->Clone());
        RestoreSources(*mState);
        return;
    }
    if (mState->lastProducedTick < start)
        return;
    for (auto it = mCheckpoints.rbegin(); it != mCheckpoints.rend(); ++it) {
        if ((*it)->lastProducedTick < start) {
            mState = (*it)->Clone();
            RestoreSources(*mState);
            return;
        }
    }
}

void EEH3EnumeratorBase::Checkpoint(const StateBase& state) {
    const std::int32_t resume = state.ResumeTick();
    if (resume == INT32_MAX || state.finished)
        return;
    if (resume >= ChunkEnd(mCheckpoints.back()->ResumeTick()))
        mCheckpoints.push_back(state.Clone());
}

void EEH3EnumeratorBase::SaveSources(StateBase& state) {
    auto& sources = Params().sources;
    state.sourcePositions.resize(sources.size());
    for (std::size_t i = 0; i < sources.size(); ++i)
        state.sourcePositions[i] = sources[i]->Position();
}

void EEH3EnumeratorBase::RestoreSources(const StateBase& state) {
    auto& sources = Params().sources;
    for (std::size_t i = 0; i < sources.size() && i < state.sourcePositions.size(); ++i)
        sources[i]->Seek(state.sourcePositions[i]);
}

// Offline the record is complete; online when every source says no more data will come.
bool EEH3EnumeratorBase::RecordComplete() {
    if (!mOnline)
        return true;
    for (auto& source : Params().sources)
        if (!source->IsRecordComplete())
            return false;
    return true;
}

} // namespace EEH3

#include "analysis/EventStats.h"

#include <algorithm>

namespace Tarvik {

EventStats::EventStats() {
    mRecords.reserve(8);
    mStates.max_load_factor(1.0f);
}

void EventStats::AddEvent(std::int32_t record, const TarvikEvent& e) {
    if (record < 0)
        return;
    const auto r = static_cast<std::size_t>(record);
    if (r >= mRecords.size()) {
        mRecords.resize(r + 1);
        mRecords[r].first = mTotal;
    }
    if (e.state != TarvikEvent::Valid)
        mStates.emplace(mTotal, static_cast<std::int32_t>(e.state));
    const bool included = e.state != TarvikEvent::LastInBlock;
    mRecords[r].count += 1;
    mTotal += 1;
    if (included) {
        mRecords[r].includedCount += 1;
        mIncluded += 1;
    }
}

void EventStats::SetEventState(std::int32_t i, std::int32_t state) {
    if (i == -1)
        return;
    const auto it = mStates.find(i);
    if (it != mStates.end()) {
        if (state == TarvikEvent::Valid)
            mStates.erase(it);
        else
            it->second = state;
    } else if (state == TarvikEvent::Marked) {
        mStates.emplace(i, state);
    }
}

std::int32_t EventStats::GetEventState(std::int32_t i) const {
    if (i == -1)
        return kNoLoopState;
    const auto it = mStates.find(i);
    return it == mStates.end() ? 0 : it->second;
}

std::int32_t EventStats::FindRecord(std::int32_t i, std::int32_t& offset) const {
    if (i < 0 || i >= mTotal)
        return 0;
    for (std::size_t r = 0; r < mRecords.size(); ++r) {
        const RecordStats& s = mRecords[r];
        if (s.count > 0 && i <= s.first + s.count - 1) {
            offset = i - s.first;
            return static_cast<std::int32_t>(r);
        }
    }
    return 0;
}

std::int32_t EventStats::FindRecordIncluded(std::int32_t i, std::int32_t& offset) const {
    if (i < 0 || i >= mIncluded)
        return 0;
    std::int32_t before = 0;
    for (std::size_t r = 0; r < mRecords.size(); ++r) {
        if (i < before + mRecords[r].includedCount) {
            offset = i - before;
            return static_cast<std::int32_t>(r);
        }
        before += mRecords[r].includedCount;
    }
    return 0;
}

std::int32_t EventStats::RecordIndexAt(std::int32_t i) const {
    std::int32_t offset = 0;
    const std::int32_t r = FindRecord(i, offset);
    if (i < 0 || i >= mTotal)
        return 0;
    std::int32_t before = 0;
    for (std::int32_t k = 0; k < r; ++k)
        before += mRecords[static_cast<std::size_t>(k)].includedCount;
    return before + std::min(offset, mRecords[static_cast<std::size_t>(r)].includedCount);
}

std::int32_t EventStats::IncludedToRow(std::int32_t i) const {
    std::int32_t offset = 0;
    const std::int32_t r = FindRecordIncluded(i, offset);
    if (i < 0 || i >= mIncluded)
        return 0;
    return mRecords[static_cast<std::size_t>(r)].first + offset;
}

} // namespace Tarvik

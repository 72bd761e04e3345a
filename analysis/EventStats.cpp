#include "analysis/EventStats.h"

#include <algorithm>

namespace Tarvik {

EventStats::EventStats() {
    records_.reserve(8);
    states_.max_load_factor(1.0f);
}

void EventStats::AddEvent(std::int32_t record, const TarvikEvent& e) {
    if (record < 0)
        return;
    const auto r = static_cast<std::size_t>(record);
    if (r >= records_.size()) {
        records_.resize(r + 1);
        records_[r].first = total_;
    }
    if (e.state != TarvikEvent::Valid)
        states_.emplace(total_, static_cast<std::int32_t>(e.state));
    const bool included = e.state != TarvikEvent::LastInBlock;
    records_[r].count += 1;
    total_ += 1;
    if (included) {
        records_[r].includedCount += 1;
        included_ += 1;
    }
}

void EventStats::SetEventState(std::int32_t i, std::int32_t state) {
    if (i == -1)
        return;
    const auto it = states_.find(i);
    if (it != states_.end()) {
        if (state == 0)
            states_.erase(it);
        else
            it->second = state;
    } else if (state == TarvikEvent::Marked) {
        states_.emplace(i, state);
    }
}

std::int32_t EventStats::GetEventState(std::int32_t i) const {
    if (i == -1)
        return kNoLoopState;
    const auto it = states_.find(i);
    return it == states_.end() ? 0 : it->second;
}

std::int32_t EventStats::FindRecord(std::int32_t i, std::int32_t& offset) const {
    if (i < 0 || i >= total_)
        return 0;
    for (std::size_t r = 0; r < records_.size(); ++r) {
        const RecordStats& s = records_[r];
        if (s.count > 0 && i <= s.first + s.count - 1) {
            offset = i - s.first;
            return static_cast<std::int32_t>(r);
        }
    }
    return 0;
}

std::int32_t EventStats::FindRecordIncluded(std::int32_t i, std::int32_t& offset) const {
    if (i < 0 || i >= included_)
        return 0;
    std::int32_t before = 0;
    for (std::size_t r = 0; r < records_.size(); ++r) {
        if (i < before + records_[r].includedCount) {
            offset = i - before;
            return static_cast<std::int32_t>(r);
        }
        before += records_[r].includedCount;
    }
    return 0;
}

std::int32_t EventStats::RecordIndexAt(std::int32_t i) const {
    std::int32_t offset = 0;
    const std::int32_t r = FindRecord(i, offset);
    if (i < 0 || i >= total_)
        return 0;
    std::int32_t before = 0;
    for (std::int32_t k = 0; k < r; ++k)
        before += records_[static_cast<std::size_t>(k)].includedCount;
    return before + std::min(offset, records_[static_cast<std::size_t>(r)].includedCount);
}

std::int32_t EventStats::IncludedToRow(std::int32_t i) const {
    std::int32_t offset = 0;
    const std::int32_t r = FindRecordIncluded(i, offset);
    if (i < 0 || i >= included_)
        return 0;
    return records_[static_cast<std::size_t>(r)].first + offset;
}

} // namespace Tarvik

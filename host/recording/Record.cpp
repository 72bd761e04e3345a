#include "host/recording/Record.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace Vantrel {

namespace {

double checkedPeriod(double tickPeriod) {
    if (!std::isfinite(tickPeriod) || tickPeriod <= 0.0)
        throw std::invalid_argument("tick period must be a positive number of seconds");
    return tickPeriod;
}

std::size_t commonLength(std::span<const std::vector<float>> columns) {
    const std::size_t length = columns.empty() ? 0 : columns.front().size();
    for (const auto& column : columns)
        if (column.size() != length)
            throw std::invalid_argument("sample columns differ in length");
    return length;
}

Tick checkedTicks(std::size_t have, std::size_t added) {
    if (added > static_cast<std::size_t>(std::numeric_limits<Tick>::max()) - have)
        throw std::length_error("a record holds at most 2147483647 ticks");
    return static_cast<Tick>(have + added);
}

} // namespace

Record::Record(std::size_t channelCount, double tickPeriod)
    : mTickPeriod(checkedPeriod(tickPeriod)), mSamples(channelCount), mEvents(channelCount) {}

Record::Record(double tickPeriod, std::vector<std::vector<float>> columns)
    : mTickPeriod(checkedPeriod(tickPeriod)), mTickCount(checkedTicks(0, commonLength(columns))),
      mSamples(std::move(columns)), mEvents(mSamples.size()) {}

void Record::setStartTime(double seconds) {
    if (!std::isfinite(seconds))
        throw std::invalid_argument("a record's start time must be a finite number of seconds");
    mStartTime = seconds;
}

std::span<const float> Record::samples(std::size_t channel) const {
    return mSamples.at(channel);
}

const std::vector<Event>& Record::events(std::size_t channel) const {
    return mEvents.at(channel);
}

void Record::append(std::span<const std::vector<float>> block) {
    if (block.size() != mSamples.size())
        throw std::invalid_argument("a block needs one sample column per channel");
    const std::size_t length = commonLength(block);
    const Tick newCount = checkedTicks(static_cast<std::size_t>(mTickCount), length);
    for (std::size_t c = 0; c < block.size(); ++c)
        mSamples[c].insert(mSamples[c].end(), block[c].begin(), block[c].end());
    mTickCount = newCount;
}

void Record::addEvent(std::size_t channel, Event event) {
    auto& series = mEvents.at(channel);
    const auto at = std::upper_bound(series.begin(), series.end(), event.tick,
                                     [](Tick tick, const Event& e) { return tick < e.tick; });
    series.insert(at, event);
}

void Record::addComment(Comment comment) {
    const auto at = std::upper_bound(mComments.begin(), mComments.end(), comment.tick,
                                     [](Tick tick, const Comment& c) { return tick < c.tick; });
    mComments.insert(at, std::move(comment));
}

} // namespace Vantrel

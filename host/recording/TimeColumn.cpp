#include "host/recording/TimeColumn.h"

#include <algorithm>
#include <cstdlib>

namespace Vantrel {

namespace {

constexpr auto kExactUnits = static_cast<std::int64_t>(kExactIntegers);
constexpr int kMostDecimals = 22;    // 10^22 is the largest exact power of ten
constexpr std::size_t kFewRuns = 64; // runs kept even when they are short

// value * 10^power when its magnitude stays below kExactUnits.
bool timesPowerOfTen(std::int64_t& value, int power) {
    for (int k = 0; k < power; ++k) {
        if (std::llabs(value) >= kExactUnits / 10)
            return false;
        value *= 10;
    }
    return true;
}

} // namespace

void TimeColumn::push(const PlainDecimal& time, double value) {
    if (mDoubles || time.decimals > kMostDecimals || time.digits >= static_cast<std::uint64_t>(kExactUnits) ||
        (time.negative && time.digits == 0) || (time.decimals > mDecimals && !rescale(time.decimals))) {
        push(value);
        return;
    }
    auto units = static_cast<std::int64_t>(time.digits);
    if (!timesPowerOfTen(units, mDecimals - time.decimals)) {
        push(value);
        return;
    }
    pushUnits(time.negative ? -units : units);
}

void TimeColumn::push(double value) {
    keepDoubles();
    mSeconds.push_back(value * mScale);
    ++mSize;
}

void TimeColumn::pushUnits(std::int64_t units) {
    if (mRuns.empty()) {
        mRuns.push_back({units, 0, 0, 1});
    } else if (Run& run = mRuns.back(); run.count == 1) {
        run.step = units - run.first;
        run.count = 2;
    } else if (units - (run.first + run.step * static_cast<std::int64_t>(run.count - 1)) == run.step) {
        ++run.count;
    } else {
        mRuns.push_back({units, 0, mSize, 1});
    }
    ++mSize;
    // Runs that hold a few rows each take more room than the doubles.
    if (mRuns.size() > kFewRuns && mRuns.size() * sizeof(Run) > mSize * sizeof(double) / 2)
        keepDoubles();
}

// Counts every run in finer units; false (the times kept as doubles) when they would grow too large.
bool TimeColumn::rescale(int decimals) {
    const int power = decimals - mDecimals;
    std::vector<Run> finer = mRuns;
    for (Run& run : finer) {
        std::int64_t last = run.first + run.step * static_cast<std::int64_t>(run.count - 1);
        if (!timesPowerOfTen(run.first, power) || !timesPowerOfTen(last, power)) {
            keepDoubles();
            return false;
        }
        run.step = run.count > 1 ? (last - run.first) / static_cast<std::int64_t>(run.count - 1) : 0;
    }
    mRuns = std::move(finer);
    mDecimals = decimals;
    return true;
}

void TimeColumn::keepDoubles() {
    if (mDoubles)
        return;
    mSeconds.reserve(mSize);
    for (const Run& run : mRuns)
        for (std::size_t k = 0; k < run.count; ++k)
            mSeconds.push_back(unitsValue(run.first + run.step * static_cast<std::int64_t>(k)));
    mRuns = {};
    mDoubles = true;
}

double TimeColumn::lookUp(std::size_t row) const {
    if (mDoubles)
        return mSeconds[row];
    if (mLastRun + 1 < mRuns.size() && holds(mRuns[mLastRun + 1], row)) {
        ++mLastRun;
    } else {
        const auto after = std::upper_bound(mRuns.begin(), mRuns.end(), row,
                                            [](std::size_t r, const Run& run) { return r < run.row; });
        mLastRun = static_cast<std::size_t>(after - mRuns.begin()) - 1;
    }
    return valueIn(mRuns[mLastRun], row);
}

} // namespace Vantrel

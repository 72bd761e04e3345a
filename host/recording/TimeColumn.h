#pragma once

#include "host/recording/TextCells.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Vantrel {

/// The times of a delimited text's time column, in seconds, held exactly in little memory. Times
/// written as plain decimals are kept as whole counts of the finest decimal written, in runs of equal
/// steps: a regular column takes a few bytes whatever its length. Where that cannot hold them (a time
/// with an exponent or too many digits, or steps too irregular for runs to pay) every time is kept as
/// a double. Reading the rows in order costs no search.
class TimeColumn {
public:
    /// scale: seconds per unit of the column (1e-3 for milliseconds).
    explicit TimeColumn(double scale = 1.0) : mScale(scale) {}

    /// Appends a time written as a plain decimal; value is that decimal read as a double.
    void push(const PlainDecimal& time, double value);
    /// Appends a time written otherwise, read as value (in the column's unit).
    void push(double value);

    std::size_t size() const { return mSize; }
    /// A row's time in seconds: its value times the scale.
    double operator[](std::size_t row) const {
        if (!mDoubles && holds(mRuns[mLastRun], row))
            return valueIn(mRuns[mLastRun], row);
        return lookUp(row);
    }

private:
    // Rows row .. row + count - 1 hold first, first + step, ... (in units of 10^-mDecimals).
    struct Run {
        std::int64_t first;
        std::int64_t step;
        std::size_t row;
        std::size_t count;
    };

    void pushUnits(std::int64_t units);
    bool rescale(int decimals);
    void keepDoubles();
    double lookUp(std::size_t row) const;
    static bool holds(const Run& run, std::size_t row) { return row >= run.row && row - run.row < run.count; }
    // A count of units over the exact power of ten rounds as the decimal it stands for.
    double unitsValue(std::int64_t units) const {
        return static_cast<double>(units) / kExactPowersOfTen[mDecimals] * mScale;
    }
    double valueIn(const Run& run, std::size_t row) const {
        return unitsValue(run.first + run.step * static_cast<std::int64_t>(row - run.row));
    }

    double mScale;
    int mDecimals = 0;
    std::vector<Run> mRuns;
    std::vector<double> mSeconds; // every time, once they are kept as doubles
    bool mDoubles = false;
    std::size_t mSize = 0;
    mutable std::size_t mLastRun = 0; // where the last lookup found its row
};

} // namespace Vantrel

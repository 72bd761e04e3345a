#include "host/recording/TimeAxis.h"

#include "host/recording/TextCells.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace Vantrel {

namespace {

// Rows of a time column, numbered from 0.
struct Times {
    const TimeColumn& column;
    std::size_t first;
    std::size_t count;

    double operator[](std::size_t row) const { return column[first + row]; }
    std::size_t size() const { return count; }
    double front() const { return column[first]; }
    double back() const { return column[first + count - 1]; }
};

// A time for a message, rounded to a hundredth of the resolution (a step of the column), so that
// neighbouring times stay apart and printing noise goes: 0.0030000000000000027 is "0.003".
std::string timeText(double seconds, double resolution) {
    const int decimals =
        resolution > 0.0 ? std::clamp(static_cast<int>(std::ceil(-std::log10(resolution))) + 2, 0, 9) : 9;
    return fixedNumberText(seconds, decimals);
}

std::optional<std::size_t> firstNonIncreasing(const Times& times) {
    double previous = times[0];
    for (std::size_t i = 1; i < times.size(); ++i) {
        const double time = times[i];
        if (!(time > previous))
            return i;
        previous = time;
    }
    return std::nullopt;
}

// The median step: what the column's steps mostly are, whatever one of them does.
double typicalStep(const Times& times) {
    std::vector<double> steps(times.size() - 1);
    for (std::size_t i = 1; i < times.size(); ++i)
        steps[i - 1] = times[i] - times[i - 1];
    const auto middle = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() / 2);
    std::nth_element(steps.begin(), middle, steps.end());
    return *middle;
}

std::optional<TimeAxisFault> firstIrregular(const Times& times, double meanStep) {
    const auto text = [meanStep](double seconds) { return timeText(seconds, meanStep) + " s"; };
    const double first = times[0];
    double previous = first;
    for (std::size_t i = 1; i < times.size(); ++i) {
        const double time = times[i];
        const double step = time - previous;
        if (std::abs(step - meanStep) > 0.5 * meanStep)
            return TimeAxisFault{i, "irregular time column: " + text(time) + " follows " + text(previous) +
                                        ", a step of " + text(step) + " where the sample period is " +
                                        text(typicalStep(times))};
        const double expected = first + static_cast<double>(i) * meanStep;
        if (std::abs(time - expected) > meanStep)
            return TimeAxisFault{i, "irregular time column: " + text(time) + " where " + text(expected) +
                                        " was expected"};
        previous = time;
    }
    return std::nullopt;
}

double snappedToIntegerRate(double period) {
    const double rate = std::round(1.0 / period);
    if (rate >= 1.0 && std::abs(rate * period - 1.0) <= 1e-6)
        return 1.0 / rate;
    return period;
}

} // namespace

std::optional<double> periodFromTimes(const TimeColumn& column, std::size_t first, std::size_t count,
                                      TimeAxisFault& fault) {
    const Times times{column, first, count};
    if (times.size() < 2) {
        fault = {0, "one data row: the time column gives no sample rate"};
        return std::nullopt;
    }
    if (const auto row = firstNonIncreasing(times)) {
        const double resolution = std::abs(times[*row] - times[0]) / static_cast<double>(*row);
        fault = {*row, "time " + timeText(times[*row], resolution) + " s does not increase on " +
                           timeText(times[*row - 1], resolution) + " s"};
        return std::nullopt;
    }
    const double meanStep = (times.back() - times.front()) / static_cast<double>(times.size() - 1);
    if (auto irregular = firstIrregular(times, meanStep)) {
        fault = std::move(*irregular);
        return std::nullopt;
    }
    return snappedToIntegerRate(meanStep);
}

} // namespace Vantrel

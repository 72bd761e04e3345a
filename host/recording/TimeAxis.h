#pragma once

#include "host/recording/TimeColumn.h"

#include <cstddef>
#include <optional>
#include <string>

namespace Vantrel {

/// Where a time column fails: the row (from 0) and why.
struct TimeAxisFault {
    std::size_t row = 0;
    std::string message;
};

/// The tick period (seconds) of a time column in seconds, or the first fault. The times must
/// increase strictly; no step may differ from the mean step by more than half of it and no time
/// may lie more than one mean step off the regular grid that starts at the first time, which
/// allows for times printed with few digits. A period within 1e-6 of an integer rate is taken as
/// that rate exactly, since the printed times only approximate it. Needs at least two rows.
/// times: rows first .. first + count - 1 of the column.
std::optional<double> periodFromTimes(const TimeColumn& times, std::size_t first, std::size_t count,
                                      TimeAxisFault& fault);

} // namespace Vantrel

#pragma once

#include "host/frontend/AnalyzeOptions.h"
#include "host/frontend/LoopTable.h"

#include <string>

namespace Vantrel {

/// The results as delimited text (UTF-8, LF line ends, "." as the decimal point), in sections
/// separated by a blank line:
///   1. a header row "loop, record, time (s)" and one "name (unit)" per column, then one row per
///      loop (loop and record numbers from 1);
///   2. "loops found" with the number of loops, and "mean" with each column's mean under its
///      column;
///   3. when there are relation fits: a header row "relation, parameter, value" and one row per
///      fitted parameter.
/// Values have 6 significant digits, times table.timeDecimals decimals at most; a missing value
/// (NaN) is an empty cell. CSV cells holding a comma or a double quote are quoted.
std::string formatLoopTable(const LoopTable& table, TableFormat format);

} // namespace Vantrel

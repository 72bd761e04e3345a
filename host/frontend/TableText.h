#pragma once

#include "host/frontend/AnalyzeOptions.h"
#include "host/frontend/LoopTable.h"

#include <string>

namespace Vantrel {

/// The results as delimited text (UTF-8, LF line ends, "." as the decimal point), in sections
/// separated by a blank line:
///   1. a header row "loop, record, time (s)", one "name (unit)" per column and "excluded", then one
///      row per loop (loop and record numbers from 1; "yes" under "excluded" for a loop left out);
///   2. the summary: "loops found" and "loops included" with their numbers; a header row
///      "statistic" with each column's heading under its column, and rows "mean", "SD" and "n"
///      with each column's statistic over the included loops under it;
///   3. when there are relation fits: a header row "relation, parameter, value" and one row per
///      fitted parameter.
/// Values have 6 significant digits, times table.timeDecimals decimals at most; a missing value
/// (NaN) is an empty cell. CSV cells holding a comma or a double quote are quoted.
std::string formatLoopTable(const LoopTable& table, TableFormat format);
/// Section 1 alone, and sections 2 and 3 alone: the loop table and the summary in files of their own.
std::string formatLoopRows(const LoopTable& table, TableFormat format);
std::string formatSummary(const LoopTable& table, TableFormat format);

} // namespace Vantrel

#pragma once

#include "host/recording/ImportOptions.h"

namespace Vantrel {

/// How a record is written as delimited text: UTF-8, LF line ends, a header row of
/// "Title (unit)" cells, one row per tick.
struct ExportOptions {
    /// Detect writes commas.
    Delimiter delimiter = Delimiter::Comma;
    /// Writes a first column "Time (s)" with each tick's time from the record start.
    bool timeColumn = true;
    /// Digits after the decimal point of every sample, 0 to 9; -1 writes the shortest text that
    /// reads back as the same float.
    int decimals = -1;
};

} // namespace Vantrel

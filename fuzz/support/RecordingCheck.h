#pragma once
// The round trip of a recording through the delimited-text export and import.

#include "host/recording/ExportOptions.h"
#include "host/recording/Recording.h"

namespace Fuzz {

/// How far a tick period may move on a round trip, relative to it: the import derives it from the
/// first and last time, which costs a few units in the last place of a double (a whole number of
/// samples per second comes back exactly).
inline constexpr double kPeriodTolerance = 1e-14;

/// Exports record 0 of the recording, imports the text (with the record's sample rate when it has
/// a single tick, whose one time gives none) and checks that the same recording comes back:
/// channels, ticks and samples exactly (with decimals -1; else within the rounding), the tick period
/// within kPeriodTolerance. Lets the export's std::invalid_argument through.
void checkExportReadsBack(const Vantrel::Recording& recording, const Vantrel::ExportOptions& options);

} // namespace Fuzz

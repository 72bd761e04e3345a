#pragma once
// The round trip of a recording through the delimited-text export and import.

#include "host/recording/ExportOptions.h"
#include "host/recording/Recording.h"

namespace Fuzz {

/// How far a tick period may move on a round trip, relative to it: the import derives it from the
/// first and last time, which costs a few units in the last place of a double (a whole number of
/// samples per second comes back exactly).
inline constexpr double kPeriodTolerance = 1e-14;
/// The import takes a rate within this of a whole number of samples per second for that number, as
/// printed times only approximate it; a non-integer rate above 500 kHz can be that close to one.
inline constexpr double kSnapTolerance = 1e-6;

/// Exports every record of the recording (exportDelimitedRecording), imports the text (with the
/// first record's sample rate when there is no time column or no record of two ticks, whose times
/// would give it; not at all when that rate is not a normal double) and checks that the same recording
/// comes back: channels, records, ticks, start times and samples exactly (with decimals -1; else
/// within the rounding), each tick period within kPeriodTolerance and what rounding its times to
/// doubles costs (or kSnapTolerance, when it comes back as a whole rate). A record of one tick
/// among others takes their typical rate, so its own is checked only when they share it. Lets the
/// export's std::invalid_argument through.
void checkExportReadsBack(const Vantrel::Recording& recording, const Vantrel::ExportOptions& options);

} // namespace Fuzz

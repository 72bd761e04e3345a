#pragma once

#include "host/frontend/AnalyzeOptions.h"
#include "host/frontend/ChannelChoice.h"
#include "host/frontend/LoopTable.h"
#include "host/frontend/SettingsFile.h"
#include "host/recording/Recording.h"
#include "platform/vantrel/HostDocObject.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Vantrel {

/// The name and unit of a loop parameter (id 1 to 29) for the given pressure and volume channels.
using LoopParameterNamer =
    std::function<NamedColumn(int id, const ChannelInfo& pressure, const ChannelInfo& volume)>;

/// What an analysis uses besides the recording.
struct AnalysisRequest {
    /// The channels; none: those of the settings the analysis starts from.
    std::optional<AnalysisChannels> channels;
    /// Settings kept from an earlier analysis; none: the module's defaults.
    std::optional<SettingsStreams> settings;
    /// A recorded macro, replayed before the analysis; empty: none.
    std::u16string macro;
    /// The pressure detector's peak height (pressure channel units) and its shortest period between
    /// peaks (seconds), entered in the Settings dialog; none: as the settings have them.
    std::optional<double> peakHeight;
    std::optional<double> minPeriod;
    /// The stretch selected in the host and analysed as the selection (end tick excluded); none: the
    /// whole channel.
    std::optional<std::pair<HostTickPosition, HostTickPosition>> selection;
    /// Loops to leave out (numbers from 1 in the table's order), unchecked in the module's loop view
    /// as a user does and marked in the table; numbers beyond the loops found are passed over.
    std::vector<LoopRange> excluded;
};

/// What an analysis gave: the table, the channels it read, and the settings it ran with (none when
/// they could not all be saved).
struct AnalysisOutcome {
    LoopTable table;
    AnalysisChannels channels;
    /// The stretch the module analysed (end tick excluded); none: the whole recording.
    std::optional<std::pair<HostTickPosition, HostTickPosition>> region;
    std::optional<SettingsStreams> settings;
};

/// Settings the module refused to read (the file was well formed, its streams were not).
class SettingsRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A macro that cannot be replayed (the message names its line).
class MacroRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Finds the loops of a recording and their values. Throws std::runtime_error (or a subclass) with
/// a one-line reason when the recording cannot be analysed; no partial table is returned then.
class LoopAnalyzer {
public:
    virtual ~LoopAnalyzer() = default;
    virtual AnalysisOutcome analyze(Recording& recording, const AnalysisRequest& request) = 0;
};

} // namespace Vantrel

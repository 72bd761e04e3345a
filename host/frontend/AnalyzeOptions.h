#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace Vantrel {

/// How the loop table is written: tab- or comma-separated text.
enum class TableFormat { Tsv, Csv };

/// A moment of the recording as the command line names it: seconds on the recording's own clock,
/// in a record (from 1) when one is named ("2:13.5").
struct RecordingTime {
    std::optional<std::int32_t> record;
    double seconds = 0.0;

    bool operator==(const RecordingTime&) const = default;
};

/// Loops as the table numbers them, from 1: first to last, both included.
struct LoopRange {
    std::int64_t first = 0;
    std::int64_t last = 0;

    bool operator==(const LoopRange&) const = default;
};

/// What `vantrel analyze` was asked to do.
struct AnalyzeOptions {
    /// The recording to analyse; none: the default bundled sample.
    std::optional<std::filesystem::path> recording;
    /// Channels as named on the command line: a channel's title or its 1-based number. No pressure
    /// or volume: chosen by title and unit. No ECG: end-diastole from the pressure signal.
    std::optional<std::string> pressure;
    std::optional<std::string> volume;
    std::optional<std::string> ecg;
    TableFormat format = TableFormat::Tsv;
    /// Where the results go; none: standard output.
    std::optional<std::filesystem::path> output;
    /// Samples per second of a recording without a time column; 0: none given.
    double sampleRate = 0.0;
    /// Settings kept by an earlier --save-settings, to start the analysis from.
    std::optional<std::filesystem::path> settings;
    /// Where the settings the analysis ran with are kept (written only once the results are).
    std::optional<std::filesystem::path> saveSettings;
    /// A recorded macro of the module's automation commands, replayed before the analysis.
    std::optional<std::filesystem::path> macro;
    /// The rise that opens a beat, in the pressure channel's unit, and the shortest time between two
    /// beats' systolic peaks, in seconds; none: as the settings have them.
    std::optional<double> peakHeight;
    std::optional<double> minPeriod;
    /// The analysed stretch; none on both: the whole recording.
    std::optional<RecordingTime> from;
    std::optional<RecordingTime> to;
    /// Loops left out of the summary and the relations.
    std::vector<LoopRange> exclude;
    /// Where the summary and the relations go, apart from the loop table; none: after the table.
    std::optional<std::filesystem::path> summary;
};

} // namespace Vantrel

#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace Vantrel {

/// How the loop table is written: tab- or comma-separated text.
enum class TableFormat { Tsv, Csv };

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
};

} // namespace Vantrel

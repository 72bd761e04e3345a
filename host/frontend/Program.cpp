#include "host/frontend/Program.h"

#include "host/files/FileCalls.h"
#include "host/files/OutputFile.h"
#include "host/files/RegularFile.h"
#include "host/framework/Text.h"
#include "host/frontend/AnalysisFormulas.h"
#include "host/frontend/AnalysisLimits.h"
#include "host/frontend/CommandLine.h"
#include "host/frontend/PressureBeats.h"
#include "host/frontend/TableText.h"
#include "host/recording/DelimitedImport.h"
#include "host/recording/TextCells.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <exception>
#include <limits>
#include <optional>

namespace Vantrel {

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;
constexpr int kNoLoops = 3;
constexpr int kFewLoops = 4;

// A failure with the recording or the output: what is wrong, already worded for the user, and the
// exit status it gives.
struct Failure {
    std::string message;
    int status = kFailure;
};

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

// The whole regular file at path; any other file, or one that cannot be read, is a failure.
std::string textOfFile(const std::filesystem::path& path) {
    try {
        return readRegularFile(path);
    } catch (const FileError& error) {
        throw Failure{error.what()};
    }
}

Recording load(const std::filesystem::path& path, const AnalyzeOptions& options) {
    ImportOptions import;
    import.sampleRate = options.sampleRate;
    std::optional<ImportResult> result;
    try {
        RegularFileStream file(path);
        result = importDelimitedStream(file, import);
    } catch (const FileError& error) {
        throw Failure{error.what()};
    }
    if (!*result)
        throw Failure{path.string() + ": " + result->error().text()};
    return std::move(result->recording());
}

// Refuses an output that is the recording itself, by whatever name (a link, another path): the
// results would replace it. A file that cannot be looked at is a failure here already.
void checkOutputIsNotTheRecording(const std::filesystem::path& recording,
                                  const std::filesystem::path& output) {
    FileCalls& calls = FileCalls::current();
    struct stat read {
    }, written{};
    if (calls.stat(recording.c_str(), &read) != 0)
        throw Failure{"cannot read " + recording.string() + ": " + std::strerror(errno)};
    if (calls.stat(output.c_str(), &written) != 0) {
        if (errno == ENOENT)
            return;
        throw Failure{"cannot write " + output.string() + ": " + std::strerror(errno)};
    }
    if (read.st_dev == written.st_dev && read.st_ino == written.st_ino)
        throw Failure{"the output " + output.string() + " is the recording " + recording.string() +
                          "; the results would replace it",
                      kUsage};
}

std::string channelText(const Recording& recording, std::size_t index) {
    return "channel " + std::to_string(index + 1) + " " +
           quotedForMessage(formatChannelHeader(recording.channels()[index]));
}

// What the pressure's own rhythm says of the beats: their rises and a --peak-height to try.
std::string beatsText(const Recording& recording, std::size_t pressure, const PressureBeats& beats) {
    const std::string unit = recording.channels()[pressure].unit;
    const auto amount = [&](double v) {
        char text[32];
        const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::general, 3).ptr;
        return std::string(text, end) + (unit.empty() ? "" : " " + unit);
    };
    return "the pressure (" + channelText(recording, pressure) + ") rises " + amount(beats.smallestRise) +
           " to " + amount(beats.largestRise) + " in its beats (typically " + amount(beats.typicalRise) +
           "); try --peak-height " + roundedNumberText(beats.suggestedPeakHeight());
}

// Why a recording gave no loops, for the one line that says so.
std::string noLoopsText(const std::filesystem::path& path, const Recording& recording,
                        const AnalysisOutcome& outcome, const PressureBeats& beats) {
    const AnalysisChannels& channels = outcome.channels;
    const std::string pressure = channelText(recording, channels.pressure);
    if (channels.ecg)
        return path.string() + ": no loops found; check that " + channelText(recording, *channels.ecg) +
               " is an ECG with one R wave a beat (--ecg) and that " + pressure +
               " is the left-ventricular pressure (--pressure)";
    if (beats.count == 0)
        return path.string() + ": no loops found; " + pressure +
               " shows no beats: check that it is the left-ventricular pressure (--pressure)";
    return path.string() + ": no loops found in " + std::to_string(beats.count) +
           " beats: " + beatsText(recording, channels.pressure, beats);
}

// Loops missing when the module finds fewer than the pressure's beats, less one at either end of each
// analysed record (a loop runs from a beat to the next) and a twentieth for irregular beats.
bool fewLoops(std::size_t loops, const PressureBeats& beats, std::int32_t records) {
    return static_cast<double>(loops + 2 * static_cast<std::size_t>(records)) <
           0.95 * static_cast<double>(beats.count);
}

void warnOfUnits(const std::filesystem::path& path, const Recording& recording,
                 const AnalysisChannels& channels, std::ostream& err) {
    for (const std::string& warning : channelUnitWarnings(recording, channels))
        err << "vantrel: warning: " << path.string() << ": " << oneLine(warning) << '\n';
}

std::string timeText(const RecordingTime& time) {
    return (time.record ? std::to_string(*time.record) + ":" : std::string()) +
           roundedNumberText(time.seconds) + " s";
}

// The tick of a time of the recording: in the record named, else in the record whose time span holds
// it (the first one starting after it when it falls between two). Ticks are rounded up, so that the
// stretch starts at or after from and ends at or before to.
HostTickPosition positionOf(const std::filesystem::path& path, const Recording& recording,
                            const RecordingTime& time, bool end) {
    const auto tickIn = [&](std::int32_t r) {
        const Record& record = recording.record(r);
        const double ticks = std::ceil((time.seconds - record.startTime()) * record.sampleRate() - 1e-6);
        return HostTickPosition{
            r, static_cast<LONG>(std::clamp(ticks, 0.0, static_cast<double>(record.tickCount())))};
    };
    if (time.record) {
        const std::int32_t r = *time.record - 1;
        if (r >= recording.recordCount())
            throw Failure{path.string() + ": " + (end ? "--to " : "--from ") + timeText(time) +
                          ": the recording has " + std::to_string(recording.recordCount()) + " record(s)"};
        return tickIn(r);
    }
    for (std::int32_t r = 0; r < recording.recordCount(); ++r) {
        const Record& record = recording.record(r);
        if (time.seconds < record.startTime() + record.tickCount() * record.tickPeriod())
            return tickIn(r);
    }
    const std::int32_t last = recording.recordCount() - 1;
    return {last, static_cast<LONG>(recording.record(last).tickCount())};
}

// The selection of --from and --to; an empty one is refused.
std::pair<HostTickPosition, HostTickPosition> selectionOf(const std::filesystem::path& path,
                                                          const Recording& recording,
                                                          const std::optional<RecordingTime>& from,
                                                          const std::optional<RecordingTime>& to) {
    const std::int32_t last = recording.recordCount() - 1;
    const HostTickPosition start = from ? positionOf(path, recording, *from, false) : HostTickPosition{0, 0};
    const HostTickPosition end =
        to ? positionOf(path, recording, *to, true)
           : HostTickPosition{last, static_cast<LONG>(recording.record(last).tickCount())};
    if (std::make_pair(end.record, end.tick) <= std::make_pair(start.record, start.tick))
        throw Failure{path.string() + ": no samples lie between " + (from ? timeText(*from) : "the start") +
                      " and " + (to ? timeText(*to) : "the end")};
    return {start, end};
}

// What the command line asks the analysis to use: the kept settings, the macro, and the channels
// named (or, without settings, chosen by name and unit); their units' warnings go to err.
AnalysisRequest requestOf(const AnalyzeOptions& options, const std::filesystem::path& path,
                          const Recording& recording, std::ostream& err) {
    AnalysisRequest request;
    if (options.settings) {
        try {
            request.settings = readSettingsFile(*options.settings);
        } catch (const SettingsFileError& error) {
            throw Failure{error.what()};
        }
    }
    if (options.macro)
        request.macro = Utf8ToUtf16(textOfFile(*options.macro));
    request.peakHeight = options.peakHeight;
    request.excluded = options.exclude;
    request.minPeriod = options.minPeriod;
    if (options.from || options.to)
        request.selection = selectionOf(path, recording, options.from, options.to);
    if (options.pressure || options.volume || options.ecg || !options.settings) {
        try {
            request.channels = chooseChannels(recording, {options.pressure, options.volume, options.ecg});
        } catch (const ChannelError& error) {
            throw Failure{path.string() + ": " + error.what()};
        }
        warnOfUnits(path, recording, *request.channels, err);
    }
    return request;
}

AnalysisOutcome analyzeRecording(const AnalyzeOptions& options, const std::filesystem::path& path,
                                 Recording& recording, std::ostream& err,
                                 const AnalyzerFactory& makeAnalyzer) {
    const AnalysisRequest request = requestOf(options, path, recording, err);
    try {
        // Channels the settings choose are known only once the analysis has read them.
        if (request.channels)
            checkAnalysisLimits(recording, *request.channels);
        AnalysisOutcome outcome = makeAnalyzer()->analyze(recording, request);
        if (!request.channels) {
            checkAnalysisLimits(recording, outcome.channels);
            warnOfUnits(path, recording, outcome.channels, err);
        }
        return outcome;
    } catch (const SettingsRefused& error) {
        throw Failure{options.settings->string() + ": " + error.what()};
    } catch (const MacroRefused& error) {
        throw Failure{options.macro->string() + ": " + error.what()};
    } catch (const AnalysisLimitError& error) {
        throw Failure{path.string() + ": " + error.what()};
    } catch (const std::exception& error) {
        throw Failure{path.string() + ": cannot analyse the recording: " + error.what()};
    }
}

void writeResults(const std::optional<std::filesystem::path>& file, const std::string& text,
                  std::ostream& out) {
    if (!file) {
        out << text;
        return;
    }
    try {
        writeOutputFile(*file, text);
    } catch (const FileError& error) {
        throw Failure{error.what()};
    }
}

// Refuses a loop of --exclude beyond the table (the analysis marked the others).
void checkExcludedLoops(const std::vector<LoopRange>& ranges, const LoopTable& table) {
    for (const LoopRange& range : ranges)
        if (range.last > static_cast<std::int64_t>(table.rows.size()))
            throw Failure{"--exclude " + std::to_string(range.last) + ": the analysis found " +
                          std::to_string(table.rows.size()) + " loops"};
}

int analyze(const AnalyzeOptions& options, std::ostream& out, std::ostream& err,
            const AnalyzerFactory& makeAnalyzer) {
    const std::filesystem::path path = options.recording.value_or(defaultSamplePath());
    if (options.output)
        checkOutputIsNotTheRecording(path, *options.output);
    if (options.summary)
        checkOutputIsNotTheRecording(path, *options.summary);
    if (options.saveSettings)
        checkOutputIsNotTheRecording(path, *options.saveSettings);
    Recording recording = load(path, options);
    AnalysisOutcome outcome = analyzeRecording(options, path, recording, err, makeAnalyzer);
    const PressureBeats beats = outcome.channels.ecg
                                    ? PressureBeats{}
                                    : findPressureBeats(recording, outcome.channels.pressure, outcome.region);
    if (outcome.table.rows.empty()) {
        err << "vantrel: " << oneLine(noLoopsText(path, recording, outcome, beats)) << '\n';
        return kNoLoops;
    }
    checkExcludedLoops(options.exclude, outcome.table);
    if (options.saveSettings && !outcome.settings)
        throw Failure{options.saveSettings->string() + ": the module's document did not save its settings"};
    if (options.summary) {
        writeResults(options.output, formatLoopRows(outcome.table, options.format), out);
        writeResults(options.summary, formatSummary(outcome.table, options.format), out);
    } else {
        writeResults(options.output, formatLoopTable(outcome.table, options.format), out);
    }
    if (options.saveSettings) {
        try {
            writeOutputFile(*options.saveSettings, settingsFileText(*outcome.settings));
        } catch (const FileError& error) {
            throw Failure{error.what()};
        }
    }
    const std::int32_t records = outcome.region
                                     ? outcome.region->second.record - outcome.region->first.record + 1
                                     : recording.recordCount();
    if (!outcome.channels.ecg && fewLoops(outcome.table.rows.size(), beats, records)) {
        err << "vantrel: " << path.string() << ": only " << outcome.table.rows.size() << " loops found for "
            << beats.count << " beats: " << oneLine(beatsText(recording, outcome.channels.pressure, beats))
            << '\n';
        return kFewLoops;
    }
    return 0;
}

int run(const Command& command, std::ostream& out, std::ostream& err, const AnalyzerFactory& makeAnalyzer) {
    switch (command.kind) {
    case Command::Kind::Help:
        out << programHelp();
        break;
    case Command::Kind::AnalyzeHelp:
        out << analyzeHelp();
        break;
    case Command::Kind::Version:
        out << "vantrel " << TARVIK_VERSION << '\n';
        break;
    case Command::Kind::Analyze:
        return analyze(command.analyze, out, err, makeAnalyzer);
    }
    return 0;
}

} // namespace

std::filesystem::path defaultSamplePath() {
    return std::filesystem::path(TARVIK_SAMPLE_DIR) / "mouse-occlusion.csv";
}

int runProgram(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
               const AnalyzerFactory& makeAnalyzer) {
    Command command;
    try {
        command = parseCommandLine(arguments);
    } catch (const UsageError& error) {
        err << "vantrel: " << error.what() << '\n';
        return kUsage;
    }
    int status = kFailure;
    try {
        status = run(command, out, err, makeAnalyzer);
    } catch (const Failure& failure) {
        err << "vantrel: " << oneLine(failure.message) << '\n';
        return failure.status;
    } catch (const std::exception& error) {
        err << "vantrel: " << oneLine(error.what()) << '\n';
        return kFailure;
    }
    // What standard output did not take is lost: a full device or a closed stream is a failure.
    errno = 0;
    if (!out.flush()) {
        const int error = errno;
        err << "vantrel: cannot write to standard output"
            << (error ? std::string(": ") + std::strerror(error) : "") << '\n';
        return kFailure;
    }
    return status;
}

} // namespace Vantrel

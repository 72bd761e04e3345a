#include "host/frontend/Program.h"

#include "host/files/FileCalls.h"
#include "host/files/OutputFile.h"
#include "host/files/RegularFile.h"
#include "host/frontend/AnalysisFormulas.h"
#include "host/frontend/AnalysisLimits.h"
#include "host/frontend/CommandLine.h"
#include "host/frontend/TableText.h"
#include "host/recording/DelimitedImport.h"
#include "host/recording/TextCells.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <optional>

namespace Vantrel {

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;
constexpr int kNoLoops = 3;

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

Recording load(const std::filesystem::path& path, const AnalyzeOptions& options) {
    std::string text;
    try {
        text = readRegularFile(path);
    } catch (const FileError& error) {
        throw Failure{error.what()};
    }
    ImportOptions import;
    import.sampleRate = options.sampleRate;
    ImportResult result = importDelimitedText(text, import);
    if (!result)
        throw Failure{path.string() + ": " + result.error().text()};
    return std::move(result.recording());
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

// Why a recording may give no loops, for the one line that says it gave none.
std::string noLoopsText(const std::filesystem::path& path, const Recording& recording,
                        const AnalysisChannels& channels) {
    const auto channel = [&](std::size_t index) {
        return "channel " + std::to_string(index + 1) + " " +
               quotedForMessage(formatChannelHeader(recording.channels()[index]));
    };
    const std::string pressure = channel(channels.pressure);
    if (channels.ecg)
        return path.string() + ": no loops found; check that " + channel(*channels.ecg) +
               " is an ECG with one R wave a beat (--ecg) and that " + pressure +
               " is the left-ventricular pressure (--pressure)";
    return path.string() + ": no loops found; check that " + pressure +
           " is the left-ventricular pressure (--pressure) and that its unit is mmHg: a beat's upstroke must "
           "rise at least " +
           roundedNumberText(kEdpPeakHeight) + " mmHg (the detection height) to open a loop";
}

// The loop table as text, or nothing when no loops were found (the reason is on err then).
std::optional<std::string> analyzeText(const std::filesystem::path& path, const AnalyzeOptions& options,
                                       std::ostream& err, const AnalyzerFactory& makeAnalyzer) {
    Recording recording = load(path, options);
    AnalysisChannels channels;
    try {
        channels = chooseChannels(recording, {options.pressure, options.volume, options.ecg});
        checkAnalysisLimits(recording, channels);
    } catch (const std::runtime_error& error) { // ChannelError, AnalysisLimitError
        throw Failure{path.string() + ": " + error.what()};
    }
    for (const std::string& warning : channelUnitWarnings(recording, channels))
        err << "vantrel: warning: " << path.string() << ": " << oneLine(warning) << '\n';
    LoopTable table;
    try {
        table = makeAnalyzer()->analyze(recording, channels);
    } catch (const std::exception& error) {
        throw Failure{path.string() + ": cannot analyse the recording: " + error.what()};
    }
    if (table.rows.empty()) {
        err << "vantrel: " << oneLine(noLoopsText(path, recording, channels)) << '\n';
        return std::nullopt;
    }
    return formatLoopTable(table, options.format);
}

int analyze(const AnalyzeOptions& options, std::ostream& out, std::ostream& err,
            const AnalyzerFactory& makeAnalyzer) {
    const std::filesystem::path path = options.recording.value_or(defaultSamplePath());
    if (options.output)
        checkOutputIsNotTheRecording(path, *options.output);
    const std::optional<std::string> text = analyzeText(path, options, err, makeAnalyzer);
    if (!text)
        return kNoLoops;
    if (options.output) {
        try {
            writeOutputFile(*options.output, *text);
        } catch (const FileError& error) {
            throw Failure{error.what()};
        }
    } else {
        out << *text;
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

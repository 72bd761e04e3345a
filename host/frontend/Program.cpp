#include "host/frontend/Program.h"

#include "host/files/FileCalls.h"
#include "host/files/OutputFile.h"
#include "host/files/RegularFile.h"
#include "host/framework/Text.h"
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
#include <fstream>
#include <iterator>
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

std::string textOfFile(const std::filesystem::path& path, const char* what) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Failure{path.string() + ": cannot read the " + what};
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void warnOfUnits(const std::filesystem::path& path, const Recording& recording,
                 const AnalysisChannels& channels, std::ostream& err) {
    for (const std::string& warning : channelUnitWarnings(recording, channels))
        err << "vantrel: warning: " << path.string() << ": " << oneLine(warning) << '\n';
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
        request.macro = Utf8ToUtf16(textOfFile(*options.macro, "macro"));
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

int analyze(const AnalyzeOptions& options, std::ostream& out, std::ostream& err,
            const AnalyzerFactory& makeAnalyzer) {
    const std::filesystem::path path = options.recording.value_or(defaultSamplePath());
    if (options.output)
        checkOutputIsNotTheRecording(path, *options.output);
    if (options.saveSettings)
        checkOutputIsNotTheRecording(path, *options.saveSettings);
    Recording recording = load(path, options);
    const AnalysisOutcome outcome = analyzeRecording(options, path, recording, err, makeAnalyzer);
    if (outcome.table.rows.empty()) {
        err << "vantrel: " << oneLine(noLoopsText(path, recording, outcome.channels)) << '\n';
        return kNoLoops;
    }
    if (options.saveSettings && !outcome.settings)
        throw Failure{options.saveSettings->string() + ": the module's document did not save its settings"};
    writeResults(options.output, formatLoopTable(outcome.table, options.format), out);
    if (options.saveSettings) {
        try {
            writeOutputFile(*options.saveSettings, settingsFileText(*outcome.settings));
        } catch (const FileError& error) {
            throw Failure{error.what()};
        }
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

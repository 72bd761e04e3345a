#include "host/frontend/Program.h"

#include "host/framework/Text.h"
#include "host/frontend/AnalysisFormulas.h"
#include "host/frontend/CommandLine.h"
#include "host/frontend/OutputFile.h"
#include "host/frontend/TableText.h"
#include "host/recording/DelimitedImport.h"
#include "host/recording/TextCells.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <iterator>
#include <optional>

namespace Vantrel {

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;
constexpr int kNoLoops = 3;

// A failure with the recording or the output: what is wrong, already worded for the user.
struct Failure {
    std::string message;
};

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

Recording load(const std::filesystem::path& path, const AnalyzeOptions& options) {
    ImportOptions import;
    import.sampleRate = options.sampleRate;
    ImportResult result = importDelimitedFile(path, import);
    if (!result)
        throw Failure{path.string() + ": " + result.error().text()};
    return std::move(result.recording());
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
        AnalysisOutcome outcome = makeAnalyzer()->analyze(recording, request);
        if (!request.channels)
            warnOfUnits(path, recording, outcome.channels, err);
        return outcome;
    } catch (const SettingsRefused& error) {
        throw Failure{options.settings->string() + ": " + error.what()};
    } catch (const MacroRefused& error) {
        throw Failure{options.macro->string() + ": " + error.what()};
    } catch (const std::exception& error) {
        throw Failure{path.string() + ": cannot analyse the recording: " + error.what()};
    }
}

void writeResults(const std::optional<std::filesystem::path>& file, const std::string& text,
                  std::ostream& out) {
    if (!file) {
        out << text << std::flush;
        return;
    }
    try {
        writeFileAtomically(*file, text);
    } catch (const std::exception& error) {
        throw Failure{error.what()};
    }
}

int analyze(const AnalyzeOptions& options, std::ostream& out, std::ostream& err,
            const AnalyzerFactory& makeAnalyzer) {
    const std::filesystem::path path = options.recording.value_or(defaultSamplePath());
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
            writeFileAtomically(*options.saveSettings, settingsFileText(*outcome.settings));
        } catch (const std::exception& error) {
            throw Failure{error.what()};
        }
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
    try {
        switch (command.kind) {
        case Command::Kind::Help:
            out << programHelp();
            return 0;
        case Command::Kind::AnalyzeHelp:
            out << analyzeHelp();
            return 0;
        case Command::Kind::Version:
            out << "vantrel " << TARVIK_VERSION << '\n';
            return 0;
        case Command::Kind::Analyze:
            return analyze(command.analyze, out, err, makeAnalyzer);
        }
    } catch (const Failure& failure) {
        err << "vantrel: " << oneLine(failure.message) << '\n';
    } catch (const std::exception& error) {
        err << "vantrel: " << oneLine(error.what()) << '\n';
    }
    return kFailure;
}

} // namespace Vantrel

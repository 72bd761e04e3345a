#include "host/frontend/Program.h"

#include "host/frontend/CommandLine.h"
#include "host/frontend/OutputFile.h"
#include "host/frontend/TableText.h"
#include "host/recording/DelimitedImport.h"

#include <algorithm>
#include <exception>

namespace Vantrel {

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;

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

std::string analyzeText(const AnalyzeOptions& options, const AnalyzerFactory& makeAnalyzer) {
    const std::filesystem::path path = options.recording.value_or(defaultSamplePath());
    Recording recording = load(path, options);
    AnalysisChannels channels;
    try {
        channels = chooseChannels(recording, {options.pressure, options.volume, options.ecg});
    } catch (const ChannelError& error) {
        throw Failure{path.string() + ": " + error.what()};
    }
    LoopTable table;
    try {
        table = makeAnalyzer()->analyze(recording, channels);
    } catch (const std::exception& error) {
        throw Failure{path.string() + ": cannot analyse the recording: " + error.what()};
    }
    return formatLoopTable(table, options.format);
}

int analyze(const AnalyzeOptions& options, std::ostream& out, const AnalyzerFactory& makeAnalyzer) {
    const std::string text = analyzeText(options, makeAnalyzer);
    if (options.output) {
        try {
            writeFileAtomically(*options.output, text);
        } catch (const std::exception& error) {
            throw Failure{error.what()};
        }
    } else {
        out << text << std::flush;
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
            return analyze(command.analyze, out, makeAnalyzer);
        }
    } catch (const Failure& failure) {
        err << "vantrel: " << oneLine(failure.message) << '\n';
    } catch (const std::exception& error) {
        err << "vantrel: " << oneLine(error.what()) << '\n';
    }
    return kFailure;
}

} // namespace Vantrel

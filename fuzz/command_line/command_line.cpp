// The command line: every argument list either gives a command or is refused with one line, and
// the options of an analyze command, written back as arguments, read back as the same command.

#include "fuzz/support/FuzzCheck.h"
#include "host/frontend/CommandLine.h"
#include "host/recording/TextCells.h"

#include <string>
#include <vector>

namespace {

using namespace Vantrel;

void add(std::vector<std::string>& arguments, bool inlineValue, const std::string& option,
         const std::string& value) {
    if (inlineValue) {
        arguments.push_back(option + "=" + value);
    } else {
        arguments.push_back(option);
        arguments.push_back(value);
    }
}

// The analyze options as arguments: each option in one of its spellings, the recording last.
std::vector<std::string> written(const AnalyzeOptions& options, bool inlineValues) {
    std::vector<std::string> arguments{"analyze"};
    if (options.pressure)
        add(arguments, inlineValues, "--pressure", *options.pressure);
    if (options.volume)
        add(arguments, inlineValues, "--volume", *options.volume);
    if (options.ecg)
        add(arguments, inlineValues, "--ecg", *options.ecg);
    if (options.sampleRate != 0.0)
        add(arguments, inlineValues, "--rate", numberText(options.sampleRate));
    if (options.format == TableFormat::Csv)
        add(arguments, inlineValues, "--format", "csv");
    if (options.output)
        add(arguments, inlineValues, "--output", options.output->string());
    if (options.recording) {
        arguments.push_back("--");
        arguments.push_back(options.recording->string());
    }
    return arguments;
}

bool same(const AnalyzeOptions& a, const AnalyzeOptions& b) {
    return a.recording == b.recording && a.pressure == b.pressure && a.volume == b.volume && a.ecg == b.ecg &&
           a.format == b.format && a.output == b.output && a.sampleRate == b.sampleRate;
}

Command parse(const std::vector<std::string>& arguments) {
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    return parseCommandLine(views);
}

} // namespace

// The input is the arguments, each ended by a NUL byte.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::size_t at = 0; at < text.size() && arguments.size() < 32;) {
        const std::size_t end = std::min(text.find('\0', at), text.size());
        arguments.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    Command command;
    try {
        command = parse(arguments);
    } catch (const UsageError& error) {
        const std::string message = error.what();
        FUZZ_CHECK(!message.empty() && message.find('\n') == std::string::npos, message);
        return 0;
    }
    if (command.kind != Command::Kind::Analyze)
        return 0;
    const AnalyzeOptions& options = command.analyze;
    FUZZ_CHECK(options.sampleRate == 0.0 || std::isfinite(options.sampleRate), "a finite rate");
    for (const bool inlineValues : {false, true}) {
        Command again;
        try {
            again = parse(written(options, inlineValues));
        } catch (const UsageError& error) {
            FUZZ_CHECK(false, std::string("the options written back are refused: ") + error.what());
        }
        FUZZ_CHECK(again.kind == Command::Kind::Analyze && same(again.analyze, options),
                   "the options written back read back the same");
    }
    return 0;
}

#include "host/frontend/CommandLine.h"

#include "host/recording/TextCells.h"

#include <cmath>
#include <optional>
#include <utility>

namespace Vantrel {

namespace {

constexpr std::string_view kProgramHelp =
    "usage: vantrel analyze [RECORDING] [options]\n"
    "       vantrel --help | --version\n"
    "\n"
    "Commands:\n"
    "  analyze   find every heart cycle of a pressure-volume recording and print its loops\n"
    "\n"
    "Run 'vantrel analyze --help' for the analyze command's options.\n"
    "\n"
    "Exit status: 0 on success, 1 on failure, 2 for a bad command line, 3 when a recording gives\n"
    "no loops.\n";

constexpr std::string_view kAnalyzeHelp =
    "usage: vantrel analyze [RECORDING] [--pressure CH] [--volume CH] [--ecg CH] [--rate HZ]\n"
    "                       [--format tsv|csv] [-o FILE] [--settings FILE] [--save-settings FILE]\n"
    "                       [--run MACRO]\n"
    "\n"
    "Analyses RECORDING, a delimited text (comma, tab or semicolon) with a header row of channel\n"
    "names and units such as \"Pressure (mmHg)\" or \"Volume [uL]\" and an optional time column;\n"
    "lines starting with \"#\" may come before it. Numbers have a decimal point or comma; an empty\n"
    "cell or NaN is a missing sample. A blank line, or a time column that restarts or jumps, starts\n"
    "a new record. Without RECORDING it analyses the bundled sample recording.\n"
    "\n"
    "The recording is opened as a document of the host with the module's document in it; the\n"
    "module's Settings dialog is answered with the channels and the whole channel, and its\n"
    "Analyze command runs. Prints one row per loop: its number, the record and the time (s, on the\n"
    "recording's clock) of the end-diastolic point that opens it, then the loop parameters with\n"
    "their units; then the number of loops and the mean of each parameter, and the end-systolic\n"
    "and end-diastolic pressure-volume relations the module fitted, each with the loops it rests\n"
    "on, their volume span and the fit's r2 over them (a relation over loops whose volumes span\n"
    "less than 10 % of their mean is not defined). A channel unit that does not fit its role gives\n"
    "a warning on standard error.\n"
    "\n"
    "Options:\n"
    "  --pressure CH     the pressure channel (default: chosen by name and unit)\n"
    "  --volume CH       the volume channel (default: chosen by name and unit)\n"
    "  --ecg CH          take end-diastole from this ECG channel's R waves instead of from the\n"
    "                    pressure signal\n"
    "  --rate HZ         samples per second of a recording without a time column\n"
    "  --format tsv|csv  tab-separated (default) or comma-separated output, in any case\n"
    "  -o, --output FILE write the results to FILE instead of standard output\n"
    "  --settings FILE   start from the settings kept in FILE (channels not named are theirs)\n"
    "  --save-settings FILE\n"
    "                    keep the settings the analysis ran with in FILE, once the results are\n"
    "                    written\n"
    "  --run MACRO       replay a macro recorded from the module's automation commands first\n"
    "  -h, --help        show this help\n"
    "\n"
    "CH is a channel's name (as in the header row, without its unit) or its number, from 1.\n"
    "Exit status: 0 on success; 1 when the recording cannot be read or analysed or the results\n"
    "cannot be written; 2 for a bad command line; 3 when the recording gives no loops (the\n"
    "pressure channel, its unit or the detection height of 20 mmHg is then likely at fault).\n";

class Parser {
public:
    explicit Parser(std::span<const std::string_view> arguments) : mArguments(arguments) {}

    Command run();

private:
    void analyzeOption(std::string_view option, Command& command);
    std::string value(std::string_view option);
    static void setOnce(std::optional<std::string>& slot, std::string_view option, std::string value);

    std::span<const std::string_view> mArguments;
    std::size_t mNext = 0;
    std::optional<std::string> mInlineValue; // the part after "=" of the current option
    bool mFormatSet = false;
    bool mRateSet = false;
};

Command Parser::run() {
    Command command;
    if (mArguments.empty())
        throw UsageError("no command given; run 'vantrel --help'");
    const std::string_view first = mArguments[mNext++];
    if (first == "--help" || first == "-h")
        command.kind = Command::Kind::Help;
    else if (first == "--version")
        command.kind = Command::Kind::Version;
    else if (first == "analyze")
        command.kind = Command::Kind::Analyze;
    else
        throw UsageError("unknown command " + quotedForMessage(first) + "; run 'vantrel --help'");
    if (command.kind != Command::Kind::Analyze) {
        if (mNext < mArguments.size())
            throw UsageError("unexpected argument " + quotedForMessage(mArguments[mNext]));
        return command;
    }
    bool optionsEnded = false;
    while (mNext < mArguments.size()) {
        const std::string_view argument = mArguments[mNext++];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            analyzeOption(argument, command);
            if (command.kind == Command::Kind::AnalyzeHelp)
                return command;
        } else if (command.analyze.recording) {
            throw UsageError("only one recording can be analysed at a time; " + quotedForMessage(argument) +
                             " is one too many");
        } else {
            command.analyze.recording = std::filesystem::path(argument);
        }
    }
    return command;
}

void Parser::analyzeOption(std::string_view argument, Command& command) {
    std::string_view option = argument;
    mInlineValue.reset();
    if (const auto equals = argument.find('=');
        argument.starts_with("--") && equals != std::string_view::npos) {
        option = argument.substr(0, equals);
        mInlineValue = std::string(argument.substr(equals + 1));
    }
    AnalyzeOptions& options = command.analyze;
    if (option == "--help" || option == "-h") {
        command.kind = Command::Kind::AnalyzeHelp;
    } else if (option == "--pressure") {
        setOnce(options.pressure, option, value(option));
    } else if (option == "--volume") {
        setOnce(options.volume, option, value(option));
    } else if (option == "--ecg") {
        setOnce(options.ecg, option, value(option));
    } else if (option == "--format") {
        const std::string format = value(option);
        if (std::exchange(mFormatSet, true))
            throw UsageError("option --format given twice");
        const bool csv = equalsIgnoringCase(format, "csv");
        if (!csv && !equalsIgnoringCase(format, "tsv"))
            throw UsageError("--format takes tsv or csv, not " + quotedForMessage(format));
        options.format = csv ? TableFormat::Csv : TableFormat::Tsv;
    } else if (option == "-o" || option == "--output") {
        if (options.output)
            throw UsageError("option " + std::string(option) + " given twice");
        options.output = std::filesystem::path(value(option));
    } else if (option == "--settings" || option == "--save-settings" || option == "--run") {
        std::optional<std::filesystem::path>& slot = option == "--settings"        ? options.settings
                                                     : option == "--save-settings" ? options.saveSettings
                                                                                   : options.macro;
        if (slot)
            throw UsageError("option " + std::string(option) + " given twice");
        slot = std::filesystem::path(value(option));
    } else if (option == "--rate") {
        const std::string rate = value(option);
        if (std::exchange(mRateSet, true))
            throw UsageError("option --rate given twice");
        if (!parseNumberCell(rate, options.sampleRate) || !(options.sampleRate > 0.0))
            throw UsageError("--rate takes a positive number of samples per second, not " +
                             quotedForMessage(rate));
    } else {
        throw UsageError("unknown option " + std::string(option) + "; run 'vantrel analyze --help'");
    }
}

std::string Parser::value(std::string_view option) {
    std::string result;
    if (mInlineValue)
        result = *mInlineValue;
    else if (mNext < mArguments.size())
        result = std::string(mArguments[mNext++]);
    else
        throw UsageError("option " + std::string(option) + " needs a value");
    if (result.empty())
        throw UsageError("option " + std::string(option) + " needs a value");
    return result;
}

void Parser::setOnce(std::optional<std::string>& slot, std::string_view option, std::string value) {
    if (slot)
        throw UsageError("option " + std::string(option) + " given twice");
    slot = std::move(value);
}

} // namespace

Command parseCommandLine(std::span<const std::string_view> arguments) {
    return Parser(arguments).run();
}

std::string_view programHelp() {
    return kProgramHelp;
}

std::string_view analyzeHelp() {
    return kAnalyzeHelp;
}

} // namespace Vantrel

#include "host/frontend/CommandLine.h"

#include "host/recording/TextCells.h"

#include <charconv>
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
    "no loops, 4 when it gives fewer loops than its pressure has beats.\n";

constexpr std::string_view kAnalyzeHelp =
    "usage: vantrel analyze [RECORDING] [--pressure CH] [--volume CH] [--ecg CH] [--rate HZ]\n"
    "                       [--format tsv|csv] [-o FILE] [--settings FILE] [--save-settings FILE]\n"
    "                       [--run MACRO] [--peak-height H] [--min-period S] [--from T]\n"
    "                       [--to T] [--exclude LOOPS] [--summary FILE]\n"
    "\n"
    "Analyses RECORDING, a delimited text (comma, tab or semicolon) with a header row of channel\n"
    "names and units such as \"Pressure (mmHg)\" or \"Volume [uL]\" and an optional time column;\n"
    "lines starting with \"#\" may come before it. Numbers have a decimal point or comma; an empty\n"
    "cell or NaN is a missing sample. A blank line, or a time column that restarts or jumps, starts\n"
    "a new record. Without RECORDING it analyses the bundled sample recording.\n"
    "\n"
    "The recording is opened as a document of the host with the module's document in it; the\n"
    "module's Settings dialog is answered with the channels, the whole channel or the stretch of\n"
    "--from/--to, and the detection height, and its Analyze command runs. Prints one row per loop: its "
    "number, the record and the time (s, on the\n"
    "recording's clock) of the end-diastolic point that opens it, then the loop parameters with\n"
    "their units and whether the loop is excluded; then the summary (the loops found and included,\n"
    "each parameter's mean, SD and count over the included loops), and the end-systolic\n"
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
    "  --peak-height H   the rise of the pressure, in its channel's unit, that opens a beat\n"
    "                    (default 20)\n"
    "  --min-period S    the shortest time between two beats' systolic peaks, in seconds\n"
    "  --from T, --to T  analyse only the stretch from T to T: seconds on the recording's clock,\n"
    "                    R:T in record R (from 1) of a recording of several records\n"
    "  --exclude LOOPS   leave these loops (numbers and ranges as the table prints them, such as\n"
    "                    3,7-9) out of the summary and the relations; the table marks them\n"
    "  --summary FILE    write the summary and the relations to FILE, apart from the loop table\n"
    "  -h, --help        show this help\n"
    "\n"
    "CH is a channel's name (as in the header row, without its unit) or its number, from 1.\n"
    "Exit status: 0 on success; 1 when the recording cannot be read or analysed or the results\n"
    "cannot be written; 2 for a bad command line; 3 when the recording gives no loops (nothing is\n"
    "written); 4 when it gives fewer loops than its pressure has beats (the results are written).\n"
    "With 3 and 4 a line on standard error gives the pressure's rise per beat and a --peak-height\n"
    "to try.\n";

class Parser {
public:
    explicit Parser(std::span<const std::string_view> arguments) : mArguments(arguments) {}

    Command run();

private:
    void analyzeOption(std::string_view option, Command& command);
    std::string value(std::string_view option);
    static RecordingTime recordingTime(std::string_view option, const std::string& text);
    static std::vector<LoopRange> loopRanges(const std::string& text);
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
    const AnalyzeOptions& options = command.analyze;
    if (options.ecg && (options.peakHeight || options.minPeriod))
        throw UsageError(std::string(options.peakHeight ? "--peak-height" : "--min-period") +
                         " sets the pressure's beat detection, which --ecg replaces");
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
    } else if (option == "--peak-height" || option == "--min-period") {
        const bool height = option == "--peak-height";
        std::optional<double>& slot = height ? options.peakHeight : options.minPeriod;
        const std::string text = value(option);
        if (slot)
            throw UsageError("option " + std::string(option) + " given twice");
        double number = 0.0;
        if (!parseNumberCell(text, number) || !std::isfinite(number) ||
            (height ? number <= 0.0 : number < 0.0))
            throw UsageError(std::string(option) +
                             (height ? " takes a positive height in the pressure channel's unit, not "
                                     : " takes a number of seconds, 0 or more, not ") +
                             quotedForMessage(text));
        slot = number;
    } else if (option == "--from" || option == "--to") {
        std::optional<RecordingTime>& slot = option == "--from" ? options.from : options.to;
        const std::string text = value(option);
        if (slot)
            throw UsageError("option " + std::string(option) + " given twice");
        slot = recordingTime(option, text);
        if (options.from && options.to &&
            options.from->record.value_or(1) == options.to->record.value_or(1) &&
            options.to->seconds <= options.from->seconds)
            throw UsageError("--to must lie after --from");
    } else if (option == "--exclude") {
        const std::string text = value(option);
        if (!options.exclude.empty())
            throw UsageError("option --exclude given twice");
        options.exclude = loopRanges(text);
    } else if (option == "--summary") {
        if (options.summary)
            throw UsageError("option --summary given twice");
        options.summary = std::filesystem::path(value(option));
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

// "T" or "R:T": seconds, in record R from 1.
RecordingTime Parser::recordingTime(std::string_view option, const std::string& text) {
    RecordingTime time;
    std::string seconds = text;
    if (const auto colon = text.find(':'); colon != std::string::npos) {
        double record = 0.0;
        if (!parseNumberCell(text.substr(0, colon), record) || record < 1.0 || record != std::floor(record) ||
            record > 2147483647.0)
            throw UsageError(std::string(option) +
                             " takes seconds or RECORD:SECONDS with a record from 1, not " +
                             quotedForMessage(text));
        time.record = static_cast<std::int32_t>(record);
        seconds = text.substr(colon + 1);
    }
    if (!parseNumberCell(seconds, time.seconds) || !std::isfinite(time.seconds))
        throw UsageError(std::string(option) + " takes seconds or RECORD:SECONDS, not " +
                         quotedForMessage(text));
    return time;
}

// "3,7-9": loop numbers from 1 and ranges of them.
std::vector<LoopRange> Parser::loopRanges(const std::string& text) {
    const auto bad = [&] {
        return UsageError("--exclude takes loop numbers from 1 and ranges such as 3,7-9, not " +
                          quotedForMessage(text));
    };
    const auto number = [&](std::string_view digits) {
        std::int64_t n = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || n < 1)
            throw bad();
        return n;
    };
    std::vector<LoopRange> ranges;
    std::string_view rest = text;
    while (true) {
        const auto comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        const auto dash = item.find('-');
        LoopRange range{number(item.substr(0, dash)), 0};
        range.last = dash == std::string_view::npos ? range.first : number(item.substr(dash + 1));
        if (range.last < range.first)
            throw bad();
        ranges.push_back(range);
        if (comma == std::string_view::npos)
            return ranges;
        rest.remove_prefix(comma + 1);
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

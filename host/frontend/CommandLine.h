#pragma once

#include "host/frontend/AnalyzeOptions.h"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace Vantrel {

/// A command line that does not fit the program's usage. The message is one line.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// What the command line asks for.
struct Command {
    enum class Kind { Help, AnalyzeHelp, Version, Analyze };
    Kind kind = Kind::Help;
    AnalyzeOptions analyze;
};

/// Reads the arguments after the program name:
///   vantrel --help | --version
///   vantrel analyze [RECORDING] [--pressure CH] [--volume CH] [--ecg CH] [--rate HZ]
///                   [--format tsv|csv] [-o FILE] [--settings FILE] [--save-settings FILE]
///                   [--run MACRO]
/// Options take their value as the next argument or after "=" ("--format=csv"); "--" ends the
/// options. Throws UsageError for anything else.
Command parseCommandLine(std::span<const std::string_view> arguments);

/// The program's usage, for --help.
std::string_view programHelp();
/// The analyze command's usage, for analyze --help.
std::string_view analyzeHelp();

} // namespace Vantrel

#pragma once

#include "host/frontend/LoopAnalyzer.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <span>
#include <string_view>

namespace Vantrel {

/// Makes the analyzer an analyze command uses, once it needs one.
using AnalyzerFactory = std::function<std::unique_ptr<LoopAnalyzer>()>;

/// The recording `vantrel analyze` reads when it is given none.
std::filesystem::path defaultSamplePath();

/// Runs `vantrel` with the arguments after the program name. Help and results go to out (results
/// to the file of -o instead, written only when complete); a failure is one line on err,
/// "vantrel: ...", and so is a warning ("vantrel: warning: ...") of a channel unit that does not
/// fit the channel's role. Returns the exit status: 0 success, 1 a recording that cannot be read or
/// analysed or an output that cannot be written, 2 a bad command line, 3 no loops found in the
/// recording (one line on err names the likely causes; no results are written).
int runProgram(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
               const AnalyzerFactory& makeAnalyzer);

} // namespace Vantrel

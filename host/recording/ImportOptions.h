#pragma once

#include <string>

namespace Vantrel {

/// The character between the cells of a delimited text.
enum class Delimiter { Detect, Comma, Tab, Semicolon };

/// How a delimited text is read.
struct ImportOptions {
    /// Detect: tab, semicolon or comma, whichever separates the values of the first data row (in
    /// that order of preference).
    Delimiter delimiter = Delimiter::Detect;
    /// Title of the time column, compared without regard to ASCII case. Empty: the column titled
    /// "Time", if there is one. Its unit is "s" (or none) or "ms".
    std::string timeColumn;
    /// Samples per second for a text without a time column; 0 means none given. With a time column
    /// it must agree with the rate the column gives.
    double sampleRate = 0.0;
};

} // namespace Vantrel

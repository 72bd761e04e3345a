#pragma once

// Cell-level helpers of the delimited-text import and export.

#include "host/recording/ImportOptions.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vantrel {

/// The character of a delimiter; Detect gives a comma.
char delimiterChar(Delimiter delimiter);

/// Splits a text into lines at LF, dropping a CR before it. Numbers lines from 1.
class LineReader {
public:
    explicit LineReader(std::string_view text) : mText(text) {}

    /// The next line, or nothing at the end of the text. A final LF does not start another line.
    std::optional<std::string_view> next();
    std::int64_t lineNumber() const { return mLine; }
    std::size_t remainingBytes() const { return mText.size() - mPos; }
    /// Whether everything after the current line is blank.
    bool restIsBlank() const;

private:
    std::string_view mText;
    std::size_t mPos = 0;
    std::int64_t mLine = 0;
};

/// The cells of a header row, each unquoted when it was enclosed in double quotes ("" inside
/// stands for one quote). On a malformed quote, returns nothing and sets badColumn (from 1).
std::optional<std::vector<std::string>> splitHeaderCells(std::string_view line, char delimiter,
                                                         std::int32_t& badColumn);

/// A cell as the header writes it: quoted when it holds the delimiter or a double quote.
std::string quoteCell(std::string_view cell, char delimiter);

/// Reads a cell holding one finite decimal number, with optional spaces around it and an optional
/// leading '+'. The whole cell must be the number.
template <class T> bool parseNumberCell(std::string_view cell, T& value) {
    const char* first = cell.data();
    const char* last = first + cell.size();
    while (first != last && *first == ' ')
        ++first;
    while (last != first && last[-1] == ' ')
        --last;
    if (last - first > 1 && *first == '+' && first[1] != '-')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && std::isfinite(value);
}

/// Shortest text of a number that reads back as the same double.
std::string numberText(double value);

/// A number with at most the given decimals (0 to 9), trailing zeros and a bare point dropped, and
/// no sign on a zero: 0.5480 with 4 decimals is "0.548".
std::string fixedNumberText(double value, int decimals);

/// A number for a message: 6 significant digits, without trailing zeros (0.0030000000000000027
/// is "0.003").
std::string roundedNumberText(double value);

/// Whether the text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

/// ASCII-case-insensitive equality.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

/// A cell's text for a message: quoted, and cut short when long.
std::string quotedForMessage(std::string_view cell);

} // namespace Vantrel

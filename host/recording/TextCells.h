#pragma once

// Cell-level helpers of the delimited-text import and export.

#include "host/recording/ImportOptions.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <istream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vantrel {

/// The character of a delimiter; Detect gives a comma.
char delimiterChar(Delimiter delimiter);

/// Splits a text into lines at LF, dropping a CR before it. Numbers lines from 1. The text is one
/// in memory, or a stream read a chunk at a time: then only the chunk and the longest line are held.
class LineReader {
public:
    explicit LineReader(std::string_view text) : mText(text) {}
    /// size: the bytes the stream holds, as far as known (for remainingBytes).
    LineReader(std::istream& in, std::size_t size);

    /// The next line, or nothing at the end of the text. A final LF does not start another line.
    /// A line read from a stream stays valid until the next call.
    std::optional<std::string_view> next();
    std::int64_t lineNumber() const { return mLine; }
    std::size_t remainingBytes() const;
    /// Whether reading the stream failed (not merely ended).
    bool failed() const { return mFailed; }

private:
    bool readChunk();

    std::string_view mText; // in memory: the text; from a stream: the bytes read and not yet split
    std::size_t mPos = 0;
    std::int64_t mLine = 0;
    std::istream* mIn = nullptr;
    std::vector<char> mChunk;
    std::size_t mSize = 0;     // of the stream
    std::size_t mConsumed = 0; // bytes of the stream split into lines
    bool mEnded = false;
    bool mFailed = false;
};

/// A number written as plain decimal digits: an optional '-', then digits with at most one decimal
/// separator among them; its value is digits / 10^decimals.
struct PlainDecimal {
    std::uint64_t digits = 0;
    int decimals = 0;
    bool negative = false;
};

/// Reads a plain decimal of at most 19 digits from first on, up to the first character that cannot
/// continue it; returns where that stands, or null when no such number starts at first.
inline const char* scanPlainDecimal(const char* first, const char* last, char point, PlainDecimal& number) {
    number = {};
    const char* p = first;
    if (p != last && *p == '-') {
        number.negative = true;
        ++p;
    }
    int digits = 0;
    bool separator = false;
    for (; p != last; ++p) {
        const auto digit = static_cast<unsigned>(*p - '0');
        if (digit < 10) {
            if (++digits > 19)
                return nullptr;
            number.digits = number.digits * 10 + digit;
            number.decimals += separator ? 1 : 0;
        } else if (*p == point && !separator) {
            separator = true;
        } else {
            break;
        }
    }
    return digits > 0 ? p : nullptr;
}

/// 10^0 .. 10^22: the powers of ten a double holds exactly.
inline constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
/// Every integer below it is a double.
inline constexpr std::uint64_t kExactIntegers = std::uint64_t{1} << 53;

/// The double nearest to a plain decimal: what parseNumberCell reads from its text. Both the digits
/// and the power of ten are exact doubles, so their quotient is the decimal correctly rounded, as
/// from_chars rounds it. False when the decimal has too many digits for that.
inline bool plainDecimalValue(const PlainDecimal& number, double& value) {
    if (number.digits >= kExactIntegers || number.decimals > 22)
        return false;
    const double magnitude = static_cast<double>(number.digits) / kExactPowersOfTen[number.decimals];
    value = number.negative ? -magnitude : magnitude;
    return true;
}

/// The float nearest to a plain decimal. The double rounded to float is the decimal rounded to float,
/// unless the double fell exactly halfway between two floats (the decimal itself may lie on either
/// side) or outside the normal floats: false then (the text must be parsed).
inline bool plainDecimalValue(const PlainDecimal& number, float& value) {
    double exact = 0.0;
    if (!plainDecimalValue(number, exact))
        return false;
    const double magnitude = std::fabs(exact);
    constexpr std::uint64_t kBelowFloat = (std::uint64_t{1} << 29) - 1; // the bits a float drops
    if (magnitude != 0.0 &&
        (magnitude < std::numeric_limits<float>::min() || magnitude > std::numeric_limits<float>::max() ||
         (std::bit_cast<std::uint64_t>(exact) & kBelowFloat) == std::uint64_t{1} << 28))
        return false;
    value = static_cast<float>(exact);
    return true;
}

/// The cells of a header row, each unquoted when it was enclosed in double quotes ("" inside
/// stands for one quote). On a malformed quote, returns nothing and sets badColumn (from 1).
std::optional<std::vector<std::string>> splitHeaderCells(std::string_view line, char delimiter,
                                                         std::int32_t& badColumn);

/// A cell as the header writes it: quoted when it holds the delimiter or a double quote.
std::string quoteCell(std::string_view cell, char delimiter);
/// The cell in double quotes, each double quote inside doubled.
std::string quotedCell(std::string_view cell);

/// Reads a cell holding one finite decimal number, with optional spaces around it and an optional
/// leading '+'. The whole cell must be the number. A number too small for T reads as the nearest T,
/// a zero ("1e-50" as a float); one too large for it is refused.
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
    if (error == std::errc::result_out_of_range && end == last) {
        // from_chars refuses a number that rounds to zero as well as one that overflows.
        long double wide = 0.0L;
        const auto [wideEnd, wideError] = std::from_chars(first, last, wide);
        if (wideError == std::errc() && wideEnd == last && std::abs(wide) < 1.0L) {
            value = static_cast<T>(wide);
            return true;
        }
    }
    return error == std::errc() && end == last && std::isfinite(value);
}

/// Whether a cell holds a finite number that a float cannot hold (beyond 3.4e38 in magnitude).
bool beyondFloat(std::string_view cell);

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

/// The text with each control character (a line break, a tab) as '?', so that a message showing it
/// stays one line.
std::string printableText(std::string_view text);

/// A cell's text for a message: printable, quoted, and cut short when long.
std::string quotedForMessage(std::string_view cell);

} // namespace Vantrel

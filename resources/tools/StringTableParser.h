#pragma once
// Reads the string-table source format (see resources/strings.txt) into
// entries of UTF-16 text. Throws std::runtime_error naming the line of the
// first mistake.

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace Tarvik::Resources {

struct ParsedString {
    std::uint32_t id;
    std::uint16_t language;
    std::u16string text;
};

std::vector<ParsedString> ParseStringTable(std::istream& in);

} // namespace Tarvik::Resources

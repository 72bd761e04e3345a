#include "resources/tools/StringTableParser.h"

#include <cstdlib>
#include <set>
#include <stdexcept>
#include <utility>

#include "platform/win32/utf.h"

namespace Tarvik::Resources {

namespace {

[[noreturn]] void Fail(int line, const std::string& what) {
    throw std::runtime_error("line " + std::to_string(line) + ": " + what);
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// A decimal or 0x-hexadecimal number no larger than max.
std::uint32_t Number(const std::string& text, std::uint32_t max, int line) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    const char* allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.size() > 8 || digits.find_first_not_of(allowed) != std::string::npos)
        Fail(line, "'" + text + "' is not a number");
    const unsigned long value = std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10);
    if (value > max)
        Fail(line, "'" + text + "' is out of range");
    return static_cast<std::uint32_t>(value);
}

std::u16string Unescape(const std::string& text, int line) {
    std::u16string out;
    std::string plain;
    auto flush = [&] {
        out += win32::Utf8ToUtf16(plain);
        plain.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            plain.push_back(text[i]);
            continue;
        }
        const char e = i + 1 < text.size() ? text[++i] : '\0';
        const std::pair<char, char> simple[] = {
            {'n', '\n'}, {'r', '\r'}, {'t', '\t'}, {'\\', '\\'}, {'s', ' '}};
        bool done = false;
        for (auto [code, c] : simple)
            if (e == code) {
                plain.push_back(c);
                done = true;
            }
        if (done)
            continue;
        if (e != 'u' || text.size() - i - 1 < 4)
            Fail(line, std::string("unknown escape '\\") + e + "'");
        flush();
        out.push_back(static_cast<char16_t>(Number("0x" + text.substr(i + 1, 4), 0xFFFF, line)));
        i += 4;
    }
    flush();
    return out;
}

} // namespace

std::vector<ParsedString> ParseStringTable(std::istream& in) {
    std::vector<ParsedString> entries;
    std::set<std::pair<std::uint16_t, std::uint32_t>> seen;
    std::uint16_t language = 0;
    bool haveLanguage = false;
    std::string raw;
    for (int line = 1; std::getline(in, raw); ++line) {
        const std::string s = Trim(raw);
        if (s.empty() || s[0] == '#')
            continue;
        if (s.front() == '[') {
            const std::string section = Trim(s.substr(1, s.size() - 1 - (s.back() == ']' ? 1 : 0)));
            if (s.back() != ']' || section.rfind("language ", 0) != 0)
                Fail(line, "a section is written [language 0xNNNN]");
            language = static_cast<std::uint16_t>(Number(Trim(section.substr(9)), 0xFFFF, line));
            haveLanguage = true;
            continue;
        }
        const auto eq = s.find('=');
        if (eq == std::string::npos)
            Fail(line, "an entry is written ID = TEXT");
        if (!haveLanguage)
            Fail(line, "an entry before the first [language ...] section");
        const std::uint32_t id = Number(Trim(s.substr(0, eq)), 0xFFFF, line);
        if (id == 0)
            Fail(line, "id 0 is never loaded");
        if (!seen.insert({language, id}).second)
            Fail(line, "id " + std::to_string(id) + " appears twice in one language");
        entries.push_back({id, language, Unescape(Trim(s.substr(eq + 1)), line)});
    }
    return entries;
}

} // namespace Tarvik::Resources

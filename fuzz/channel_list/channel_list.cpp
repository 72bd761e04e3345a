// The channel references of a calculation formula: the list agrees with a plain reading of the
// rules (each number read by a stream from the rest of the text, each entry looked up in the list
// so far), holds each entry once with a channel from -1 to 2147483646, and takes time in
// proportion to the formula's length.

#include "analysis/ChannelListParser.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzInput.h"

#include <algorithm>
#include <climits>
#include <cwctype>
#include <locale>
#include <set>
#include <sstream>
#include <tuple>

namespace {

using ExtLib::ChannelEntry;

// The rules as written: quadratic, for short texts.
std::vector<ChannelEntry> referenceList(const std::wstring& text) {
    std::vector<ChannelEntry> list;
    ChannelEntry entry;
    for (std::size_t c = text.find(L'c'); c != std::wstring::npos && c + 2 < text.size();
         c = text.find(L'c', c + 1)) {
        if (c > 0) {
            entry.raw = text[c - 1] == L'r';
            entry.volume = text[c - 1] == L'v';
        }
        if (text[c + 1] != L'h')
            continue;
        const std::size_t start = c + 7 < text.size() && text.substr(c + 2, 5) == L"annel" ? c + 7 : c + 2;
        if (start >= text.size() || !std::iswdigit(static_cast<wint_t>(text[start])))
            continue;
        std::wistringstream number(text.substr(start));
        number.imbue(std::locale::classic());
        long long value = 0;
        if (!(number >> value) || value > INT32_MAX)
            value = INT32_MAX;
        entry.channel = static_cast<std::int32_t>(value - 1);
        if (std::find(list.begin(), list.end(), entry) == list.end())
            list.push_back(entry);
    }
    return list;
}

std::string describe(const std::wstring& text) {
    std::string narrow;
    for (const wchar_t c : text.substr(0, 200))
        narrow += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    return narrow;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz::Input in(data, size);
    // Each byte a character, except that 0xFF takes the next four bytes as a character of any value.
    std::wstring text;
    while (!in.empty()) {
        const std::uint8_t b = in.byte();
        text += b == 0xFF ? in.raw<wchar_t>() : static_cast<wchar_t>(b);
    }

    std::vector<ChannelEntry> list;
    Fuzz::withinBudget("listing the channels of the formula", size, std::chrono::milliseconds(50),
                       std::chrono::microseconds(1), [&] { list = ExtLib::ParseChannelList(text); });
    std::set<std::tuple<std::int32_t, bool, bool>> distinct;
    for (const ChannelEntry& entry : list) {
        FUZZ_CHECK(entry.channel >= -1 && entry.channel <= INT32_MAX - 1, describe(text));
        FUZZ_CHECK(distinct.emplace(entry.channel, entry.raw, entry.volume).second, "listed twice");
    }
    if (text.size() <= 4096)
        FUZZ_CHECK(list == referenceList(text), describe(text));
    return 0;
}

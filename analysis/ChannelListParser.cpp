#include "analysis/ChannelListParser.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

namespace ExtLib {

namespace {

// Where the number of a reference at c starts ("ch" or "channel"); npos when there is none.
std::size_t NumberStart(const std::wstring& text, std::size_t c) {
    if (text[c + 1] != L'h')
        return std::wstring::npos;
    if (c + 7 < text.size() && text.compare(c + 2, 5, L"annel") == 0)
        return c + 7;
    return c + 2;
}

// The digits the host's stream reads in a number: 0 to 9 alone.
bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

} // namespace

std::vector<ChannelEntry> ParseChannelList(const std::wstring& text) {
    std::vector<ChannelEntry> list;
    std::unordered_set<std::uint64_t> listed; // (channel, raw, volume) of each entry in list
    ChannelEntry entry;
    for (std::size_t c = text.find(L'c'); c != std::wstring::npos && c + 2 < text.size();
         c = text.find(L'c', c + 1)) {
        if (c > 0) {
            entry.raw = text[c - 1] == L'r';
            entry.volume = text[c - 1] == L'v';
        }
        std::size_t digit = NumberStart(text, c);
        if (digit >= text.size() || !IsDigit(text[digit]))
            continue;
        // A number past the host's 32-bit long reads as its largest value, as its stream gives it.
        std::int64_t value = 0;
        for (; digit < text.size() && IsDigit(text[digit]); ++digit)
            value = std::min<std::int64_t>(value * 10 + (text[digit] - L'0'), INT32_MAX);
        entry.channel = static_cast<std::int32_t>(value - 1);
        const std::uint64_t key = static_cast<std::uint64_t>(static_cast<std::uint32_t>(entry.channel)) << 2 |
                                  (entry.raw ? 2u : 0u) | (entry.volume ? 1u : 0u);
        if (listed.insert(key).second)
            list.push_back(entry);
    }
    return list;
}

} // namespace ExtLib

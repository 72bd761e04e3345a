#include "analysis/ChannelListParser.h"

#include <algorithm>
#include <cwctype>
#include <locale>
#include <sstream>

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

} // namespace

std::vector<ChannelEntry> ParseChannelList(const std::wstring& text) {
    std::vector<ChannelEntry> list;
    ChannelEntry entry;
    for (std::size_t c = text.find(L'c'); c != std::wstring::npos && c + 2 < text.size();
         c = text.find(L'c', c + 1)) {
        if (c > 0) {
            entry.raw = text[c - 1] == L'r';
            entry.volume = text[c - 1] == L'v';
        }
        const std::size_t start = NumberStart(text, c);
        if (start >= text.size() || !std::iswdigit(static_cast<wint_t>(text[start])))
            continue;
        std::wistringstream number(text.substr(start));
        number.imbue(std::locale::classic());
        long long value = 0;
        // A number past the host's 32-bit long reads as its largest value, as its stream gives it.
        if (!(number >> value) || value > INT32_MAX)
            value = INT32_MAX;
        entry.channel = static_cast<std::int32_t>(value - 1);
        if (std::find(list.begin(), list.end(), entry) == list.end())
            list.push_back(entry);
    }
    return list;
}

} // namespace ExtLib

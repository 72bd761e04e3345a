#include "host/recording/ChannelInfo.h"

namespace Vantrel {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool endsWithBracket(std::string_view text) {
    return !text.empty() && (text.back() == ')' || text.back() == ']');
}

} // namespace

ChannelInfo parseChannelHeader(std::string_view cell) {
    const std::string_view text = trimmed(cell);
    if (!endsWithBracket(text))
        return {std::string(text), {}};
    const char open = text.back() == ')' ? '(' : '[';
    const auto start = text.rfind(open);
    if (start == std::string_view::npos)
        return {std::string(text), {}};
    const std::string_view unit = trimmed(text.substr(start + 1, text.size() - start - 2));
    return {std::string(trimmed(text.substr(0, start))), std::string(unit)};
}

std::string formatChannelHeader(const ChannelInfo& channel) {
    // A title that itself ends in a bracket gets an empty unit group, so that the bracket stays
    // part of the title when the cell is read back. A unit that holds a parenthesis, such as
    // "u (L)", goes in square brackets instead.
    if (channel.unit.empty() && !endsWithBracket(channel.title))
        return channel.title;
    std::string cell = channel.title + " (" + channel.unit + ")";
    if (parseChannelHeader(cell) != channel) {
        std::string square = channel.title + " [" + channel.unit + "]";
        if (parseChannelHeader(square) == channel)
            cell = std::move(square);
    }
    return cell;
}

} // namespace Vantrel

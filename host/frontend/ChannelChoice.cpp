#include "host/frontend/ChannelChoice.h"

#include "host/recording/TextCells.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <iterator>
#include <span>
#include <string_view>
#include <vector>

namespace Vantrel {

namespace {

std::string lowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

struct Kind {
    const char* role;                       // as messages name it
    const char* option;                     // the command-line option that names it
    std::array<std::string_view, 3> titles; // words of a title, lower case
    std::array<std::string_view, 10> units; // unit texts, lower case
};

constexpr Kind kPressure{"pressure",
                         "--pressure",
                         {"pressure", "lvp", ""},
                         {"mmhg", "mm hg", "kpa", "pa", "cmh2o", "cm h2o", "mbar", "torr", "", ""}};
constexpr Kind kVolume{"volume",
                       "--volume",
                       {"volume", "lvv", ""},
                       {"ul", "\xC2\xB5l", "\xCE\xBCl", "ml", "nl", "l", "rvu", "", "", ""}};

// Conductance units, told apart from time units by their case.
constexpr std::string_view kConductanceUnits[] = {"S", "mS", "uS", "\xC2\xB5S", "\xCE\xBCS"};

bool contains(std::span<const std::string_view> list, std::string_view item) {
    return !item.empty() && std::find(list.begin(), list.end(), item) != list.end();
}

bool contains(const std::vector<std::size_t>& list, std::size_t item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

bool titleSays(const ChannelInfo& channel, const Kind& kind) {
    const std::string title = lowerCase(channel.title);
    for (const std::string_view word : kind.titles)
        if (!word.empty() && title.find(word) != std::string::npos)
            return true;
    return false;
}

bool unitSays(const ChannelInfo& channel, const Kind& kind) {
    return contains(kind.units, lowerCase(channel.unit));
}

std::string channelText(const Recording& recording, std::size_t index) {
    return std::to_string(index + 1) + " " +
           quotedForMessage(formatChannelHeader(recording.channels()[index]));
}

std::string channelList(const Recording& recording) {
    std::string list;
    for (std::size_t i = 0; i < recording.channelCount(); ++i)
        list += (i == 0 ? "" : ", ") + channelText(recording, i);
    return "(channels: " + list + ")";
}

std::size_t findNamed(const Recording& recording, const std::string& name, const char* role) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (error == std::errc() && end == name.data() + name.size()) {
        if (number >= 1 && number <= recording.channelCount())
            return number - 1;
        throw ChannelError("there is no channel " + name + " for the " + role + "; the recording has " +
                           std::to_string(recording.channelCount()) + " " + channelList(recording));
    }
    const auto& channels = recording.channels();
    for (std::size_t i = 0; i < channels.size(); ++i)
        if (equalsIgnoringCase(channels[i].title, name) ||
            equalsIgnoringCase(formatChannelHeader(channels[i]), name))
            return i;
    throw ChannelError("there is no channel named " + quotedForMessage(name) + " for the " + role + " " +
                       channelList(recording));
}

std::size_t chooseOne(const Recording& recording, const Kind& kind) {
    std::vector<std::size_t> byTitle, byUnit;
    for (std::size_t i = 0; i < recording.channelCount(); ++i) {
        if (titleSays(recording.channels()[i], kind))
            byTitle.push_back(i);
        if (unitSays(recording.channels()[i], kind))
            byUnit.push_back(i);
    }
    if (byTitle.size() > 1) {
        std::vector<std::size_t> both;
        std::ranges::copy_if(byTitle, std::back_inserter(both),
                             [&](std::size_t i) { return contains(byUnit, i); });
        if (both.size() == 1)
            return both.front();
    }
    const std::vector<std::size_t>& found = byTitle.empty() ? byUnit : byTitle;
    if (found.size() == 1)
        return found.front();
    if (found.empty())
        throw ChannelError(std::string("no channel looks like the ") + kind.role + "; name it with " +
                           kind.option + " " + channelList(recording));
    std::string candidates;
    for (const std::size_t i : found)
        candidates += (candidates.empty() ? "" : ", ") + channelText(recording, i);
    throw ChannelError(std::string("several channels could be the ") + kind.role + " (" + candidates +
                       "); name one with " + kind.option);
}

std::size_t resolve(const Recording& recording, const std::optional<std::string>& name, const Kind& kind) {
    return name ? findNamed(recording, *name, kind.role) : chooseOne(recording, kind);
}

} // namespace

std::vector<std::string> channelUnitWarnings(const Recording& recording, const AnalysisChannels& channels) {
    std::vector<std::string> warnings;
    const auto warn = [&](std::size_t index, const Kind& kind, const char* expected) {
        const ChannelInfo& channel = recording.channels()[index];
        if (!channel.unit.empty())
            warnings.push_back("the " + std::string(kind.role) + " channel " + channelText(recording, index) +
                               " has the unit " + quotedForMessage(channel.unit) + ", which is not " +
                               expected);
    };
    if (!unitSays(recording.channels()[channels.pressure], kPressure))
        warn(channels.pressure, kPressure, "a unit of pressure (mmHg, kPa, cmH2O, ...)");
    const ChannelInfo& volume = recording.channels()[channels.volume];
    if (!unitSays(volume, kVolume) && !contains(kConductanceUnits, volume.unit))
        warn(channels.volume, kVolume,
             "a unit of volume, conductance or relative volume (uL, mL, mS, RVU, ...)");
    return warnings;
}

AnalysisChannels chooseChannels(const Recording& recording, const ChannelRequest& request) {
    AnalysisChannels channels;
    channels.pressure = resolve(recording, request.pressure, kPressure);
    channels.volume = resolve(recording, request.volume, kVolume);
    if (request.ecg)
        channels.ecg = findNamed(recording, *request.ecg, "ECG");
    if (channels.pressure == channels.volume)
        throw ChannelError("channel " + channelText(recording, channels.pressure) +
                           " cannot be both the pressure and the volume");
    if (channels.ecg && (*channels.ecg == channels.pressure || *channels.ecg == channels.volume))
        throw ChannelError("channel " + channelText(recording, *channels.ecg) +
                           " cannot be the ECG as well as the " +
                           (*channels.ecg == channels.pressure ? "pressure" : "volume"));
    return channels;
}

} // namespace Vantrel

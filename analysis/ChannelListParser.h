#pragma once
// The channel references of a calculation formula: "ch3" or "channel3"
// (1-based in the text), with an optional "r" (raw data) or "v" (volume)
// before them.

#include <cstdint>
#include <string>
#include <vector>

namespace ExtLib {

struct ChannelEntry {
    std::int32_t channel = -1; // 0-based
    bool raw = false;
    bool volume = false;
    friend bool operator==(const ChannelEntry&, const ChannelEntry&) = default;
};

// The references of a formula already in lower case, in order of first appearance, each distinct
// (channel, raw, volume) once. A "c" among the last two characters ends the scan. "ch0" gives
// channel -1, and a number past 32 bits reads as 2147483647 (channel 2147483646): channels the
// host does not have, so that a reader of the formula fails on them rather than skipping them.
std::vector<ChannelEntry> ParseChannelList(const std::wstring& formula);

} // namespace ExtLib

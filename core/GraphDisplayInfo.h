#pragma once
// The display settings of a graph drawer, as the host's preferences give them
// and the plot library's graticule draws them.

#include <cstdint>

#include "platform/win32/types.h"

namespace ZOzuve1 {

class GraphDisplayInfo {
public:
    virtual ~GraphDisplayInfo() = default;

    std::uint32_t first = 1;     // not read by the graticule
    std::uint32_t second = 0xAF; // not read by the graticule
    COLORREF gridColour = 0xFFAFAF;
    std::uint32_t dotStyle = 0; // 0: dotted lines; otherwise dots at the crossings only
    bool shown = true;

    bool operator==(const GraphDisplayInfo&) const = default;
};

} // namespace ZOzuve1

#pragma once
// The display settings of graphs from the host's preferences, and the
// defaults a drawer gets without them.

#include "core/GraphDisplayInfo.h"
#include "platform/win32/unknown.h"

namespace ExtLib {

// The host's preference ids, in the order they are read.
inline constexpr DWORD kGraphFirstPreference = 0x800C000C; // 0 reads as 1
inline constexpr DWORD kGraphSecondPreference = 0x800C000D;
inline constexpr DWORD kGraphGridColourPreference = 0x800C000A;
inline constexpr DWORD kGraphDotStylePreference = 0x800C000B;
inline constexpr DWORD kGraphShownPreference = 0x800C000E;
inline constexpr DWORD kGraphLastPreference = 0x800C0009; // read last; its meaning is the host's

// Reads the settings once, at construction, through the host application's preferences for the
// view's settings object (null: the application's). A preference the host does not give keeps
// the default; without the host's preferences every value does.
class GraphDisplayInfoFromHost {
public:
    explicit GraphDisplayInfoFromHost(IUnknown* viewSettings);

    const ZOzuve1::GraphDisplayInfo& Info() const { return mInfo; }
    // Whether the host's preferences were there to read.
    bool FromHost() const { return mFromHost; }
    DWORD LastSetting() const { return mLast; }

private:
    ZOzuve1::GraphDisplayInfo mInfo;
    DWORD mLast = 0;
    bool mFromHost = false;
};

// Hands the drawer the default settings with the caller's dot style and shown flag.
template <class Drawer> void DefaultGraphDisplayInfo(Drawer& drawer, std::uint32_t dotStyle, bool shown) {
    ZOzuve1::GraphDisplayInfo info;
    info.dotStyle = dotStyle;
    info.shown = shown;
    drawer.SetDisplayInfo(info);
}

} // namespace ExtLib

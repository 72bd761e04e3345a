#pragma once
// The host's handle of a virtual channel of a document: the channel's number
// (as the channel lookup and the event-enumerator factory take it) and a flag
// word. (0x80000000, 0xC0000000) is a channel that is not defined.

#include "platform/win32/types.h"

#include <cstddef>

struct VirtualChannelRef {
    DWORD channel = 0x80000000u;
    DWORD flags = 0xC0000000u;

    constexpr bool IsDefined() const { return channel != 0x80000000u; }
    friend constexpr bool operator==(const VirtualChannelRef&, const VirtualChannelRef&) = default;
};

static_assert(sizeof(VirtualChannelRef) == 8);
static_assert(offsetof(VirtualChannelRef, flags) == 4);

// What the host draws on a channel: the events of a virtual channel, in a drawing style.
struct EventDrawLink {
    VirtualChannelRef events;
    DWORD style = 0;
    DWORD reserved = 0;
};

static_assert(sizeof(EventDrawLink) == 16);
static_assert(offsetof(EventDrawLink, style) == 8);

// Drawing style of the loop markers on a channel.
inline constexpr DWORD kEventDrawLoopMarkers = 0x801D0001u;

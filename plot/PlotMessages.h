#pragma once
// The messages of the plot library. Each is built on the sender's stack and
// lives only for the send; pointers in them are valid only during delivery.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/types.h"
#include "plot/GraphDrawer.h"
#include "plot/MessSys.h"
#include "plot/PlotData.h"

namespace ZOzuve1 {

// Scale-strip messages: value is the strip's id (100 for the x strip, 101 for
// the y strip of a graph window).
struct StripMessage : MessSys::Message {
    explicit StripMessage(std::uint32_t v) : value(v) {}
    std::uint32_t reserved = 0;
    std::uint32_t value;
};
struct MsgBeginDrag : StripMessage {
    using StripMessage::StripMessage;
};
struct MsgEndDrag : StripMessage {
    using StripMessage::StripMessage;
};
struct MsgAutoScale : StripMessage {
    using StripMessage::StripMessage;
};

// What a strip reports when its scaling changed: the pixel transform of its
// axis and its scale-origin record.
struct StripScaling {
    ScaleMap transform;
    ScaleMap origin;
};
struct MsgScalingChanged : MessSys::Message {
    MsgScalingChanged(std::uint32_t t, const StripScaling* s, std::uint32_t f)
        : third(t), scaling(s), first(f) {}
    std::uint32_t reserved = 0;
    std::uint32_t third;
    const StripScaling* scaling;
    std::uint32_t first; // the strip's id
};

// A value pair of a marker position.
struct DPoint {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const DPoint&) const = default;
};

// A marker moved: the previous and the new position, each as two pairs (a
// point marker repeats its position in both).
struct MessageTrackMessage : MessSys::Message {
    MessageTrackMessage(std::uint32_t id, DPoint from, DPoint to)
        : markerId(id), previous{from, from}, next{to, to} {}
    std::uint32_t markerId;
    DPoint previous[2];
    DPoint next[2];
};
struct MessageQueenChanged : MessageTrackMessage {
    using MessageTrackMessage::MessageTrackMessage;
};
struct MessageQueenTrackEnd : MessageTrackMessage {
    using MessageTrackMessage::MessageTrackMessage;
};
struct MessageQueenControllerTrackBegin : MessSys::Message {};
struct MessageQueenControllerTrackEnd : MessSys::Message {};

// The graph drawer's messages; owner is its owner window's id (0 without one).
struct RedrawInfo {
    std::int32_t width = 0;
    std::int32_t height = 0;
    RECT plot{0, 0, 0, 0};
    double x0 = 0.0;
    double x1 = 0.0;
    double y0 = 0.0;
    double y1 = 0.0;
};
struct MsgGraph2DDrawerNotifyBeginRedraw : MessSys::Message {
    MsgGraph2DDrawerNotifyBeginRedraw(std::uint32_t o, const RedrawInfo* i) : owner(o), info(i) {}
    std::uint32_t owner;
    const RedrawInfo* info;
};
struct OwnerMessage : MessSys::Message {
    explicit OwnerMessage(std::uint32_t o) : owner(o) {}
    std::uint32_t owner;
};
struct MsgGraph2DDrawerNotifyEndRedraw : OwnerMessage {
    using OwnerMessage::OwnerMessage;
};
struct MsgGraph2DDrawerOnDomainChanged : OwnerMessage {
    using OwnerMessage::OwnerMessage;
};
struct MsgGraph2DDrawerOnRangeChanged : OwnerMessage {
    using OwnerMessage::OwnerMessage;
};
struct MouseLeaveMsg : OwnerMessage {
    using OwnerMessage::OwnerMessage;
};
struct MouseTrackHintMsg : OwnerMessage {
    using OwnerMessage::OwnerMessage;
    std::vector<TrackInfo> hints;
    std::int32_t reserved1 = -1;
    std::int32_t reserved2 = -1;
};

// The context menu's messages, delivered straight to an item's handler.
struct PreDisplayMenuMessage : MessSys::Message {
    PreDisplayMenuMessage(std::uint32_t i, bool* v, bool* e, bool* t, std::u16string* x)
        : id(i), visible(v), enabled(e), ticked(t), text(x) {}
    std::uint32_t id;
    bool* visible;
    bool* enabled;
    bool* ticked;
    std::u16string* text;
};
struct OnMenuItemMessage : MessSys::Message {
    explicit OnMenuItemMessage(std::uint32_t i) : id(i) {}
    std::uint32_t id;
};

} // namespace ZOzuve1

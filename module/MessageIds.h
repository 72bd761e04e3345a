#pragma once
// TarvikMessageId: a 32-bit message or command id, the host's 16-bit number of
// a message-space GUID in the high word and a number n in the low word. The
// number of each space is asked of the host's GUID-to-number service once;
// each id is computed once. Until the service answers, a space has no number
// (0) and nothing is kept, so the next call asks again.

#include <atomic>
#include <cstdint>

#include "platform/vantrel/GraphService.h"
#include "platform/vantrel/HostMessageSpaces.h"
#include "platform/win32/guid.h"

namespace Tarvik {

using TarvikMessageId = DWORD;

// The module's own space: menu commands 13 to 32, notifications 33 to 38,
// automation messages 256 to 285.
inline constexpr GUID TarvikDocumentGUID = MakeGuid("{63A4A828-9A7F-4690-8267-4BA020CFC59B}");
// Spaces of the host's notifications and messages.
inline constexpr GUID HostMsgGuid3A7D = kRecordingNoticeSpace;
inline constexpr GUID HostMsgGuid4EC1 = kRecalculationNoticeSpace;
inline constexpr GUID HostMsgGuidDE25 = kMarkedPositionSpace;
inline constexpr GUID HostMsgGuid659C = MakeGuid("{659C39BA-EB97-4486-842E-10E185D5C17A}");
inline constexpr GUID HostMsgGuidC203 = kGraphSpaceGuid; // also names the graph service
// The space of the channel calculations' class ids.
inline constexpr GUID HostMsgGuidC9C5 = MakeGuid("{C9C5B31B-1B21-478B-ACBE-2DEEA85A996E}");
// The space of the module's own message objects' type id: the host's sampling
// state space.
inline constexpr GUID HostMsgGuid34A7 = MakeGuid("{34A74B90-0DBC-11D3-B870-008048C36FE8}");

constexpr TarvikMessageId MakeMessageId(WORD space, WORD n) {
    return (static_cast<DWORD>(space) << 16) | n;
}

// The host's number of the space; 0 while the host cannot give one.
WORD MessageSpace(const GUID& space);
// Forgets every space number and id (the module's statics are torn down).
void ResetMessageIds();

namespace detail {
std::uint32_t IdGeneration();

// One computed id, valid for the generation it was computed in.
class CachedId {
public:
    template <class Compute> TarvikMessageId Get(Compute compute) {
        const std::uint64_t generation = IdGeneration();
        std::uint64_t value = mValue.load(std::memory_order_acquire);
        if ((value >> 32) == generation)
            return static_cast<TarvikMessageId>(value);
        TarvikMessageId id = compute();
        if ((id >> 16) != 0)
            mValue.store((generation << 32) | id, std::memory_order_release);
        return id;
    }

private:
    std::atomic<std::uint64_t> mValue{0};
};
} // namespace detail

// The id of number N in a space, computed once.
template <const GUID& Space, WORD N> struct MsgIdClass {
    static TarvikMessageId Id() {
        static detail::CachedId cache;
        return cache.Get([] { return MakeMessageId(MessageSpace(Space), N); });
    }
};

// Ids in the module's own space.
template <WORD N> TarvikMessageId DocMsgId() {
    return MsgIdClass<TarvikDocumentGUID, N>::Id();
}

} // namespace Tarvik

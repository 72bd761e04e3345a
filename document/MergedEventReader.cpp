#include "document/MergedEventReader.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <optional>

#include "platform/vantrel/EventRecords.h"
#include "platform/vantrel/IDocumentEvents.h"
#include "platform/vantrel/IVirtualChannelService.h"

namespace Tarvik {

namespace {

constexpr ULONG kBufferEvents = 8;

} // namespace

// One series: its enumerator, a buffer of up to eight events and the event pending for the merge.
struct MergedEventReader::Cursor {
    ComPtr<IEnumEventEx> events;
    ULONG eventSize = 0;
    std::vector<std::uint8_t> buffer;
    ULONG buffered = 0;
    ULONG next = 0;
    bool finished = false;
    std::optional<std::vector<std::uint8_t>> pending;

    // The next accepted event into pending, unless one is pending or the series is finished.
    void Refill(std::int32_t startTick) {
        while (!pending && !finished) {
            if (next == buffered && !Fetch())
                return;
            const std::uint8_t* at = buffer.data() + std::size_t{next} * eventSize;
            ++next;
            const auto head = ReadEventRecord<EventRecord>(at);
            if (!std::isfinite(head.value) || head.tick < startTick)
                continue;
            pending.emplace(at, at + eventSize);
        }
    }

    bool Fetch() {
        ULONG count = 0;
        LONG position = 0;
        const HRESULT hr =
            events->Next(kBufferEvents * eventSize, INT32_MAX, buffer.data(), &count, &position);
        buffered = SUCCEEDED(hr) ? count : 0;
        next = 0;
        if (buffered == 0)
            finished = true;
        return buffered != 0;
    }

    std::int32_t PendingTick() const { return ReadEventRecord<EventRecord>(pending->data()).tick; }
};

MergedEventReader::MergedEventReader(IUnknown* dataSource, std::int32_t startRecord, std::int32_t startTick,
                                     std::int32_t channel, DWORD flags)
    : mStartRecord(startRecord), mStartTick(startTick) {
    const auto list = QueryInterfacePtr<IVirtualChannelService>(dataSource, IID_IVirtualChannelService);
    const auto factory = QueryInterfacePtr<IDocumentEvents>(dataSource, IID_IDocumentEvents);
    if (!list || !factory)
        return;
    EventDrawLink link;
    for (ULONG i = 0; list->GetDrawnEvents(channel, flags, i, &link) == S_OK; ++i) {
        if (link.style != kEventDrawLoopMarkers)
            continue;
        auto cursor = std::make_unique<Cursor>();
        if (FAILED(factory->CreateEventEnumerator(kEventSourceFlag | kEventSourceVirtual, link.events.channel,
                                                  kEventEnumeratorFlags, startTick, startRecord, INT32_MAX, 0,
                                                  cursor->events.Put())) ||
            !cursor->events || FAILED(cursor->events->GetEventSize(&cursor->eventSize)) ||
            cursor->eventSize < sizeof(EventRecord) || cursor->eventSize > 0x10000)
            continue;
        cursor->buffer.resize(std::size_t{kBufferEvents} * cursor->eventSize);
        mCursors.push_back(std::move(cursor));
    }
}

MergedEventReader::~MergedEventReader() = default;

HRESULT MergedEventReader::Next(std::vector<std::uint8_t>& event) {
    std::int32_t best = -1;
    for (std::size_t i = 0; i < mCursors.size(); ++i) {
        Cursor& cursor = *mCursors[i];
        cursor.Refill(mStartTick);
        if (cursor.pending &&
            (best < 0 || cursor.PendingTick() < mCursors[static_cast<std::size_t>(best)]->PendingTick()))
            best = static_cast<std::int32_t>(i);
    }
    if (best < 0)
        return S_FALSE;
    Cursor& chosen = *mCursors[static_cast<std::size_t>(best)];
    event = std::move(*chosen.pending);
    chosen.pending.reset();
    mLast = best;
    return S_OK;
}

HRESULT MergedEventReader::CurrentSource(IEnumEventEx** source, std::int32_t* index) {
    if (source == nullptr || index == nullptr)
        return E_POINTER;
    *source = nullptr;
    *index = 0;
    if (mCursors.empty())
        return S_OK;
    if (mLast < 0 || static_cast<std::size_t>(mLast) >= mCursors.size())
        return E_FAIL;
    *source = mCursors[static_cast<std::size_t>(mLast)]->events.Get();
    (*source)->AddRef();
    *index = mLast;
    return S_OK;
}

Ovo::String FormatRangeText(const Ovo::String& a, const Ovo::String& b, const Ovo::String& c,
                            const Ovo::String& d, const Ovo::String& e) {
    Ovo::String text(a);
    text += u"->";
    text += b;
    text += u";";
    text += c;
    text += u"->";
    text += d;
    text += u"\n";
    text += e;
    return text;
}

} // namespace Tarvik

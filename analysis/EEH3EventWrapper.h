#pragma once
// A detector's cursor over the events of an inner calculation (IEnumEventEx),
// pulled eight at a time. Records are read through their OvoEventBase head, or
// whole through EventWrapperEx<E>.

#include <memory>
#include <vector>

#include "analysis/EEH3SourceEnum.h"
#include "analysis/OvoEventBase.h"
#include "platform/vantrel/IEnumEventEx.h"
#include "platform/win32/com_ptr.h"

namespace EEH3 {

class EventWrapper : public eeh_SourceEnum {
public:
    static constexpr std::uint32_t kBufferEvents = 8;

    // Wraps source's IEnumEventEx (one reference held). Null when source does not answer it, or
    // when its event records are smaller than minimumEventSize bytes.
    static std::unique_ptr<EventWrapper> Create(IUnknown* source, std::uint32_t minimumEventSize);
    EventWrapper(const EventWrapper&) = delete;
    EventWrapper& operator=(const EventWrapper&) = delete;

    // The current event's tick; with none buffered the inner calculation's position; INT32_MAX
    // once the input has ended.
    std::int32_t Position() override;
    bool Advance() override;
    bool HasCurrent() override;
    void Seek(std::int32_t tick) override;
    void GetEventInfo(CalcEventInfo& info) override;
    bool IsRecordComplete() override;

    // The head of the current event; only when HasCurrent().
    OvoEventBase Current() const { return Read<OvoEventBase>(); }
    std::uint32_t EventSize() const { return mEventSize; }

protected:
    EventWrapper(ComPtr<IEnumEventEx> inner, std::uint32_t eventSize);
    // source's IEnumEventEx and its event size; empty when it has none or its records are smaller
    // than minimumEventSize.
    static ComPtr<IEnumEventEx> Attach(IUnknown* source, std::uint32_t minimumEventSize,
                                       std::uint32_t& eventSize);
    template <class E> E Read() const {
        return ReadEventRecord<E>(mBuffer.data() + std::size_t{mCursor} * mEventSize);
    }

private:
    bool Fill();
    std::int32_t TickAt(std::uint32_t index) const;

    ComPtr<IEnumEventEx> mInner;
    std::uint32_t mEventSize;
    std::vector<unsigned char> mBuffer;
    std::uint32_t mCount = 0;
    std::uint32_t mCursor = 0;
    std::int32_t mInnerPosition = 0;
    bool mInnerAtEnd = false; // the inner calculation reported the end of its data
};

// An event wrapper over records of type E (an OvoEventBase-headed record).
template <class E> class EventWrapperEx : public EventWrapper {
public:
    static std::unique_ptr<EventWrapperEx> Create(IUnknown* source) {
        std::uint32_t size = 0;
        ComPtr<IEnumEventEx> inner = Attach(source, sizeof(E), size);
        return inner ? std::unique_ptr<EventWrapperEx>(new EventWrapperEx(std::move(inner), size)) : nullptr;
    }
    // The current event; only when HasCurrent().
    E CurrentEvent() const { return Read<E>(); }

private:
    using EventWrapper::EventWrapper;
};

} // namespace EEH3

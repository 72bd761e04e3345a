#pragma once
// The reader of a calculation's events record by record (EnumGetterBase) with
// the events of a record read whole.

#include <vector>

#include "analysis/EnumGetterBase.h"
#include "analysis/OvoEventBase.h"

namespace ExtLib {

class EventEnumDataGetter : public EnumGetterBase {
public:
    using EnumGetterBase::EnumGetterBase;

    // The events of record (started to its end when it is not the started one) as records of E.
    // Reads until the enumerator reports the end of the record, or, while the host samples, until
    // it has nothing more yet. False without an enumerator, or when its records are smaller than E.
    template <class E> bool GetRecordData(std::int32_t record, std::vector<E>& events);
};

template <class E> bool EventEnumDataGetter::GetRecordData(std::int32_t record, std::vector<E>& events) {
    events.clear();
    if (!Started() || CurrentRecord() != record) {
        Stop();
        if (!StartRecord(record, -1.0))
            return false;
    }
    const ComPtr<IEnumEventEx> stream = GetEnumInterface();
    ULONG size = 0;
    if (!stream || FAILED(stream->GetEventSize(&size)) || size < sizeof(E))
        return false;
    constexpr ULONG kEventsPerCall = 64;
    std::vector<unsigned char>& buffer = Buffer();
    buffer.resize(std::size_t{size} * kEventsPerCall);
    for (;;) {
        ULONG count = 0;
        LONG position = 0;
        const HRESULT hr =
            stream->Next(static_cast<ULONG>(buffer.size()), INT32_MAX, buffer.data(), &count, &position);
        for (ULONG i = 0; SUCCEEDED(hr) && i < count && i < kEventsPerCall; ++i)
            events.push_back(ReadEventRecord<E>(buffer.data() + std::size_t{i} * size));
        if (hr != S_OK || count == 0)
            break;
    }
    return true;
}

} // namespace ExtLib

#pragma once
// The event reader of the enumerator test routines: the host data reader
// (EventEnumDataGetter) with its calculation class taken by class id from the
// host's class registry, started at any tick of a record, and a record's events
// gathered whole.

#include "TestSuite/UnitTestHelperLib/CalcClassById.h"
#include "analysis/EventEnumDataGetter.h"
#include "analysis/TickPosition.h"

#include <array>
#include <climits>

namespace ExtLib {

class TestEventReader : private CalcClassById, public EventEnumDataGetter {
public:
    static constexpr std::size_t kBatch = 100; // records per Next of GetRecordData

    /// mode kEnumGetterOffline: the reader starts its enumerator offline and is no sink of the
    /// document; kEnumGetterSink: it is a sink and starts online.
    TestEventReader(IUnknown* document, std::int32_t mode);
    /// recordEnd runs when the document ends a record, before the reader stops.
    TestEventReader(IUnknown* document, std::function<void()> recordEnd, std::int32_t mode);

    /// The enumerator of the calculation class classId for text; false when the host has no such
    /// class or the class refuses the text.
    bool CreateEnum(DWORD classId, const Ovo::String& text);
    /// Starts the enumerator on start.record, its sources reaching to the end of the record however
    /// far it grows, positioned at start.tick. False when a read is already open or the enumerator
    /// refuses.
    bool SetSources(TickPosition start);

    /// Replaces vec by every event of record, read from its tick 0 in batches of up to 100 records
    /// of TBufType until a Next gives none, and stops the reader. False when the reader cannot
    /// start or has no event stream, when a Next claims more records than its buffer holds, or when
    /// the stream gives more events than the record has ticks (it would never end); vec keeps what
    /// was read then, and the reader stays as it was.
    template <class TBufType> bool GetRecordData(std::int32_t record, std::vector<TBufType>& vec);

private:
    static CalcHostServices Services(CalcClassById* classes);
    std::size_t EventLimit(std::int32_t record) const;

    ComPtr<IDocumentData> mData;
};

template <class TBufType>
bool TestEventReader::GetRecordData(std::int32_t record, std::vector<TBufType>& vec) {
    std::array<TBufType, kBatch> buffer{};
    vec.clear();
    if (!SetSources(TickPosition{record, 0}))
        return false;
    const auto events = GetEnumInterface();
    if (!events)
        return false;
    const std::size_t limit = EventLimit(record);
    vec.reserve(kBatch);
    std::size_t total = 0;
    ULONG count = 0;
    LONG nut = 0;
    events->Next(sizeof buffer, INT_MAX, buffer.data(), &count, &nut);
    while (count > 0) {
        if (count > kBatch || total + count > limit)
            return false;
        total += count;
        vec.insert(vec.end(), buffer.begin(), buffer.begin() + count);
        count = 0;
        events->Next(sizeof buffer, INT_MAX, buffer.data(), &count, &nut);
    }
    if (vec.size() != total)
        return false;
    Stop();
    return true;
}

} // namespace ExtLib

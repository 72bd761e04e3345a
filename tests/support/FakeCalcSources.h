#pragma once
// A small stand-in for the host's calculation engine in unit tests: array-backed
// sample channels and event series, and helpers that drive an enumerator as
// the engine does (SetArgs, Start, Seek, Next until the end of the record).
//
// "Online" sources grow: only the first `available` samples (or the events
// below `availableTick`) can be read until the test makes more available or
// marks the record complete.

#include <memory>
#include <string>
#include <vector>

#include "analysis/OvoEventBase.h"
#include "platform/vantrel/ICalcEnum.h"
#include "platform/vantrel/IEnumEventEx.h"
#include "platform/vantrel/ISampleChannel.h"

namespace FakeEngine {

// The samples of one channel in one record, shared by its cursors.
struct SampleData {
    std::vector<float> samples;
    std::size_t available = SIZE_MAX; // samples readable so far
    bool complete = true;
    std::size_t read = 0; // samples handed out by the cursors' reads
    std::size_t Available() const { return std::min(available, samples.size()); }
};

class SampleChannel : public ISampleChannel {
public:
    explicit SampleChannel(std::shared_ptr<SampleData> data, LONG position = 0);
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return ++mRefs; }
    ULONG Release() override;
    HRESULT Read(ULONG maxCount, float* buffer, ULONG* count) override;
    HRESULT GetPosition(LONG* tick) override;
    HRESULT Seek(LONG tick) override;
    HRESULT IsRecordComplete() override { return mData->complete ? S_OK : S_FALSE; }
    HRESULT CloneCursor(ISampleChannel** out) override;
    HRESULT GetEventInfo(CalcEventInfo* info) override;
    HRESULT GetTickPeriod(double* seconds) override;

    // When false, CloneCursor fails (a channel without a second cursor).
    bool clonable = true;

private:
    virtual ~SampleChannel() = default;
    std::shared_ptr<SampleData> mData;
    LONG mPosition;
    ULONG mRefs = 1;
};

// An event series of fixed-size records (an OvoEventBase head first), in tick order.
struct EventData {
    std::uint32_t eventSize = sizeof(OvoEventBase);
    std::vector<unsigned char> records;
    std::int32_t availableTick = INT32_MAX; // events below it are known
    bool complete = true;
    std::size_t Count() const { return records.size() / eventSize; }
    std::int32_t TickAt(std::size_t i) const;
    template <class E> void Add(const E& event) {
        const auto* p = reinterpret_cast<const unsigned char*>(&event);
        records.insert(records.end(), p, p + sizeof(E));
    }
};

class EventSeries : public IEnumEventEx {
public:
    explicit EventSeries(std::shared_ptr<EventData> data);
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return ++mRefs; }
    ULONG Release() override;
    HRESULT Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) override;
    HRESULT Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                 void* event) override;
    HRESULT GetPosition(LONG* tick) override;
    HRESULT Clone(IEnumEventEx** out) override;
    HRESULT GetEventSize(ULONG* bytes) override;
    HRESULT GetDrawClassId(DWORD* id) override;

    int nextCalls = 0;

private:
    virtual ~EventSeries() = default;
    std::shared_ptr<EventData> mData;
    std::size_t mIndex = 0; // next event to deliver
    LONG mPosition = 0;
    ULONG mRefs = 1;
};

// Samples with `available` and `complete` as given.
std::shared_ptr<SampleData> Samples(std::vector<float> samples);
std::shared_ptr<EventData> Events(const std::vector<OvoEventBase>& events);

// Drives enumerator over one record: SetArgs(args) (unless args is null), Start with sources,
// Seek(0). Returns the HRESULT of Start.
HRESULT StartRecord(ICalcEnum* enumerator, const wchar_t* args, std::vector<IUnknown*> sources,
                    double tickPeriod = 0.001, DWORD flags = 0, LONG record = 0);

// Pulls events with Next(limit), `perCall` at a time, until a call returns S_FALSE or no event.
// Events are returned as records of E; *last receives the last HRESULT.
template <class E>
std::vector<E> Pull(ICalcEnum* enumerator, LONG limit = INT32_MAX, ULONG perCall = 8,
                    HRESULT* last = nullptr);

// Reads the arguments back as a std::wstring.
std::wstring ArgsText(ICalcEnum* enumerator);

} // namespace FakeEngine

#include "FakeCalcSources.inl"

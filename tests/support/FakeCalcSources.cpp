#include "FakeCalcSources.h"

#include <algorithm>

#include "core/String.h"

namespace FakeEngine {

SampleChannel::SampleChannel(std::shared_ptr<SampleData> data, LONG position)
    : mData(std::move(data)), mPosition(position) {}

HRESULT SampleChannel::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_ISampleChannel)
        return E_NOINTERFACE;
    *out = static_cast<ISampleChannel*>(this);
    AddRef();
    return S_OK;
}

ULONG SampleChannel::Release() {
    const ULONG left = --mRefs;
    if (left == 0)
        delete this;
    return left;
}

HRESULT SampleChannel::Read(ULONG maxCount, float* buffer, ULONG* count) {
    const std::size_t available = mData->Available();
    const auto position = static_cast<std::size_t>(mPosition);
    const std::size_t n = position < available ? std::min<std::size_t>(maxCount, available - position) : 0;
    std::copy_n(mData->samples.begin() + static_cast<std::ptrdiff_t>(std::min(position, available)), n,
                buffer);
    *count = static_cast<ULONG>(n);
    mData->read += n;
    mPosition += static_cast<LONG>(n);
    const bool atEnd = mData->complete && static_cast<std::size_t>(mPosition) >= mData->samples.size();
    return atEnd ? S_FALSE : S_OK;
}

HRESULT SampleChannel::GetPosition(LONG* tick) {
    *tick = mPosition;
    return S_OK;
}

HRESULT SampleChannel::Seek(LONG tick) {
    mPosition = std::max<LONG>(tick, 0);
    return S_OK;
}

HRESULT SampleChannel::CloneCursor(ISampleChannel** out) {
    *out = nullptr;
    if (!clonable)
        return E_NOTIMPL;
    *out = new SampleChannel(mData, mPosition);
    return S_OK;
}

HRESULT SampleChannel::GetEventInfo(CalcEventInfo* info) {
    *info = CalcEventInfo{};
    return S_OK;
}

HRESULT SampleChannel::GetTickPeriod(double* seconds) {
    *seconds = 0.001;
    return S_OK;
}

std::int32_t EventData::TickAt(std::size_t i) const {
    return ReadEventRecord<OvoEventBase>(records.data() + i * eventSize).tick;
}

EventSeries::EventSeries(std::shared_ptr<EventData> data) : mData(std::move(data)) {}

HRESULT EventSeries::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IEnumEventEx)
        return E_NOINTERFACE;
    *out = static_cast<IEnumEventEx*>(this);
    AddRef();
    return S_OK;
}

ULONG EventSeries::Release() {
    const ULONG left = --mRefs;
    if (left == 0)
        delete this;
    return left;
}

// Every event below the returned tick has been delivered: the next event's tick when it is
// known, else the tick up to which events are known (INT32_MAX once the series is complete).
static LONG SeriesPosition(const EventData& data, std::size_t index) {
    const LONG bound = data.complete ? INT32_MAX : data.availableTick;
    const LONG next = index < data.Count() ? data.TickAt(index) : INT32_MAX;
    return std::min(next, bound);
}

HRESULT EventSeries::Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) {
    ++nextCalls;
    const EventData& data = *mData;
    const ULONG capacity = bufferBytes / data.eventSize;
    ULONG n = 0;
    while (n < capacity && mIndex < data.Count() && data.TickAt(mIndex) < tickLimit &&
           (data.complete || data.TickAt(mIndex) < data.availableTick)) {
        std::memcpy(static_cast<unsigned char*>(buffer) + std::size_t{n} * data.eventSize,
                    data.records.data() + mIndex * data.eventSize, data.eventSize);
        ++n;
        ++mIndex;
    }
    *count = n;
    mPosition = SeriesPosition(data, mIndex);
    *position = mPosition == INT32_MAX ? INT32_MAX : std::min(mPosition, tickLimit);
    return mPosition == INT32_MAX ? S_FALSE : S_OK;
}

HRESULT EventSeries::Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                          void* event) {
    const EventData& data = *mData;
    if (rangeStart >= rangeEnd)
        return S_FALSE;
    const LONG clamped = std::clamp(tick, rangeStart, rangeEnd - 1);
    std::size_t i = 0;
    while (i < data.Count() && data.TickAt(i) < clamped)
        ++i;
    if (backward) {
        while (i < data.Count() && data.TickAt(i) == clamped)
            ++i;
        if (i == 0 || data.TickAt(i - 1) < rangeStart)
            return S_FALSE;
        --i;
    }
    mIndex = i;
    mPosition = SeriesPosition(data, mIndex);
    if (i >= data.Count() || data.TickAt(i) >= rangeEnd || data.TickAt(i) < rangeStart)
        return S_FALSE;
    if (event && eventBytes >= data.eventSize)
        std::memcpy(event, data.records.data() + i * data.eventSize, data.eventSize);
    return S_OK;
}

HRESULT EventSeries::GetPosition(LONG* tick) {
    *tick = SeriesPosition(*mData, mIndex);
    return S_OK;
}

HRESULT EventSeries::Clone(IEnumEventEx** out) {
    *out = new EventSeries(mData);
    return S_OK;
}

HRESULT EventSeries::GetEventSize(ULONG* bytes) {
    *bytes = mData->eventSize;
    return S_OK;
}

HRESULT EventSeries::GetDrawClassId(DWORD* id) {
    *id = 0;
    return S_OK;
}

std::shared_ptr<SampleData> Samples(std::vector<float> samples) {
    auto data = std::make_shared<SampleData>();
    data->samples = std::move(samples);
    return data;
}

std::shared_ptr<EventData> Events(const std::vector<OvoEventBase>& events) {
    auto data = std::make_shared<EventData>();
    for (const OvoEventBase& e : events)
        data->Add(e);
    return data;
}

HRESULT StartRecord(ICalcEnum* enumerator, const wchar_t* args, std::vector<IUnknown*> sources,
                    double tickPeriod, DWORD flags, LONG record) {
    if (args) {
        const Ovo::String text(args);
        IAutoOvoString* rep = text.GetInterface();
        DWORD accepted = 0;
        enumerator->SetArgs(rep, &accepted);
        rep->Release();
    }
    const HRESULT hr = enumerator->Start(record, static_cast<LONG>(sources.size()), sources.data(),
                                         tickPeriod, 0, nullptr, flags);
    if (SUCCEEDED(hr))
        enumerator->Seek(0);
    return hr;
}

std::wstring ArgsText(ICalcEnum* enumerator) {
    IAutoOvoString* text = nullptr;
    enumerator->GetArgs(&text);
    Ovo::String s;
    s.Adopt(text);
    return s.ToWString();
}

} // namespace FakeEngine

#include "host/engine/DocumentData.h"

#include "host/engine/ChannelEventSeries.h"
#include "host/engine/ChannelObject.h"
#include "host/engine/EventStream.h"
#include "host/engine/SampleCursor.h"
#include "host/framework/Text.h"

#include <algorithm>

namespace Vantrel {

DocumentData::DocumentData(Recording& recording) : mRecording(recording) {
    for (std::size_t c = 0; c < recording.channelCount(); ++c)
        mChannels.push_back(ComPtr<ChannelObject>::Adopt(new ChannelObject(recording, c)));
    mSelections.resize(recording.channelCount());
    mRecording.addObserver(this);
}

DocumentData::~DocumentData() {
    mRecording.removeObserver(this);
}

void* DocumentData::find(REFIID iid) {
    if (iid == IID_IDocumentData)
        return static_cast<IDocumentData*>(this);
    if (iid == IID_IChannelLookup)
        return static_cast<IChannelLookup*>(this);
    if (iid == IID_IDocumentChannels)
        return static_cast<IDocumentChannels*>(this);
    if (iid == IID_IOnlineDataSinkRegistry)
        return static_cast<IOnlineDataSinkRegistry*>(this);
    if (iid == IID_IRecordingHost)
        return static_cast<IRecordingHost*>(this);
    return nullptr;
}

ChannelObject* DocumentData::channelObject(std::size_t channel) const {
    return channel < mChannels.size() ? mChannels[channel].Get() : nullptr;
}

bool DocumentData::validRecord(LONG record) const {
    return record >= 0 && record < mRecording.recordCount();
}

bool DocumentData::validChannel(LONG channel) const {
    return channel >= 0 && static_cast<std::size_t>(channel) < mRecording.channelCount();
}

HRESULT DocumentData::GetRecordCount(LONG* count) {
    if (!count)
        return E_POINTER;
    *count = mRecording.recordCount();
    return S_OK;
}

HRESULT DocumentData::GetRecordEndTick(LONG record, LONG* tick) {
    if (!tick)
        return E_POINTER;
    if (!validRecord(record))
        return E_INVALIDARG;
    *tick = mRecording.record(record).tickCount();
    return S_OK;
}

// Every record has the recording's channels; record 0 answers also before the first record exists.
HRESULT DocumentData::GetChannelCount(LONG record, DWORD, LONG* count) {
    if (!count)
        return E_POINTER;
    if (!validRecord(record) && record != 0)
        return E_INVALIDARG;
    *count = static_cast<LONG>(mRecording.channelCount());
    return S_OK;
}

HRESULT DocumentData::GetChannelEvents(LONG channel, LONG record, LONG endTick, IEnumEventEx** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!validChannel(channel) || !validRecord(record))
        return E_INVALIDARG;
    const auto index = static_cast<std::size_t>(channel);
    bool carriesEvents = false;
    for (std::int32_t r = 0; r < mRecording.recordCount() && !carriesEvents; ++r)
        carriesEvents = !mRecording.record(r).events(index).empty();
    if (!carriesEvents)
        return S_FALSE;
    *out = new EventStream(std::make_shared<ChannelEventSeries>(mRecording, index, record), endTick);
    return S_OK;
}

HRESULT DocumentData::GetChannelSamples(LONG channel, DWORD, LONG record, LONG endTick,
                                        ISampleChannel** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!validChannel(channel) || !validRecord(record))
        return E_FAIL;
    FormulaNode node;
    node.kind = FormulaNode::Kind::Channel;
    node.channel = channel;
    auto expression = std::make_shared<SampleExpression>(node, mRecording.channelCount());
    *out = new SampleCursor(mRecording, std::move(expression), record, std::max<LONG>(endTick, 0));
    return S_OK;
}

HRESULT DocumentData::GetChannelUnit(LONG channel, LONG record, DWORD, IUnknown** unit) {
    if (!unit)
        return E_POINTER;
    *unit = nullptr;
    if (!validChannel(channel) || (record != kDataAnyRecord && !validRecord(record)))
        return E_INVALIDARG;
    return mChannels[static_cast<std::size_t>(channel)]->unitIn(record, unit);
}

HRESULT DocumentData::GetChannel(LONG channel, DWORD, IUnknown** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!validChannel(channel))
        return S_FALSE;
    ChannelObject* object = mChannels[static_cast<std::size_t>(channel)].Get();
    object->AddRef();
    *out = static_cast<IChannelInfo*>(object);
    return S_OK;
}

void DocumentData::setSelection(std::size_t channel, HostTickPosition start, HostTickPosition end) {
    mSelections.at(channel) = Selection{start, end};
}

void DocumentData::clearSelection(std::size_t channel) {
    mSelections.at(channel).reset();
}

HRESULT DocumentData::GetChannelCount(LONG* count) {
    if (!count)
        return E_POINTER;
    *count = static_cast<LONG>(mRecording.channelCount());
    return S_OK;
}

HRESULT DocumentData::GetChannelTitle(LONG channel, IAutoOvoString** title) {
    if (!title)
        return E_POINTER;
    *title = nullptr;
    if (!validChannel(channel))
        return E_INVALIDARG;
    *title = MakeString(Utf8ToUtf16(mRecording.channels()[static_cast<std::size_t>(channel)].title));
    return S_OK;
}

HRESULT DocumentData::HasSelection(LONG channel, SHORT* selected) {
    if (!selected)
        return E_POINTER;
    if (!validChannel(channel))
        return E_INVALIDARG;
    *selected = mSelections[static_cast<std::size_t>(channel)] ? static_cast<SHORT>(-1) : SHORT{0};
    return S_OK;
}

HRESULT DocumentData::GetSelection(LONG channel, LONG* startRecord, LONG* startTick, LONG* endRecord,
                                   LONG* endTick) {
    if (!startRecord || !startTick || !endRecord || !endTick)
        return E_POINTER;
    if (!validChannel(channel))
        return E_INVALIDARG;
    const auto& selection = mSelections[static_cast<std::size_t>(channel)];
    if (!selection)
        return S_FALSE;
    *startRecord = selection->start.record;
    *startTick = selection->start.tick;
    *endRecord = selection->end.record;
    *endTick = selection->end.tick;
    return S_OK;
}

HRESULT DocumentData::AddSink(IOnlineDataSink* sink) {
    if (!sink)
        return E_POINTER;
    mSinks.emplace_back(sink);
    return S_OK;
}

void DocumentData::takeSinks(DocumentData& other) {
    mSinks.insert(mSinks.end(), other.mSinks.begin(), other.mSinks.end());
    other.mSinks.clear();
}

HRESULT DocumentData::RemoveSink(IOnlineDataSink* sink) {
    auto it = std::find_if(mSinks.begin(), mSinks.end(), [sink](const auto& s) { return s.Get() == sink; });
    if (it == mSinks.end())
        return S_FALSE;
    mSinks.erase(it);
    return S_OK;
}

template <class Call> void DocumentData::tellSinks(Call call) {
    // A snapshot: a sink may remove itself (or others) while it is told; one removed is not told.
    const std::vector<ComPtr<IOnlineDataSink>> sinks = mSinks;
    for (const auto& sink : sinks)
        if (std::any_of(mSinks.begin(), mSinks.end(), [&](const auto& s) { return s.Get() == sink.Get(); }))
            call(sink.Get());
}

void DocumentData::recordStarted(std::int32_t record) {
    const double period = mRecording.record(record).tickPeriod();
    const LONG info[7] = {};
    tellSinks([&](IOnlineDataSink* s) {
        s->OnStartSampling(record);
        s->OnNewRecord(record, period, info, 1);
    });
}

void DocumentData::samplesAppended(std::int32_t, Tick, Tick count) {
    tellSinks([&](IOnlineDataSink* s) { s->OnNewData(count); });
}

void DocumentData::samplingStopped(std::int32_t record) {
    tellSinks([&](IOnlineDataSink* s) {
        s->OnRecordEnd(record, 0);
        s->OnStopSampling(0);
    });
}

} // namespace Vantrel

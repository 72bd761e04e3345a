#include "FakeLoopHost.h"

#include "core/String.h"
#include "tests/support/ModuleStrings.h"

#include <algorithm>
#include <cstring>

namespace FakeLoopHost {

namespace {

std::string Narrow(BSTR text) {
    return text ? Ovo::String(text).ToUtf8() : std::string();
}

BSTR Copy(const std::string& text) {
    return Ovo::String(text.c_str()).AllocBSTR();
}

// The events of data from fromTick on.
std::shared_ptr<FakeEngine::EventData> From(const FakeEngine::EventData& data, LONG fromTick) {
    auto from = std::make_shared<FakeEngine::EventData>();
    from->eventSize = data.eventSize;
    for (std::size_t i = 0; i < data.Count(); ++i)
        if (data.TickAt(i) >= fromTick)
            from->records.insert(from->records.end(), data.records.begin() + i * data.eventSize,
                                 data.records.begin() + (i + 1) * data.eventSize);
    return from;
}

} // namespace

HostData::~HostData() {
    for (FakeEngine::EventSeries* series : mHandedOut)
        series->Release();
}

HRESULT HostData::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDocumentData)
        *out = static_cast<IDocumentData*>(this);
    else if (iid == IID_IDocumentEvents)
        *out = static_cast<IDocumentEvents*>(this);
    else if (iid == IID_ISampleBlocks)
        *out = static_cast<ISampleBlocks*>(this);
    else if (iid == IID_IVirtualChannelService)
        *out = static_cast<IVirtualChannelService*>(this);
    else if (iid == IID_IChannelLookup)
        *out = static_cast<IChannelLookup*>(this);
    else if (iid == IID_IChannelCalcAssign)
        *out = static_cast<IChannelCalcAssign*>(this);
    if (!*out)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT HostData::GetRecordCount(LONG* count) {
    *count = 0;
    for (const auto& entry : events)
        *count = std::max(*count, entry.first.second + 1);
    return S_OK;
}

HRESULT HostData::GetRecordEndTick(LONG, LONG* tick) {
    *tick = recordEndTick;
    return S_OK;
}

HRESULT HostData::GetChannelCount(LONG, DWORD, LONG* count) {
    *count = 2;
    return S_OK;
}

HRESULT HostData::GetChannelEvents(LONG, LONG, LONG, IEnumEventEx** out) {
    *out = nullptr;
    return S_FALSE;
}

HRESULT HostData::GetChannelSamples(LONG, DWORD, LONG, LONG, ISampleChannel** out) {
    *out = nullptr;
    return E_FAIL;
}

HRESULT HostData::GetChannelUnit(LONG, LONG, DWORD, IUnknown** unit) {
    *unit = nullptr;
    return S_FALSE;
}

HRESULT HostData::CreateEventEnumerator(DWORD source, DWORD channel, DWORD flags, LONG fromTick, LONG record,
                                        LONG endTick, LONG reserved, IEnumEventEx** out) {
    *out = nullptr;
    if (source != (kEventSourceFlag | kEventSourceVirtual) || flags != kEventEnumeratorFlags ||
        endTick != INT32_MAX || reserved != 0)
        return E_INVALIDARG;
    const auto it = events.find({channel, record});
    if (it == events.end())
        return E_INVALIDARG;
    auto* series = new FakeEngine::EventSeries(From(*it->second, fromTick));
    series->AddRef();
    mHandedOut.push_back(series);
    *out = series;
    ++opens;
    return S_OK;
}

bool HostData::ChannelObjectsReleased() const {
    return std::all_of(mChannels.begin(), mChannels.end(),
                       [](const auto& c) { return c.second.references == 1; });
}

int HostData::NextCalls() const {
    int n = 0;
    for (const FakeEngine::EventSeries* series : mHandedOut)
        n += series->nextCalls;
    return n;
}

HRESULT HostData::MarkDataEnd() {
    calls.push_back("MarkDataEnd");
    return S_OK;
}

HRESULT HostData::ReadSamples(LONG channel, LONG record, LONG startTick, LONG count, float* buffer,
                              LONG* read) {
    const auto it = samples.find({channel, record});
    if (it == samples.end() || count < 0)
        return E_INVALIDARG;
    *read = 0;
    for (LONG k = 0; k < count; ++k) {
        const std::int64_t tick = std::int64_t{startTick} + k;
        const bool inside = tick >= 0 && tick < static_cast<std::int64_t>(it->second.size());
        buffer[k] = inside ? it->second[static_cast<std::size_t>(tick)] : 0.0f;
        *read += inside ? 1 : 0;
    }
    return S_OK;
}

HRESULT HostData::CreateChannel(BSTR name, VirtualChannelRef* ref, BSTR* key) {
    const std::string text = Narrow(name);
    calls.push_back("CreateChannel " + text);
    const DWORD channel = text == "tarvik"              ? kLoopChannel
                          : text == "pva"               ? kPvaChannel
                          : text == "pvvolumewithoutvp" ? kVolumeChannel
                                                        : kLoopWithoutVPChannel;
    *ref = {channel, 0xC0000000u};
    *key = Copy("key:" + text);
    return S_OK;
}

HRESULT HostData::SetChannelVisible(BSTR key, WORD visible) {
    calls.push_back("SetChannelVisible " + Narrow(key) + " " + std::to_string(visible));
    return S_OK;
}

HRESULT HostData::SetChannelTitle(BSTR key, BSTR title) {
    calls.push_back("SetChannelTitle " + Narrow(key) + " " + Narrow(title));
    return S_OK;
}

HRESULT HostData::GetChannelKey(VirtualChannelRef ref, BSTR* key) {
    calls.push_back("GetChannelKey " + std::to_string(ref.channel));
    *key = Copy("key" + std::to_string(ref.channel));
    return S_OK;
}

HRESULT HostData::LinkEvents(LONG reserved, LONG channel, DWORD flags, const EventDrawLink* link) {
    calls.push_back("LinkEvents " + std::to_string(reserved) + " " + std::to_string(channel) + " " +
                    std::to_string(flags) + " " + std::to_string(link->events.channel) + " " +
                    std::to_string(link->style));
    return S_OK;
}

HRESULT HostData::UnlinkEvents(LONG channel, VirtualChannelRef ref) {
    calls.push_back("UnlinkEvents " + std::to_string(channel) + " " + std::to_string(ref.channel));
    return S_OK;
}

HRESULT HostData::ReleaseChannel(VirtualChannelRef ref) {
    calls.push_back("ReleaseChannel " + std::to_string(ref.channel));
    return S_OK;
}

HRESULT HostData::RefreshChannel(BSTR key) {
    calls.push_back("RefreshChannel " + Narrow(key));
    return S_OK;
}

HRESULT HostData::GetChannel(LONG channel, DWORD kind, IUnknown** out) {
    *out = nullptr;
    if (kind != kChannelObject)
        return S_FALSE;
    ChannelObject& object = mChannels[channel];
    object.channel = channel;
    object.calls = &calls;
    *out = static_cast<IChannelInfo*>(&object);
    object.AddRef();
    return S_OK;
}

HRESULT HostData::AssignCalculation(IUnknown* channel, IUnknown* calculation, IUnknown* unit) {
    IChannelInfo* info = nullptr;
    ICalcObjectText* texts = nullptr;
    if (FAILED(channel->QueryInterface(IID_IChannelInfo, reinterpret_cast<void**>(&info))) ||
        FAILED(calculation->QueryInterface(IID_ICalcObjectText, reinterpret_cast<void**>(&texts))))
        return E_INVALIDARG;
    const auto* object = static_cast<ChannelObject*>(info);
    const auto* calc = static_cast<CalcObject*>(texts);
    calls.push_back("Assign " + std::to_string(object->channel) + " " + calc->name + ": " + calc->formula);
    const bool refused = calc->formula == refusedFormula;
    info->Release();
    texts->Release();
    return refused ? E_FAIL : S_OK;
}

HRESULT CalcObject::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_ICalcObjectText)
        return E_NOINTERFACE;
    *out = static_cast<ICalcObjectText*>(this);
    AddRef();
    return S_OK;
}

ULONG CalcObject::Release() {
    const ULONG left = --mReferences;
    if (left == 0)
        delete this;
    return left;
}

HRESULT CalcObject::SetTexts(IAutoOvoString* nameText, IAutoOvoString* formulaText, WORD) {
    name = Ovo::String(nameText).ToUtf8();
    formula = Ovo::String(formulaText).ToUtf8();
    return S_OK;
}

HRESULT ChannelObject::QueryInterface(REFIID iid, void** out) {
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IChannelInfo)
        *out = static_cast<IChannelInfo*>(this);
    else if (iid == IID_IChannelDataReset)
        *out = static_cast<IChannelDataReset*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT ChannelObject::GetUnit(IUnknown** unit) {
    *unit = static_cast<IChannelInfo*>(this); // any object stands for the unit here
    AddRef();
    return S_OK;
}

HRESULT ChannelObject::DropData() {
    calls->push_back("DropData " + std::to_string(channel));
    return S_OK;
}

HMODULE Document::GetResourceModule() {
    return TarvikTest::StringTableModule();
}

bool Document::ShowsTableParameter(std::int32_t id) {
    return std::find(tableIds.begin(), tableIds.end(), id) != tableIds.end();
}

void Document::ApplyChannelScaling(std::uint32_t channel, double& value) {
    const auto it = scaling.find(channel);
    if (it != scaling.end())
        value = (value + it->second.first) * it->second.second;
}

Tarvik::TarvikEvent MakeLoop(const LoopValues& v) {
    Tarvik::TarvikEvent e;
    e.tick = v.tick;
    e.loopStartTick = v.tick;
    e.state = v.state;
    e.ved = v.ved;
    e.ped = v.ped;
    e.ves = v.ves;
    e.pes = v.pes;
    e.vMax = v.ved;
    e.vMin = v.ves;
    e.pMax = v.pes;
    e.pMin = v.ped;
    e.sw = (v.ved - v.ves) * (v.pes - v.ped);
    e.dPdtMax = 10.0 * v.pes;
    return e;
}

Tarvik::TarvikEvent LastInBlock(std::int32_t tick) {
    Tarvik::TarvikEvent e;
    e.tick = tick;
    e.loopStartTick = tick;
    e.state = Tarvik::TarvikEvent::LastInBlock;
    return e;
}

} // namespace FakeLoopHost

#include "host/engine/VirtualChannelDocument.h"

#include "host/engine/CalcObject.h"
#include "host/engine/FormulaError.h"
#include "host/engine/FormulaParser.h"
#include "host/engine/HostBitset.h"
#include "host/engine/RecordEventStream.h"
#include "platform/vantrel/IStrevDataChildData.h"

#include <algorithm>
#include <cctype>

namespace Vantrel {

namespace {

std::u16string Text(BSTR text) {
    return text ? std::u16string(text, SysStringLen(text)) : std::u16string();
}

BSTR NewBSTR(const std::u16string& text) {
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

} // namespace

VirtualChannelDocument::VirtualChannelDocument(ComPtr<DocumentData> data, ComPtr<ICalcService> classes)
    : mData(std::move(data)), mEngine(mData->recording(), std::move(classes),
                                      ComPtr<IUnknown>(static_cast<IDocumentData*>(mData.Get()))) {}

VirtualChannelDocument::~VirtualChannelDocument() {
    for (const auto& channel : mChannels)
        channel->object->detach();
}

const VirtualChannelDocument::Channel* VirtualChannelDocument::channel(std::u16string_view name) const {
    for (const auto& channel : mChannels)
        if (channel->name == name)
            return channel.get();
    return nullptr;
}

// The wrapped document data answers what this object does not.
HRESULT VirtualChannelDocument::QueryInterface(REFIID iid, void** out) {
    const HRESULT hr = ComObject::QueryInterface(iid, out);
    if (hr != E_NOINTERFACE)
        return hr;
    return static_cast<IDocumentData*>(mData.Get())->QueryInterface(iid, out);
}

void* VirtualChannelDocument::find(REFIID iid) {
    if (iid == IID_IDocumentData)
        return static_cast<IDocumentData*>(this);
    if (iid == IID_IChannelLookup)
        return static_cast<IChannelLookup*>(this);
    if (iid == IID_IVirtualChannelService)
        return static_cast<IVirtualChannelService*>(this);
    if (iid == IID_IDocumentEvents)
        return static_cast<IDocumentEvents*>(this);
    if (iid == IID_ISampleBlocks)
        return static_cast<ISampleBlocks*>(this);
    if (iid == IID_IChannelCalcAssign)
        return static_cast<IChannelCalcAssign*>(this);
    if (iid == IID_IHostDataObject)
        return static_cast<IHostDataObject*>(this);
    if (iid == IID_IDocumentDataEx)
        return static_cast<IDocumentDataEx*>(this);
    return nullptr;
}

HRESULT VirtualChannelDocument::GetRecordCount(LONG* count) {
    return mData->GetRecordCount(count);
}

HRESULT VirtualChannelDocument::GetRecordEndTick(LONG record, LONG* tick) {
    return mData->GetRecordEndTick(record, tick);
}

HRESULT VirtualChannelDocument::GetChannelCount(LONG record, DWORD flags, LONG* count) {
    return mData->GetChannelCount(record, flags, count);
}

HRESULT VirtualChannelDocument::GetChannelEvents(LONG channel, LONG record, LONG endTick,
                                                 IEnumEventEx** out) {
    return mData->GetChannelEvents(channel, record, endTick, out);
}

HRESULT VirtualChannelDocument::GetChannelSamples(LONG channel, DWORD flags, LONG record, LONG endTick,
                                                  ISampleChannel** out) {
    return mData->GetChannelSamples(channel, flags, record, endTick, out);
}

HRESULT VirtualChannelDocument::GetChannelUnit(LONG channel, LONG record, DWORD flags, IUnknown** unit) {
    if (unit && (record == kDataAnyRecord || (record >= 0 && record < mData->recording().recordCount()))) {
        if (Channel* c = byNumber(channel))
            return c->object->GetUnit(unit);
        if (IUnknown* given = appliedUnit(channel)) {
            *unit = given;
            given->AddRef();
            return S_OK;
        }
    }
    return mData->GetChannelUnit(channel, record, flags, unit);
}

HRESULT VirtualChannelDocument::GetChannel(LONG channel, DWORD kind, IUnknown** out) {
    if (!out)
        return E_POINTER;
    Channel* virtualChannel = byNumber(channel);
    if (!virtualChannel)
        return mData->GetChannel(channel, kind, out);
    *out = nullptr;
    if (kind != kChannelObject)
        return S_FALSE;
    *out = static_cast<IChannelInfo*>(virtualChannel->object.Get());
    (*out)->AddRef();
    return S_OK;
}

VirtualChannelDocument::Channel* VirtualChannelDocument::byNumber(LONG channel) {
    for (const auto& c : mChannels)
        if (static_cast<LONG>(c->ref.channel) == channel)
            return c.get();
    return nullptr;
}

VirtualChannelDocument::Channel* VirtualChannelDocument::byKey(BSTR key) {
    const std::u16string name = Text(key);
    for (const auto& c : mChannels)
        if (c->name == name)
            return c.get();
    return nullptr;
}

VirtualChannelDocument::Channel* VirtualChannelDocument::byRef(const VirtualChannelRef& ref) {
    Channel* c = ref.IsDefined() ? byNumber(static_cast<LONG>(ref.channel)) : nullptr;
    return c && c->ref == ref ? c : nullptr;
}

HRESULT VirtualChannelDocument::CreateChannel(BSTR name, VirtualChannelRef* ref, BSTR* key) {
    if (!ref || !key)
        return E_POINTER;
    const std::u16string text = Text(name);
    if (text.empty())
        return E_INVALIDARG;
    Channel* existing = byKey(name);
    if (!existing) {
        auto created = std::make_unique<Channel>();
        created->name = text;
        const auto number = static_cast<LONG>(mData->recording().channelCount() + mChannels.size());
        created->ref = {static_cast<DWORD>(number), 0xC0000000u};
        created->object = ComPtr<VirtualChannelObject>::Adopt(
            new VirtualChannelObject(number, [this](LONG channel) { drop(channel); }));
        existing = created.get();
        mChannels.push_back(std::move(created));
    }
    *ref = existing->ref;
    *key = NewBSTR(existing->name);
    return S_OK;
}

Calculation VirtualChannelDocument::compile(std::u16string_view formula) const {
    return mEngine.compile(formula, channelFormulas());
}

void VirtualChannelDocument::setSelection(
    std::optional<std::pair<HostTickPosition, HostTickPosition>> selection) {
    for (std::size_t c = 0; c < mData->recording().channelCount(); ++c) {
        if (selection)
            mData->setSelection(c, selection->first, selection->second);
        else
            mData->clearSelection(c);
    }
}

HRESULT VirtualChannelDocument::defineChannel(std::u16string_view name, std::u16string_view title,
                                              std::u16string_view formula) {
    std::unique_ptr<Calculation> compiled;
    std::string error;
    if (FAILED(mEngine.tryCompile(std::u16string(formula), compiled, error, channelFormulas())))
        return E_INVALIDARG;
    VirtualChannelRef ref;
    BSTR key = nullptr;
    BSTR text = NewBSTR(std::u16string(name));
    const HRESULT hr = CreateChannel(text, &ref, &key);
    SysFreeString(text);
    SysFreeString(key);
    if (FAILED(hr))
        return hr;
    Channel& c = *byNumber(static_cast<LONG>(ref.channel));
    c.title = title;
    c.visible = true;
    c.formula = formula;
    c.calculation = std::move(compiled);
    c.sources = sourcesOf(formula);
    c.events.clear();
    c.dropped.clear();
    return S_OK;
}

HRESULT VirtualChannelDocument::FindChannel(BSTR name, VirtualChannelRef* ref) {
    if (!ref)
        return E_POINTER;
    const Channel* c = byKey(name);
    if (!c)
        return E_INVALIDARG;
    *ref = c->ref;
    return S_OK;
}

HRESULT VirtualChannelDocument::GetChannelName(ULONG index, BSTR* name) {
    if (!name)
        return E_POINTER;
    *name = nullptr;
    if (index >= mChannels.size())
        return S_FALSE;
    *name = NewBSTR(mChannels[index]->name);
    return S_OK;
}

HRESULT VirtualChannelDocument::GetChannelTitle(BSTR name, BSTR* title) {
    if (!title)
        return E_POINTER;
    *title = nullptr;
    const Channel* c = byKey(name);
    if (!c)
        return E_INVALIDARG;
    *title = NewBSTR(c->title);
    return S_OK;
}

HRESULT VirtualChannelDocument::IsEventChannel(BSTR name, WORD* events) {
    if (!events)
        return E_POINTER;
    const Channel* c = byKey(name);
    if (!c)
        return E_INVALIDARG;
    *events = c->calculation && c->calculation->givesEvents() ? 0xFFFF : 0;
    return S_OK;
}

HRESULT VirtualChannelDocument::SetChannelVisible(BSTR key, WORD visible) {
    Channel* c = byKey(key);
    if (!c)
        return E_INVALIDARG;
    c->visible = visible != 0;
    return S_OK;
}

HRESULT VirtualChannelDocument::SetChannelTitle(BSTR key, BSTR title) {
    Channel* c = byKey(key);
    if (!c)
        return E_INVALIDARG;
    c->title = Text(title);
    return S_OK;
}

HRESULT VirtualChannelDocument::GetChannelKey(VirtualChannelRef ref, BSTR* key) {
    if (!key)
        return E_POINTER;
    *key = nullptr;
    Channel* c = byRef(ref);
    if (!c)
        return E_INVALIDARG;
    *key = NewBSTR(c->name);
    return S_OK;
}

HRESULT VirtualChannelDocument::LinkEvents(LONG, LONG channel, DWORD, const EventDrawLink* link) {
    if (!link)
        return E_POINTER;
    if (!byRef(link->events) || channel < 0)
        return E_INVALIDARG;
    mLinks.emplace(channel, *link);
    return S_OK;
}

HRESULT VirtualChannelDocument::UnlinkEvents(LONG channel, VirtualChannelRef ref) {
    const auto [first, last] = mLinks.equal_range(channel);
    const auto it = std::find_if(first, last, [&](const auto& entry) { return entry.second.events == ref; });
    if (it == last)
        return S_FALSE;
    mLinks.erase(it);
    return S_OK;
}

HRESULT VirtualChannelDocument::ReleaseChannel(VirtualChannelRef ref) {
    Channel* c = byRef(ref);
    if (!c)
        return E_INVALIDARG;
    c->formula.clear();
    c->calculation.reset();
    c->events.clear();
    c->dropped.clear();
    return S_OK;
}

HRESULT VirtualChannelDocument::RefreshChannel(BSTR key) {
    Channel* c = byKey(key);
    if (!c)
        return E_INVALIDARG;
    c->events.clear();
    c->dropped.clear();
    return S_OK;
}

// The events of the channels that read it are set aside with the channel's.
void VirtualChannelDocument::drop(LONG channel) {
    for (const auto& c : mChannels)
        if ((static_cast<LONG>(c->ref.channel) == channel || c->sources.count(channel) > 0) &&
            c->calculation && !c->events.empty()) {
            c->dropped = std::move(c->events);
            c->droppedKey = c->calculation->key();
            c->events.clear();
        }
}

HRESULT VirtualChannelDocument::MarkDataEnd() {
    ++mDataEnds;
    return S_OK;
}

HRESULT VirtualChannelDocument::AssignCalculation(IUnknown* channel, IUnknown* calculation, IUnknown*) {
    ComPtr<IUnknown> channelHolder(channel), calcHolder(calculation);
    auto info = channelHolder.Query<IChannelInfo>(IID_IChannelInfo);
    auto object = calcHolder.Query<ICalcObject>(IID_ICalcObject);
    auto* target = dynamic_cast<VirtualChannelObject*>(info.Get());
    auto* source = dynamic_cast<CalcObject*>(object.Get());
    Channel* c = target ? byNumber(target->channel()) : nullptr;
    if (!c || !source)
        return E_INVALIDARG;
    std::unique_ptr<Calculation> compiled;
    std::string error;
    const std::u16string formula = source->formula();
    if (FAILED(mEngine.tryCompile(formula, compiled, error, channelFormulas())))
        return E_INVALIDARG;
    if (!c->calculation || c->calculation->key() != compiled->key())
        c->events.clear();
    if (c->events.empty() && !c->dropped.empty() && c->droppedKey == compiled->key())
        c->events = std::move(c->dropped);
    c->dropped.clear();
    c->formula = formula;
    c->calculation = std::move(compiled);
    c->sources = sourcesOf(formula);
    return S_OK;
}

CalcEngine::ChannelFormulas VirtualChannelDocument::channelFormulas() const {
    return [this](const std::string& name) -> std::optional<CalcEngine::NamedChannel> {
        for (const auto& c : mChannels) {
            if (c->formula.empty() || c->name.size() != name.size())
                continue;
            if (!std::equal(name.begin(), name.end(), c->name.begin(), [](char a, char16_t b) {
                    return b < 0x80 && a == std::tolower(static_cast<unsigned char>(b));
                }))
                continue;
            CalcEngine::NamedChannel named{c->formula, {}};
            if (c->calculation && c->calculation->givesEvents())
                named.events = [alive = std::weak_ptr<VirtualChannelDocument* const>(mAlive),
                                channel = static_cast<LONG>(c->ref.channel),
                                formula = c->formula](std::int32_t record) -> RecordEventStream::Events {
                    const auto self = alive.lock();
                    return self ? (*self)->keptEvents(channel, formula, record) : nullptr;
                };
            return named;
        }
        return std::nullopt;
    };
}

RecordEventStream::Events VirtualChannelDocument::keptEvents(LONG number, const std::u16string& formula,
                                                             std::int32_t record) {
    Channel* c = byNumber(number);
    const Recording& recording = mData->recording();
    if (!c || c->formula != formula || !c->calculation || record < 0 || record >= recording.recordCount() ||
        !SampleExpression::recordComplete(recording, record))
        return nullptr;
    std::shared_ptr<const std::vector<std::byte>> events;
    return SUCCEEDED(recordEvents(*c, record, events)) ? events : nullptr;
}

std::set<std::int32_t> VirtualChannelDocument::sourcesOf(std::u16string_view formula) const {
    std::set<std::int32_t> sources;
    const auto walk = [&](const FormulaNode& node, const auto& self) -> void {
        if (node.kind == FormulaNode::Kind::Channel)
            sources.insert(node.channel);
        for (const auto& c : mChannels) {
            if (node.kind != FormulaNode::Kind::Name || c->formula.empty())
                continue;
            std::string name(c->name.begin(), c->name.end());
            std::transform(name.begin(), name.end(), name.begin(), [](char ch) {
                return static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            });
            if (name != node.name)
                continue;
            sources.insert(static_cast<std::int32_t>(c->ref.channel));
            sources.insert(c->sources.begin(), c->sources.end());
        }
        for (const FormulaNode& operand : node.operands)
            self(operand, self);
    };
    try {
        walk(FormulaParser::parse(formula), walk);
    } catch (const FormulaError&) {
    }
    return sources;
}

HRESULT VirtualChannelDocument::recordEvents(Channel& channel, LONG record,
                                             std::shared_ptr<const std::vector<std::byte>>& events) {
    try {
        events = computedEvents(channel, record);
        return S_OK;
    } catch (const std::exception&) {
        return E_FAIL;
    }
}

std::shared_ptr<const std::vector<std::byte>> VirtualChannelDocument::computedEvents(Channel& channel,
                                                                                     std::int32_t record) {
    const Recording& recording = mData->recording();
    if (recording.sampling() && record == recording.recordCount() - 1)
        return std::make_shared<const std::vector<std::byte>>(channel.calculation->events(record));
    if (const auto kept = channel.events.find(record); kept != channel.events.end())
        return kept->second;
    auto events = std::make_shared<const std::vector<std::byte>>(channel.calculation->events(record));
    channel.events.emplace(record, events);
    return events;
}

std::shared_ptr<const std::vector<std::byte>> VirtualChannelDocument::channelEvents(std::u16string_view name,
                                                                                    std::int32_t record) {
    for (const auto& c : mChannels)
        if (c->name == name && c->calculation && c->calculation->givesEvents() && record >= 0 &&
            record < mData->recording().recordCount())
            return computedEvents(*c, record);
    return nullptr;
}

HRESULT VirtualChannelDocument::CreateEventEnumerator(DWORD source, DWORD channel, DWORD, LONG fromTick,
                                                      LONG record, LONG endTick, LONG, IEnumEventEx** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    Channel* c = byNumber(static_cast<LONG>(channel));
    if (source != (kEventSourceFlag | kEventSourceVirtual) || !c || record < 0 ||
        record >= mData->recording().recordCount())
        return E_INVALIDARG;
    if (!c->calculation || !c->calculation->givesEvents())
        return E_FAIL;
    std::shared_ptr<const std::vector<std::byte>> events;
    if (const HRESULT hr = recordEvents(*c, record, events); FAILED(hr))
        return hr;
    const Recording& recording = mData->recording();
    if (recording.sampling() && record == recording.recordCount() - 1) {
        // Held by the stream: the channel's calculation as it is now, over the growing record.
        const std::shared_ptr<const Calculation> calculation = c->calculation;
        const ComPtr<VirtualChannelDocument> self(this);
        auto source = [calculation, self, record]() -> std::pair<RecordEventStream::Events, bool> {
            const Recording& r = self->mData->recording();
            const bool complete = !(r.sampling() && record == r.recordCount() - 1);
            try {
                return {std::make_shared<const std::vector<std::byte>>(calculation->events(record)),
                        complete};
            } catch (const std::exception&) {
                return {std::make_shared<const std::vector<std::byte>>(), complete};
            }
        };
        auto* stream = new RecordEventStream(RecordEventStream::Source(source), calculation->eventSize(),
                                             fromTick, endTick);
        stream->setDrawClassSource([calculation] { return calculation->drawClassId(); });
        *out = stream;
        return S_OK;
    }
    auto* stream = new RecordEventStream(events, c->calculation->eventSize(), fromTick, endTick);
    stream->setDrawClassSource([calculation = c->calculation] { return calculation->drawClassId(); });
    *out = stream;
    return S_OK;
}

HRESULT VirtualChannelDocument::ReadSamples(LONG channel, LONG record, LONG startTick, LONG count,
                                            float* buffer, LONG* read) {
    const Recording& recording = mData->recording();
    if (!buffer || !read || count < 0 || record < 0 || record >= recording.recordCount() || channel < 0 ||
        static_cast<std::size_t>(channel) >= recording.channelCount())
        return E_INVALIDARG;
    const std::span<const float> samples =
        recording.record(record).samples(static_cast<std::size_t>(channel));
    *read = 0;
    for (LONG k = 0; k < count; ++k) {
        const std::int64_t tick = std::int64_t{startTick} + k;
        const bool inside = tick >= 0 && tick < static_cast<std::int64_t>(samples.size());
        buffer[k] = inside ? samples[static_cast<std::size_t>(tick)] : 0.0f;
        *read += inside ? 1 : 0;
    }
    return S_OK;
}

HRESULT VirtualChannelDocument::GetRecordTotal(DWORD, LONG* count) {
    return mData->GetRecordCount(count);
}

HRESULT VirtualChannelDocument::GetRecordTicks(DWORD, LONG record, LONG* ticks) {
    return mData->GetRecordEndTick(record, ticks);
}

HRESULT VirtualChannelDocument::GetDataEnd(DWORD, HostTickPosition* end) {
    if (!end)
        return E_POINTER;
    const Recording& recording = mData->recording();
    *end = {0, 0};
    if (recording.recordCount() == 0)
        return S_OK;
    const std::int32_t last = recording.recordCount() - 1;
    *end = {last, static_cast<LONG>(recording.record(last).tickCount())};
    return S_OK;
}

HRESULT VirtualChannelDocument::GetChannelConversion(DWORD flags, LONG record, LONG channel,
                                                     IUnknown** conversion) {
    return GetChannelUnit(channel, record, flags, conversion);
}

HRESULT VirtualChannelDocument::GetChannelSettings(DWORD, IUnknown** settings) {
    if (!settings)
        return E_POINTER;
    *settings = static_cast<IChannelLookup*>(this);
    AddRef();
    return S_OK;
}

HRESULT VirtualChannelDocument::ApplyChannelUnit(DWORD, DWORD, LONG channel, DWORD, IUnknown* unit) {
    return applyUnit(channel, unit);
}

HRESULT VirtualChannelDocument::applyUnit(LONG channel, IUnknown* unit) {
    if (!unit)
        return E_POINTER;
    if (Channel* c = byNumber(channel)) {
        c->object->setUnit(ComPtr<IUnknown>(unit));
        return S_OK;
    }
    if (channel < 0 || static_cast<std::size_t>(channel) >= mData->recording().channelCount())
        return E_INVALIDARG;
    mUnits[channel] = ComPtr<IUnknown>(unit);
    return S_OK;
}

IUnknown* VirtualChannelDocument::appliedUnit(LONG channel) const {
    const auto it = mUnits.find(channel);
    return it != mUnits.end() ? it->second.Get() : nullptr;
}

HRESULT VirtualChannelDocument::SetChildData(DWORD, IUnknown* data) {
    const auto child = QueryInterfacePtr<IStrevDataChildData>(data, IID_IStrevDataChildData);
    DWORD type = 0;
    if (!child || FAILED(child->GetTypeId(&type)))
        return E_INVALIDARG;
    mChildData[type] = ComPtr<IUnknown>(data);
    return S_OK;
}

IUnknown* VirtualChannelDocument::childData(DWORD typeId) const {
    const auto it = mChildData.find(typeId);
    return it != mChildData.end() ? it->second.Get() : nullptr;
}

HRESULT VirtualChannelDocument::GetCalculationSources(DWORD, VirtualChannelRef calculation,
                                                      IOvoBitset** events, IOvoBitset** channels, WORD) {
    if (!events || !channels)
        return E_POINTER;
    *events = *channels = nullptr;
    Channel* c = byRef(calculation);
    if (!c)
        return E_INVALIDARG;
    auto eventSet = ComPtr<HostBitset>::Adopt(new HostBitset);
    auto channelSet = ComPtr<HostBitset>::Adopt(new HostBitset);
    for (std::int32_t source : c->sources) {
        eventSet->set(static_cast<std::uint32_t>(source));
        channelSet->set(static_cast<std::uint32_t>(source));
    }
    *events = eventSet.Detach();
    *channels = channelSet.Detach();
    return S_OK;
}

HRESULT VirtualChannelDocument::GetDrawnEvents(LONG channel, DWORD, ULONG index, EventDrawLink* link) {
    if (!link)
        return E_POINTER;
    auto [first, last] = mLinks.equal_range(channel);
    for (ULONG i = 0; first != last; ++first, ++i)
        if (i == index) {
            *link = first->second;
            return S_OK;
        }
    return S_FALSE;
}

} // namespace Vantrel

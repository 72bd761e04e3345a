#include "analysis/VChanData.h"

#include "analysis/ChannelOperations.h"
#include "platform/win32/com_ptr.h"

#include "platform/vantrel/IVirtualChannelService.h"

namespace Tarvik {

namespace {

constexpr const char16_t* kChannelNames[VChanData::kChannelCount] = {u"tarvik", u"pva", u"pvvolumewithoutvp",
                                                                     u"pveventwithoutvp"};
constexpr const char16_t* kLoopChannelTitle = u"Tarvik";

// A BSTR freed when it goes.
class Text {
public:
    explicit Text(const char16_t* text = nullptr) : mB(text ? SysAllocString(text) : nullptr) {}
    ~Text() { SysFreeString(mB); }
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    BSTR get() const { return mB; }
    BSTR* put() {
        SysFreeString(mB);
        mB = nullptr;
        return &mB;
    }

private:
    BSTR mB;
};

} // namespace

VChanData::VChanData(IDocumentData* document, CalculationFactory calculations)
    : mDocument(document), mCalculations(std::move(calculations)) {
    Reset();
}

// The copy has its own statistics and readers that open their records on first use.
VChanData::VChanData(const VChanData& other)
    : VChanDataInit(other), mStats(other.mStats ? std::make_unique<EventStats>(*other.mStats) : nullptr),
      mDocument(other.mDocument), mCalculations(other.mCalculations), mRefs(other.mRefs),
      mDefined(other.mDefined) {}

VChanData::~VChanData() = default;

void VChanData::DefineChannels() {
    if (mRefs[Loops].IsDefined())
        return;
    const auto service = QueryInterfacePtr<IVirtualChannelService>(mDocument, IID_IVirtualChannelService);
    if (!service)
        return;
    for (int c = 0; c < kChannelCount; ++c) {
        Text name(kChannelNames[c]), key;
        VirtualChannelRef ref;
        if (FAILED(service->CreateChannel(name.get(), &ref, key.put())))
            continue;
        mRefs[static_cast<std::size_t>(c)] = ref;
        if (c == Loops) {
            Text title(kLoopChannelTitle);
            service->SetChannelVisible(key.get(), 0xFFFF);
            service->SetChannelTitle(key.get(), title.get());
        }
    }
}

bool VChanData::SetLoopCalculation(const Ovo::String& loops, const Ovo::String& volume,
                                   const Ovo::String& loopsWithoutVP) {
    const auto events = QueryInterfacePtr<IDocumentEvents>(mDocument, IID_IDocumentEvents);
    if (events)
        events->MarkDataEnd();
    mDefined = 0xFFFF;
    if (!SetCalculation(Loops, loops))
        return false;
    SetCalculation(VolumeWithoutVP, volume);
    SetCalculation(LoopsWithoutVP, loopsWithoutVP);
    return true;
}

void VChanData::SetPVACalculation(const Ovo::String& text) {
    if (mRefs[Loops].IsDefined())
        SetCalculation(Pva, text);
}

bool VChanData::ReleaseChannels() {
    if (!mDefined)
        return false;
    const auto service = QueryInterfacePtr<IVirtualChannelService>(mDocument, IID_IVirtualChannelService);
    if (service)
        for (Channel c : {Loops, VolumeWithoutVP, LoopsWithoutVP, Pva})
            service->ReleaseChannel(mRefs[c]);
    mDefined = 0;
    Reset();
    return true;
}

bool VChanData::GetChannelRefs(VirtualChannelRef& loops, VirtualChannelRef& pva) const {
    loops = mRefs[Loops];
    pva = mRefs[Pva];
    return mRefs[Loops].IsDefined();
}

void VChanData::RefreshChannels() {
    const auto service = QueryInterfacePtr<IVirtualChannelService>(mDocument, IID_IVirtualChannelService);
    if (!service)
        return;
    for (const VirtualChannelRef& ref : mRefs) {
        Text key;
        if (SUCCEEDED(service->GetChannelKey(ref, key.put())))
            service->RefreshChannel(key.get());
    }
}

void VChanData::MoveMarkerLink(std::int32_t oldChannel, std::int32_t newChannel, bool show) {
    const auto service = QueryInterfacePtr<IVirtualChannelService>(mDocument, IID_IVirtualChannelService);
    if (!service)
        return;
    if (oldChannel != -1)
        service->UnlinkEvents(oldChannel, mRefs[Loops]);
    if (show && mRefs[Loops].IsDefined()) {
        const EventDrawLink link{mRefs[Loops], kEventDrawLoopMarkers, 0};
        service->LinkEvents(0, newChannel, kEventLinkFlags, &link);
    }
}

void VChanData::AddLoop(std::int32_t record, const TarvikEvent& e) {
    if (!mStats)
        mStats = std::make_unique<EventStats>();
    mStats->AddEvent(record, e);
}

void VChanData::Reset() {
    mStats.reset();
    mLoopReader.Reset();
    mPvaReader.Reset();
    mWithoutVPReader.Reset();
}

bool VChanData::Locate(Space space, std::int32_t i, Place& place) const {
    if (i < 0 || !mStats)
        return false;
    // An index past the counted loops has no record: the host may hold more events than were
    // counted (while sampling), and any of them would be the wrong loop.
    if (space == Space::Global) {
        if (i >= mStats->total())
            return false;
        place.record = mStats->FindRecord(i, place.offset);
        place.stateKey = i;
    } else {
        if (i >= mStats->included())
            return false;
        place.record = mStats->FindRecordIncluded(i, place.offset);
        place.stateKey = mStats->IncludedToRow(i);
    }
    return true;
}

bool VChanData::ReadEvent(VChanEventReader& reader, Channel channel, Space space, std::int32_t i, void* out,
                          std::uint32_t bytes, Place& place) {
    if (!Locate(space, i, place))
        return false;
    const auto events = QueryInterfacePtr<IDocumentEvents>(mDocument, IID_IDocumentEvents);
    return reader.Read(events.Get(), mRefs[channel].channel, i, place.record, place.offset, out, bytes);
}

bool VChanData::ReadLoop(VChanEventReader& reader, Channel channel, Space space, std::int32_t i,
                         TarvikEvent& out) {
    Place place;
    if (!ReadEvent(reader, channel, space, i, &out, sizeof(TarvikEvent), place))
        return false;
    if (mStats->GetEventState(place.stateKey) == TarvikEvent::Marked)
        out.state = TarvikEvent::Marked;
    return true;
}

bool VChanData::ReadLoopWithoutVP(Space space, std::int32_t i, TarvikEvent& out) {
    if (!ReadLoop(mWithoutVPReader, LoopsWithoutVP, space, i, out))
        return false;
    TarvikEvent loop;
    if (ReadLoop(mLoopReader, Loops, space, i, loop) && loop.state == TarvikEvent::Marked)
        out.state = TarvikEvent::Marked;
    return true;
}

TickPosition VChanData::ReadPosition(Space space, std::int32_t i) {
    Place place;
    TarvikEvent loop;
    if (!ReadEvent(mLoopReader, Loops, space, i, &loop, sizeof(TarvikEvent), place))
        return TickPosition::None();
    return {place.record, loop.tick};
}

bool VChanData::GetLoopByIndex(std::int32_t i, TarvikEvent& out) {
    return ReadLoop(mLoopReader, Loops, Space::Global, i, out);
}

bool VChanData::GetLoop(std::int32_t i, TarvikEvent& out) {
    return ReadLoop(mLoopReader, Loops, Space::Included, i, out);
}

bool VChanData::GetPVAByIndex(std::int32_t i, PVAEvent& out) {
    Place place;
    return ReadEvent(mPvaReader, Pva, Space::Global, i, &out, sizeof(PVAEvent), place);
}

bool VChanData::GetPVA(std::int32_t i, PVAEvent& out) {
    Place place;
    return ReadEvent(mPvaReader, Pva, Space::Included, i, &out, sizeof(PVAEvent), place);
}

bool VChanData::GetLoopWithoutVPByIndex(std::int32_t i, TarvikEvent& out) {
    return ReadLoopWithoutVP(Space::Global, i, out);
}

bool VChanData::GetLoopWithoutVP(std::int32_t i, TarvikEvent& out) {
    return ReadLoopWithoutVP(Space::Included, i, out);
}

TickPosition VChanData::GetLoopPositionByIndex(std::int32_t i) {
    return ReadPosition(Space::Global, i);
}

TickPosition VChanData::GetLoopPosition(std::int32_t i) {
    return ReadPosition(Space::Included, i);
}

// The formula goes to the host in a new calculation object named after the channel, assigned to it.
bool VChanData::SetCalculation(Channel channel, const Ovo::String& text) {
    const auto calculation = ComPtr<IUnknown>::Adopt(mCalculations ? mCalculations() : nullptr);
    return calculation &&
           ExtLib::SetChannelCalculation(mDocument, calculation.Get(), Ovo::String(kChannelNames[channel]),
                                         text, static_cast<std::int32_t>(mRefs[channel].channel));
}

std::int32_t VChanData::FindLoopAt(std::int32_t record, std::int32_t tick) {
    if (!mStats || record < 0 || static_cast<std::size_t>(record) >= mStats->records().size())
        return -1;
    const EventStats::RecordStats& counted = mStats->records()[static_cast<std::size_t>(record)];
    const auto events = QueryInterfacePtr<IDocumentEvents>(mDocument, IID_IDocumentEvents);
    VChanEventReader reader;
    OvoEventBase head;
    for (std::int32_t k = 0; k < counted.count; ++k) {
        if (!reader.Read(events.Get(), mRefs[Loops].channel, k, record, k, &head, sizeof(head)))
            return -1;
        if (head.tick == tick)
            return counted.first + k;
    }
    return -1;
}

} // namespace Tarvik

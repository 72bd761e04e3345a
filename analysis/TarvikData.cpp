#include "analysis/TarvikData.h"

#include "analysis/LoopParameters.h"
#include "platform/vantrel/IDocumentEvents.h"

#include <algorithm>
#include <climits>
#include <iterator>

namespace Tarvik {

namespace {

// Initial bucket count of the statistics caches.
constexpr std::size_t kCacheBuckets = 11;

} // namespace

TarvikData::TarvikData(ILoopDataDocument& document)
    : document_(document),
      vchan_(document.GetHostData(), [&document] { return document.CreateCalculationObject(); }),
      loopParamStats_(kCacheBuckets), pvaParamStats_(kCacheBuckets) {
    loopParamStats_.max_load_factor(1.0f);
    pvaParamStats_.max_load_factor(1.0f);
    ResetRanges();
}

// A copy holds no enumerator of its own: the original's stays with the original, so that the two
// never pull from one enumerator.
TarvikData::TarvikData(const TarvikData& other)
    : IStrevDataChildData(other), document_(other.document_), readerRecord_(other.readerRecord_),
      readerRecordEnd_(other.readerRecordEnd_), readerEventSize_(other.readerEventSize_),
      pressures_(other.pressures_), volumes_(other.volumes_), visibleParamIds_(other.visibleParamIds_),
      extents_(other.extents_), intersectionVolume_(other.intersectionVolume_),
      intersectionPressure_(other.intersectionPressure_), intersectionValid_(other.intersectionValid_),
      salineExtentsValid_(other.salineExtentsValid_), traceLimit_(other.traceLimit_), vchan_(other.vchan_),
      loopParamStats_(other.loopParamStats_), pvaParamStats_(other.pvaParamStats_) {
    std::copy(std::begin(other.viewFloats_), std::end(other.viewFloats_), viewFloats_);
}

TarvikData::~TarvikData() {
    if (reader_)
        reader_->Release();
}

HRESULT TarvikData::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IStrevDataChildData)
        return E_NOINTERFACE;
    *out = static_cast<IStrevDataChildData*>(this);
    AddRef();
    return S_OK;
}

ULONG TarvikData::AddRef() {
    return ++references_;
}

ULONG TarvikData::Release() {
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT TarvikData::GetTypeId(DWORD* id) {
    if (!id)
        return E_POINTER;
    *id = document_.GetChildDataTypeId();
    return S_OK;
}

HRESULT TarvikData::Clone(IUnknown* host, IStrevDataChildData** copy) {
    if (!copy)
        return E_POINTER;
    if (host) {
        IUnknown* data = nullptr;
        if (SUCCEEDED(host->QueryInterface(IID_IDocumentData, reinterpret_cast<void**>(&data))) && data)
            data->Release();
    }
    *copy = new TarvikData(*this);
    return S_OK;
}

bool TarvikData::OpenEventSource(std::int32_t record, std::int32_t fromTick, DWORD channel, DWORD source) {
    readerRecord_ = record;
    IDocumentData* data = document_.GetHostData();
    LONG end = 0;
    if (data && SUCCEEDED(data->GetRecordEndTick(record, &end)))
        readerRecordEnd_ = end;
    if (reader_)
        reader_->Release();
    reader_ = nullptr;
    connected_ = false;
    IDocumentEvents* events = nullptr;
    if (!data || FAILED(data->QueryInterface(IID_IDocumentEvents, reinterpret_cast<void**>(&events))) ||
        !events)
        return false;
    IEnumEventEx* opened = nullptr;
    const HRESULT hr = events->CreateEventEnumerator(
        source | kEventSourceFlag, channel, kEventEnumeratorFlags, fromTick, record, INT32_MAX, 0, &opened);
    events->Release();
    if (FAILED(hr) || !opened)
        return false;
    reader_ = opened;
    ULONG size = 0;
    // A loop event is a whole TarvikEvent; a smaller record is not one.
    if (FAILED(reader_->GetEventSize(&size)) || size < sizeof(TarvikEvent) || size > 0x10000)
        return false;
    readerEventSize_ = size;
    connected_ = true;
    return true;
}

std::int32_t TarvikData::ReadRecordEvents(std::int32_t limit) {
    if (!reader_ || !connected_)
        return 0;
    std::vector<unsigned char> buffer(readerEventSize_);
    std::int32_t read = 0;
    for (;;) {
        ULONG count = 0;
        LONG position = 0;
        const HRESULT hr = reader_->Next(readerEventSize_, limit, buffer.data(), &count, &position);
        if (FAILED(hr) || count != 1)
            break;
        const auto e = ReadEventRecord<TarvikEvent>(buffer.data());
        if (e.state != TarvikEvent::LastInBlock)
            WidenExtents(e);
        vchan_.AddLoop(readerRecord_, e);
        read += 1;
    }
    return read;
}

void TarvikData::WidenExtents(const TarvikEvent& e) {
    extents_.pressure.WidenMaximum(e.pMax);
    extents_.pressure.WidenMinimum(e.pMin);
    extents_.volume.WidenMaximum(e.vMax);
    extents_.volume.WidenMinimum(e.vMin);
    extents_.sw.Widen(e.sw);
    extents_.ved.Widen(e.ved);
    extents_.dPdtMax.Widen(e.dPdtMax);
    extents_.ves.Widen(e.ves);
    if (e.state == TarvikEvent::Valid)
        extents_.validVes.WidenMaximum(e.ves);
    extents_.pes.Widen(e.pes);
}

void TarvikData::ResetRanges() {
    extents_ = Extents{};
    salineExtentsValid_ = 0;
}

void TarvikData::Recalculate() {
    intersectionValid_ = 0;
    pvaParamStats_.clear();
    vchan_.SetPVACalculation(document_.BuildPvaCalcFormula());
    extents_.pva = PlotExtent{};
    const std::int32_t total = TotalCount();
    PVAEvent pva;
    for (std::int32_t i = 0; i < total; ++i)
        if (vchan_.GetPVAByIndex(i, pva))
            extents_.pva.Widen(pva.pva);
}

void TarvikData::ClearLoopMap() {
    loopParamStats_.clear();
}

std::int32_t TarvikData::IncludedCount() const {
    const EventStats* stats = vchan_.GetStats();
    return stats ? stats->included() : 0;
}

std::int32_t TarvikData::TotalCount() const {
    const EventStats* stats = vchan_.GetStats();
    return stats ? stats->total() : 0;
}

void TarvikData::MarkSelectedLoops(LoopIndexSet& selected) {
    selected.clear();
    const std::int32_t included = IncludedCount();
    TarvikEvent loop;
    for (std::int32_t i = 0; i < included; ++i)
        if (vchan_.GetLoop(i, loop) && loop.state == TarvikEvent::Marked)
            selected.insert(i);
}

void TarvikData::ApplyLoopSelection(const LoopIndexSet& selected) {
    EventStats* stats = vchan_.GetStats();
    const std::int32_t included = IncludedCount();
    for (std::int32_t i = 0; i < included; ++i) {
        const std::uint32_t wanted = selected.count(i) ? TarvikEvent::Marked : TarvikEvent::Valid;
        TarvikEvent loop;
        const std::uint32_t current = vchan_.GetLoop(i, loop) ? loop.state : EventStats::kNoLoopState;
        if (current == wanted)
            continue;
        stats->SetEventState(stats->IncludedToRow(i), static_cast<std::int32_t>(wanted));
        document_.EnsureSettingsLoaded();
    }
}

bool TarvikData::HasEnoughLoops() {
    const EventStats* stats = vchan_.GetStats();
    const std::int32_t usable = stats ? stats->total() - stats->statedCount() : 0;
    return usable > (document_.GetEspvrType() == EspvrLinear ? 1 : 2);
}

TarvikData::PlotRanges TarvikData::GetPRSWPlotRanges() const {
    return {extents_.ved, extents_.sw, TotalCount() > 1};
}

TarvikData::PlotRanges TarvikData::GetdPdtMaxEDVPlotRanges() const {
    return {extents_.ved, extents_.dPdtMax, TotalCount() > 1};
}

TarvikData::PlotRanges TarvikData::GetSalinePlotRanges() {
    if (!salineExtentsValid_)
        ComputeSalineExtents();
    return {extents_.salineVed, extents_.salineVes, TotalCount() > 1};
}

void TarvikData::ComputeSalineExtents() {
    const std::int32_t included = IncludedCount();
    TarvikEvent loop;
    for (std::int32_t i = 0; i < included; ++i) {
        if (!vchan_.GetLoopWithoutVP(i, loop))
            continue;
        extents_.salineVes.Widen(loop.ves);
        extents_.salineVed.Widen(loop.ved);
    }
    salineExtentsValid_ = 0xFFFF;
}

TickPosition TarvikData::GetLoopPosition(std::int32_t i) {
    if (i >= IncludedCount())
        return TickPosition::None();
    return vchan_.GetLoopPosition(i);
}

std::int32_t TarvikData::UsableToIncludedIndex(std::int32_t k) {
    const std::int32_t included = IncludedCount();
    std::int32_t usable = 0;
    TarvikEvent loop;
    for (std::int32_t i = 0; i < included && k >= 0; ++i) {
        if (!vchan_.GetLoop(i, loop) || loop.state != TarvikEvent::Valid)
            continue;
        if (usable == k)
            return i;
        usable += 1;
    }
    return -1;
}

bool TarvikData::IsOnlineMode() {
    return document_.IsAnalysingWhileSampling() && document_.IsSampling();
}

} // namespace Tarvik

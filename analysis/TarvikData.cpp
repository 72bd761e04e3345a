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
    : mDocument(document),
      mVchan(document.GetHostData(), [&document] { return document.CreateCalculationObject(); }),
      mLoopParamStats(kCacheBuckets), mPvaParamStats(kCacheBuckets) {
    mLoopParamStats.max_load_factor(1.0f);
    mPvaParamStats.max_load_factor(1.0f);
    ResetRanges();
}

// A copy holds no enumerator of its own: the original's stays with the original, so that the two
// never pull from one enumerator.
TarvikData::TarvikData(const TarvikData& other)
    : IStrevDataChildData(other), mDocument(other.mDocument), mReaderRecord(other.mReaderRecord),
      mReaderRecordEnd(other.mReaderRecordEnd), mReaderEventSize(other.mReaderEventSize),
      mPressures(other.mPressures), mVolumes(other.mVolumes), mVisibleParamIds(other.mVisibleParamIds),
      mExtents(other.mExtents), mIntersectionVolume(other.mIntersectionVolume),
      mIntersectionPressure(other.mIntersectionPressure), mIntersectionValid(other.mIntersectionValid),
      mSalineExtentsValid(other.mSalineExtentsValid), mTraceLimit(other.mTraceLimit), mVchan(other.mVchan),
      mLoopParamStats(other.mLoopParamStats), mPvaParamStats(other.mPvaParamStats) {
    std::copy(std::begin(other.mViewFloats), std::end(other.mViewFloats), mViewFloats);
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
    return ++mReferences;
}

ULONG TarvikData::Release() {
    const ULONG left = --mReferences;
    if (left == 0)
        delete this;
    return left;
}

HRESULT TarvikData::GetTypeId(DWORD* id) {
    if (!id)
        return E_POINTER;
    *id = mDocument.GetChildDataTypeId();
    return S_OK;
}

HRESULT TarvikData::Clone(IUnknown* host, IStrevDataChildData** copy) {
    if (!copy)
        return E_POINTER;
    // The host sees a query for its data; the copy keeps no answer.
    QueryInterfacePtr<IUnknown>(host, IID_IDocumentData);
    *copy = new TarvikData(*this);
    return S_OK;
}

bool TarvikData::OpenEventSource(std::int32_t record, std::int32_t fromTick, DWORD channel, DWORD source) {
    mReaderRecord = record;
    IDocumentData* data = mDocument.GetHostData();
    LONG end = 0;
    if (data && SUCCEEDED(data->GetRecordEndTick(record, &end)))
        mReaderRecordEnd = end;
    mReader.Reset();
    mConnected = false;
    const auto events = QueryInterfacePtr<IDocumentEvents>(data, IID_IDocumentEvents);
    if (!events)
        return false;
    ComPtr<IEnumEventEx> opened;
    const HRESULT hr =
        events->CreateEventEnumerator(source | kEventSourceFlag, channel, kEventEnumeratorFlags, fromTick,
                                      record, INT32_MAX, 0, opened.Put());
    if (FAILED(hr) || !opened)
        return false;
    mReader = std::move(opened);
    ULONG size = 0;
    // A loop event is a whole TarvikEvent; a smaller record is not one.
    if (FAILED(mReader->GetEventSize(&size)) || size < sizeof(TarvikEvent) || size > 0x10000)
        return false;
    mReaderEventSize = size;
    mConnected = true;
    return true;
}

std::int32_t TarvikData::ReadRecordEvents(std::int32_t limit) {
    if (!mReader || !mConnected)
        return 0;
    std::vector<unsigned char> buffer(mReaderEventSize);
    std::int32_t read = 0;
    for (;;) {
        ULONG count = 0;
        LONG position = 0;
        const HRESULT hr = mReader->Next(mReaderEventSize, limit, buffer.data(), &count, &position);
        if (FAILED(hr) || count != 1)
            break;
        const auto e = ReadEventRecord<TarvikEvent>(buffer.data());
        if (e.state != TarvikEvent::LastInBlock)
            WidenExtents(e);
        mVchan.AddLoop(mReaderRecord, e);
        read += 1;
    }
    return read;
}

void TarvikData::WidenExtents(const TarvikEvent& e) {
    mExtents.pressure.WidenMaximum(e.pMax);
    mExtents.pressure.WidenMinimum(e.pMin);
    mExtents.volume.WidenMaximum(e.vMax);
    mExtents.volume.WidenMinimum(e.vMin);
    mExtents.sw.Widen(e.sw);
    mExtents.ved.Widen(e.ved);
    mExtents.dPdtMax.Widen(e.dPdtMax);
    mExtents.ves.Widen(e.ves);
    if (e.state == TarvikEvent::Valid)
        mExtents.validVes.WidenMaximum(e.ves);
    mExtents.pes.Widen(e.pes);
}

void TarvikData::ResetRanges() {
    mExtents = Extents{};
    mSalineExtentsValid = 0;
}

void TarvikData::Recalculate() {
    mIntersectionValid = 0;
    mPvaParamStats.clear();
    mVchan.SetPVACalculation(mDocument.BuildPvaCalcFormula());
    mExtents.pva = PlotExtent{};
    const std::int32_t total = TotalCount();
    PVAEvent pva;
    for (std::int32_t i = 0; i < total; ++i)
        if (mVchan.GetPVAByIndex(i, pva))
            mExtents.pva.Widen(pva.pva);
}

void TarvikData::ClearLoopMap() {
    mLoopParamStats.clear();
}

std::int32_t TarvikData::IncludedCount() const {
    const EventStats* stats = mVchan.GetStats();
    return stats ? stats->included() : 0;
}

std::int32_t TarvikData::TotalCount() const {
    const EventStats* stats = mVchan.GetStats();
    return stats ? stats->total() : 0;
}

void TarvikData::MarkSelectedLoops(LoopIndexSet& selected) {
    selected.clear();
    const std::int32_t included = IncludedCount();
    TarvikEvent loop;
    for (std::int32_t i = 0; i < included; ++i)
        if (mVchan.GetLoop(i, loop) && loop.state == TarvikEvent::Marked)
            selected.insert(i);
}

void TarvikData::ApplyLoopSelection(const LoopIndexSet& selected) {
    EventStats* stats = mVchan.GetStats();
    const std::int32_t included = IncludedCount();
    for (std::int32_t i = 0; i < included; ++i) {
        const std::uint32_t wanted = selected.count(i) ? TarvikEvent::Marked : TarvikEvent::Valid;
        TarvikEvent loop;
        const std::uint32_t current = mVchan.GetLoop(i, loop) ? loop.state : EventStats::kNoLoopState;
        if (current == wanted)
            continue;
        stats->SetEventState(stats->IncludedToRow(i), static_cast<std::int32_t>(wanted));
        mDocument.EnsureSettingsLoaded();
    }
}

bool TarvikData::HasEnoughLoops() {
    const EventStats* stats = mVchan.GetStats();
    const std::int32_t usable = stats ? stats->total() - stats->statedCount() : 0;
    return usable > (mDocument.GetEspvrType() == EspvrLinear ? 1 : 2);
}

TarvikData::PlotRanges TarvikData::GetPRSWPlotRanges() const {
    return {mExtents.ved, mExtents.sw, TotalCount() > 1};
}

TarvikData::PlotRanges TarvikData::GetdPdtMaxEDVPlotRanges() const {
    return {mExtents.ved, mExtents.dPdtMax, TotalCount() > 1};
}

TarvikData::PlotRanges TarvikData::GetSalinePlotRanges() {
    if (!mSalineExtentsValid)
        ComputeSalineExtents();
    return {mExtents.salineVed, mExtents.salineVes, TotalCount() > 1};
}

void TarvikData::ComputeSalineExtents() {
    const std::int32_t included = IncludedCount();
    TarvikEvent loop;
    for (std::int32_t i = 0; i < included; ++i) {
        if (!mVchan.GetLoopWithoutVP(i, loop))
            continue;
        mExtents.salineVes.Widen(loop.ves);
        mExtents.salineVed.Widen(loop.ved);
    }
    mSalineExtentsValid = 0xFFFF;
}

TickPosition TarvikData::GetLoopPosition(std::int32_t i) {
    if (i >= IncludedCount())
        return TickPosition::None();
    return mVchan.GetLoopPosition(i);
}

std::int32_t TarvikData::UsableToIncludedIndex(std::int32_t k) {
    const std::int32_t included = IncludedCount();
    std::int32_t usable = 0;
    TarvikEvent loop;
    for (std::int32_t i = 0; i < included && k >= 0; ++i) {
        if (!mVchan.GetLoop(i, loop) || loop.state != TarvikEvent::Valid)
            continue;
        if (usable == k)
            return i;
        usable += 1;
    }
    return -1;
}

bool TarvikData::IsOnlineMode() {
    return mDocument.IsAnalysingWhileSampling() && mDocument.IsSampling();
}

} // namespace Tarvik

// The document's analysis driver: from the set-up model's region to the formula texts in the
// host's virtual channels, and from the loop events the host computes to the loop data.

#include <algorithm>
#include <climits>
#include <new>

#include "core/MsgData.h"
#include "core/ResourceStrings.h"
#include "document/ChannelTicks.h"
#include "document/CuvetteSelection.h"
#include "document/FormulaTexts.h"
#include "document/TarvikDocument.h"
#include "document/UnitUpdate.h"
#include "module/ModuleInstance.h"
#include "module/ProgressIndicator.h"
#include "module/SendDocMessage.h"
#include "platform/user/msgbox_api.h"
#include "platform/vantrel/IDocumentEvents.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/PressureCalibrator.h"
#include "workflow/VolumeCalibrator.h"

namespace Tarvik {

namespace {

WordPair FromHost(const HostTickPosition& p) {
    return {static_cast<std::uint32_t>(p.tick), static_cast<std::uint32_t>(p.record)};
}

std::int32_t Record(const WordPair& p) {
    return static_cast<std::int32_t>(p.second);
}

std::int32_t Tick(const WordPair& p) {
    return static_cast<std::int32_t>(p.first);
}

// Positions order by record, then tick.
bool Before(const WordPair& a, const WordPair& b) {
    return Record(a) != Record(b) ? Record(a) < Record(b) : Tick(a) < Tick(b);
}

} // namespace

bool TarvikDocument::GetAnalysisRegion(WordPair* start, WordPair* end, bool* wholeChannel) {
    const ModelPtr setup = FindModel();
    if (start != nullptr)
        *start = GetModelParam<59>(setup);
    if (end != nullptr)
        *end = GetModelParam<60>(setup);
    if (wholeChannel != nullptr)
        *wholeChannel = GetModelParam<27>(setup) == kWholeChannel;
    return GetModelParam<39>(setup);
}

WordPair TarvikDocument::DataEnd() {
    HostTickPosition end{0, 0};
    if (ISampleBlocks* data = HostDataInterface();
        data == nullptr || FAILED(data->GetDataEnd(kDataEndRecorded, &end)))
        return {0, 0};
    return FromHost(end);
}

// --- Commands and messages ------------------------------------------------------------------------

void TarvikDocument::EnableAnalyze(ICommandState& state) {
    static const Ovo::String kSelection = LoadModuleString(1086);
    static const Ovo::String kChannel = LoadModuleString(1085);
    state.SetEnabled(IsHostBusy() ? VARIANT_FALSE : VARIANT_TRUE);
    const std::int32_t region = GetModelParam<27>(FindModel());
    if (region == kSelectionRegion || region == kWholeChannel) {
        const auto text =
            ComPtr<IAutoOvoString>::Adopt((region == kWholeChannel ? kChannel : kSelection).GetInterface());
        state.SetText(text.Get());
    }
}

void TarvikDocument::EnableAnalysedRegion(ICommandState& state) {
    WordPair start, end;
    const bool analysed = GetAnalysisRegion(&start, &end, nullptr);
    state.SetEnabled(!IsHostBusy() && analysed && !(start == end) ? VARIANT_TRUE : VARIANT_FALSE);
}

HRESULT TarvikDocument::OnAnalyzeNow() {
    if (IsHostBusy())
        return S_OK;
    const ModelPtr setup = FindModel();
    const ModelPtr loopView = GetModel(kLoopViewModel);
    if (!setup)
        return S_OK;
    WordPair start{0, 0}, end{0, 0};
    if (GetModelParam<27>(setup) == kSelectionRegion) {
        HostTickPosition a{INT32_MAX, INT32_MAX}, b{INT32_MAX, INT32_MAX};
        if (IDocumentSelection* selection = HostSelection();
            selection && SUCCEEDED(selection->GetSelection(0, &a, &b))) {
            start = FromHost(a);
            end = FromHost(b);
        } else {
            start.second = kOpenEnd;
        }
    } else if (GetModelParam<27>(setup) == kWholeChannel) {
        end = DataEnd();
    }
    if (start.second == kOpenEnd)
        start = end = WordPair{0, 0};
    if (GetModelParam<35>(setup))
        end = WordPair{kOpenEnd, kOpenEnd};
    SetModelParam<59>(setup, start);
    SetModelParam<60>(setup, end);
    SetModelParam<39>(setup, true);
    if (!mVolumeCalibrator->IsApplied())
        mVolumeCalibrator->Cache().Fetch(static_cast<std::int32_t>(GetModelParam<2>(setup)));
    SetModelParam<61>(loopView, IntSet{});
    if (!mLoading)
        EnsureSettingsLoaded();
    setup->CommitChange();
    loopView->CommitChange();
    UpdateAnalysis(true);
    return S_OK;
}

HRESULT TarvikDocument::OnClearAnalysisNow() {
    ClearAnalysis();
    return S_OK;
}

void TarvikDocument::ClearAnalysis() {
    if (IsHostBusy())
        return;
    const ModelPtr setup = FindModel();
    if (!setup)
        return;
    const bool wasOnline = GetModelParam<35>(setup);
    if (wasOnline)
        SetModelParam<35>(setup, false);
    mData->GetVChanData().MoveMarkerLink(static_cast<std::int32_t>(GetPressureChannel()), -1, false);
    mData->GetVChanData().ReleaseChannels();
    SetModelParam<59>(setup, WordPair{0, 0});
    SetModelParam<60>(setup, WordPair{0, 0});
    SetModelParam<39>(setup, false);
    if (wasOnline) {
        // Online analysis goes on from the next record: a new open-ended region.
        const WordPair dataEnd = DataEnd();
        LONG records = 0;
        ISampleBlocks* data = HostDataInterface();
        const bool empty = data == nullptr || FAILED(data->GetRecordTotal(0, &records)) || records <= 0;
        SetModelParam<35>(setup, true);
        SetModelParam<59>(setup, empty ? WordPair{0, 0} : WordPair{0, dataEnd.second + 1});
        SetModelParam<60>(setup, WordPair{kOpenEnd, kOpenEnd});
        SetModelParam<39>(setup, true);
    }
    mChangeFlags |= kLoopsCleared;
    RefreshCalculation();
    if (IHostDocObject* host = HostChildDocument())
        host->Redraw(0);
    if (!mLoading)
        EnsureSettingsLoaded();
    setup->CommitChange();
}

HRESULT TarvikDocument::OnReselectAnalyzedRegion() {
    if (IsHostBusy())
        return S_OK;
    WordPair start{kOpenEnd, kOpenEnd}, end{kOpenEnd, kOpenEnd};
    bool whole = false;
    const bool analysed = GetAnalysisRegion(&start, &end, &whole);
    if (whole)
        end = DataEnd();
    IRecordingView* view = HostView();
    if (!analysed || view == nullptr)
        return S_OK;
    const ComPtr<IRecordingView> held(view);
    const HostTickPosition a{Record(start), Tick(start)}, b{Record(end), Tick(end)};
    const SelectionKind kind;
    const double range[2] = {32000.0, -32000.0};
    held->BeginSelection();
    held->SelectRange(0, &kind, a, b);
    held->SelectValueRange(static_cast<LONG>(GetPressureChannel()), range);
    held->SelectRange(0, &kind, a, b);
    held->SelectValueRange(static_cast<LONG>(GetVolumeChannel()), range);
    return S_OK;
}

HRESULT TarvikDocument::OnAddSelToCuvetteCalibration() {
    AddSelectionToCuvetteView(*this);
    return S_OK;
}

// --- The analysis ---------------------------------------------------------------------------------

void TarvikDocument::HandleLostEcgSource() {
    if (mEcgSourceLost == 0)
        return;
    const Ovo::String caption = LoadModuleString(174);
    Ovo::String text = LoadModuleString(22943);
    text += u"\n\n";
    text += LoadModuleString(22944);
    MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_ICONWARNING | MB_OK);
    const ModelPtr setup = FindModel();
    SetModelParam<29>(setup, StringPair{});
    SetModelParam<28>(setup, 0);
    if (setup)
        setup->CommitChange();
    mEcgSourceLost = 0;
}

void TarvikDocument::UpdateAnalysis(bool markSettings) {
    if (!mAttached || mBusy)
        return;
    const std::uint32_t pressure = GetPressureChannel(), volume = GetVolumeChannel();
    if (!GetAnalysisRegion(nullptr, nullptr, nullptr) || pressure == kNoChannel || volume == kNoChannel)
        return;
    HandleLostEcgSource();
    mChangeFlags |= kAnalysisUpdated;
    if (mInitialised)
        WriteAnalysisFormulas();
    VChanData& channels = mData->GetVChanData();
    channels.MoveMarkerLink(static_cast<std::int32_t>(mMarkerChannel), -1, false);
    if (markSettings)
        EnsureSettingsLoaded();
    try {
        CollectLoops(pressure);
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory();
    }
    channels.MoveMarkerLink(static_cast<std::int32_t>(mMarkerChannel), static_cast<std::int32_t>(pressure),
                            GetModelParam<36>(FindModel()));
    mMarkerChannel = pressure;
    const VirtualChannelRef loops = channels.GetChannelRef(VChanData::Loops);
    CallHostDocument(MsgIdClass<HostMsgGuid3A7D, 52>::Id(), reinterpret_cast<ULONG_PTR>(&loops));
}

void TarvikDocument::WriteAnalysisFormulas() {
    const ModelPtr setup = FindModel();
    if (GetPressureChannel() == kNoChannel || GetVolumeChannel() == kNoChannel)
        return;
    mData->GetVChanData().SetLoopCalculation(MakeAnalyzerFormula(setup),
                                             MakeVolumeFormula(*mVolumeCalibrator, setup),
                                             MakeAnalyzerFormulaOnVirtualVolume(setup));
}

// The progress of one loop collection: ticks read of the total, and whether the user cancelled.
struct LoopProgress {
    ProgressIndicator indicator;
    std::int64_t total = 0;
    std::int64_t read = 0;
    bool carryOn = true;
};

void TarvikDocument::ReadRecordLoops(std::int32_t record, WordPair start, WordPair end, std::int64_t chunk,
                                     LoopProgress& progress) {
    LONG length = 0;
    if (ISampleBlocks* data = HostDataInterface();
        data == nullptr || FAILED(data->GetRecordTicks(0, record, &length)))
        length = 0;
    const std::int64_t from = record == Record(start) ? Tick(start) : 0;
    const std::int64_t to = record == Record(end) ? std::min<std::int64_t>(Tick(end), length) : length;
    const VirtualChannelRef loops = mData->GetVChanData().GetChannelRef(VChanData::Loops);
    bool ok =
        mData->OpenEventSource(record, static_cast<std::int32_t>(from), loops.channel, kEventSourceVirtual);
    for (std::int64_t pos = from; pos < to && ok;) {
        const std::int64_t n = std::min(to - pos, chunk);
        if (n <= 0)
            break;
        pos += n;
        progress.read += n;
        mData->ReadRecordEvents(static_cast<std::int32_t>(pos));
        const auto percent = static_cast<LONG>(static_cast<double>(progress.read) * 100.0 / progress.total);
        if (progress.indicator.SetPercent(percent)) {
            progress.carryOn = false;
            break;
        }
    }
    mData->CloseEventSource();
}

// Reads the loop events of the region record by record, in chunks behind a progress indicator whose
// cancel clears the analysis. Records after the region's end record are not read, and a region
// without ticks reads nothing.
void TarvikDocument::CollectLoops(std::uint32_t pressureChannel) {
    mChangeFlags |= kLoopListRebuilt;
    VChanData& channels = mData->GetVChanData();
    channels.Reset();
    mData->ResetRanges();
    mData->ClearLoopMap();
    const WordPair dataEnd = DataEnd();
    WordPair start, end;
    const bool analysed = GetAnalysisRegion(&start, &end, nullptr);
    const WordPair effectiveEnd = GetModelParam<35>(FindModel()) ? dataEnd : end;
    if (!channels.GetChannelRef(VChanData::Loops).IsDefined() || !analysed) {
        mChangeFlags |= kLoopsCleared;
        RefreshCalculation();
        return;
    }
    const WordPair last = Before(effectiveEnd, dataEnd) ? effectiveEnd : dataEnd;
    LoopProgress progress{ProgressIndicator(Ovo::String(), Ovo::String(L"Processing"))};
    progress.total = CountTicksBetween(HostDataInterface(), start, last);
    const std::int64_t chunk = LoopReadChunk(progress.total);
    mData->ResetRanges();
    mData->ClearLoopMap();
    for (std::int32_t r = Record(start); progress.total > 0 && r <= Record(last) && progress.carryOn; ++r) {
        Ovo::String text(L"Channel ");
        text += Ovo::String(std::to_wstring(pressureChannel + 1));
        text += u", Block ";
        text += Ovo::String(std::to_wstring(r + 1));
        progress.indicator.SetText(text);
        ReadRecordLoops(r, start, last, chunk, progress);
    }
    mData->Recalculate();
    if (!progress.carryOn)
        SendAutomation(DocMsgId<258>());
    mChangeFlags |= kInclusionApplied;
    const IntSet included = GetModelParam<61>(GetModel(kLoopViewModel));
    mData->ApplyLoopSelection(LoopIndexSet(included.begin(), included.end()));
    RefreshCalculation();
    mChangeFlags &= ~static_cast<std::uint32_t>(kInclusionApplied);
    RefreshChannelDrawings();
}

// The loop markers are drawn by the host from the loop-event channel; when they are shown the host
// draws its views again.
void TarvikDocument::RefreshChannelDrawings() {
    if (!GetModelParam<36>(FindModel()) || mMarkerChannel == kNoChannel)
        return;
    if (IHostDocObject* host = HostChildDocument())
        host->Redraw(0);
}

void TarvikDocument::RefreshCalculation() {
    const std::uint32_t flags = mChangeFlags;
    CallHostDocument(DocMsgId<33>(), flags);
    const std::int32_t selected = GetModelParam<58>(FindModel());
    if (selected >= 0 && (flags & (kSelectedLoopChanged | kTableRowSelected)) != 0)
        ShowLoopEventComment(mData->GetLoopPosition(selected));
    if (!IsHostBusy() && (flags & kLoopDataStale) != 0) {
        mData->Recalculate();
        mData->ClearLoopMap();
    }
    mChangeFlags = 0;
}

// --- The analysis manager's client ----------------------------------------------------------------

void TarvikDocument::RecalibrateAndReanalyse() {
    const bool setBusy = !mBusy;
    mBusy = true;
    UpdateChannelUnits(*mVolumeCalibrator, HostDataInterface(), static_cast<std::int32_t>(GetVolumeChannel()),
                       *this);
    UpdateChannelUnits(*mPressureCalibrator, HostDataInterface(),
                       static_cast<std::int32_t>(GetPressureChannel()), *this);
    if (setBusy)
        mBusy = false;
    const bool rerunning = mRerunning;
    mRerunning = true;
    if (GetAnalysisRegion(nullptr, nullptr, nullptr))
        UpdateAnalysis(true);
    mRerunning = rerunning;
    CallHostDocument(DocMsgId<38>(), 0);
}

void TarvikDocument::OnRecalculateNotice(std::uint32_t key) {
    if (static_cast<LONG>(key) == ClientKey())
        OnRecalculateRequested();
}

void TarvikDocument::OnClearNotice(std::uint32_t key) {
    if (static_cast<LONG>(key) == ClientKey())
        OnClearRequested();
}

void TarvikDocument::OnReportRegionNotice(std::uint32_t key, std::uint32_t item) {
    if (static_cast<LONG>(key) == ClientKey())
        ReportRegion(static_cast<LONG>(item));
}

} // namespace Tarvik

// Online mode and the loop markers, and the document's reactions to the host's
// messages about its recording and to its step models' notifications.

#include "document/TarvikDocument.h"

#include "analysis/EventDrawClasses.h"
#include "core/MsgData.h"
#include "core/ResourceStrings.h"
#include "core/ScaledValue.h"
#include "document/UnitUpdate.h"
#include "document/ViewWalkers.h"
#include "module/SendDocMessage.h"
#include "platform/user/msgbox_api.h"
#include "platform/user/window_api.h"
#include "platform/vantrel/HostNotices.h"
#include "platform/vantrel/ISampleBlocks.h"
#include "platform/vantrel/IVirtualChannelService.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/PressureCalibrator.h"
#include "workflow/VolumeCalibrator.h"

namespace Tarvik {

namespace {

constexpr std::int32_t kSamplingStep = 4;
constexpr std::uint32_t kEventSourceKind = 4;

std::uint32_t Record(const WordPair& p) {
    return p.second;
}
std::uint32_t Tick(const WordPair& p) {
    return p.first;
}

} // namespace

// --- Online mode and loop markers -----------------------------------------------------------------

HRESULT TarvikDocument::OnToggleOnlineMode() {
    ToggleOnlineMode(false);
    return S_OK;
}

// Online data continues the analysed region only when that region reaches the end of the data; otherwise
// switching on clears the analysis (after the user agrees, or not at all when quiet) and the region starts
// at the record that sampling will create next.
void TarvikDocument::ToggleOnlineMode(bool quiet) {
    if (IsHostBusy())
        return;
    const ModelPtr setup = FindModel();
    if (!setup)
        return;
    const bool online = !GetModelParam<35>(setup);
    const WordPair start = GetModelParam<59>(setup), end = GetModelParam<60>(setup);
    const WordPair dataEnd = DataEnd();
    const bool noRegion = Record(start) == Record(end) && Tick(end) <= Tick(start);
    const bool analysed = GetModelParam<39>(setup);
    bool mustClear = false;
    if (online && analysed && !noRegion && !(end == dataEnd)) {
        if (quiet)
            return;
        mustClear = true;
        const Ovo::String caption = LoadModuleString(174);
        Ovo::String text = LoadModuleString(22942);
        text += u"\r\nTo allow sampling, the existing analysis will be cleared and the\nanalysis region "
                u"changed to "
                u"whole channel.";
        if (MessageBoxW(GetActiveWindow(), text.c_str(), caption.c_str(),
                        MB_ICONINFORMATION | MB_OKCANCEL | MB_TASKMODAL) != IDOK)
            return;
    }
    SetModelParam<35>(setup, online);
    if (!online) {
        SetModelParam<59>(setup, start);
        SetModelParam<60>(setup, dataEnd);
        WriteAnalysisFormulas();
    } else {
        WordPair newStart = noRegion ? dataEnd : start;
        if (mustClear) {
            mData->GetVChanData().ReleaseChannels();
            SetModelParam<27>(setup, kWholeChannel);
        }
        if (mustClear || !analysed) {
            newStart = WordPair{0, Record(dataEnd) + 1};
            LONG records = 0;
            if (ISampleBlocks* data = HostDataInterface();
                data == nullptr || FAILED(data->GetRecordTotal(0, &records)) || records <= 0)
                newStart = WordPair{0, 0};
        }
        SetModelParam<59>(setup, newStart);
        SetModelParam<60>(setup, WordPair{kOpenEnd, kOpenEnd});
        SetModelParam<39>(setup, true);
        UpdateAnalysis(true);
    }
    EnsureSettingsLoaded();
    setup->CommitChange();
    ReregisterOnlineSink();
}

// The markers move to the pressure channel, shown or not; markerChannel keeps naming the channel they were
// last drawn on by an analysis.
HRESULT TarvikDocument::OnToggleEventMarkers() {
    if (IsHostBusy())
        return S_OK;
    const ModelPtr setup = FindModel();
    if (!setup)
        return S_OK;
    const bool show = !GetModelParam<36>(setup);
    SetModelParam<36>(setup, show);
    mData->GetVChanData().MoveMarkerLink(static_cast<std::int32_t>(mMarkerChannel),
                                         static_cast<std::int32_t>(GetPressureChannel()), show);
    if (!mLoading)
        EnsureSettingsLoaded();
    setup->CommitChange();
    return S_OK;
}

// --- Host messages --------------------------------------------------------------------------------

void TarvikDocument::OnDataRemoved(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {
    if (GetModelParam<39>(FindModel()))
        ClearAnalysis();
}

void TarvikDocument::OnChannelSettingsChanged(std::uint32_t channel) {
    if (channel == GetPressureChannel() || channel == GetVolumeChannel())
        UpdateAnalysis(true);
}

// A channel's unit changed: calibrations built on the old unit are switched off; the analysis follows the
// new unit.
void TarvikDocument::OnUnitsChanged(std::uint32_t, std::uint32_t, std::uint32_t channel) {
    if (!mAttached)
        return;
    const auto number = static_cast<std::int32_t>(channel);
    const bool volume = channel == GetVolumeChannel(), pressure = channel == GetPressureChannel();
    if (volume && !mVolumeCalibrator->Cache().IsCurrent(number)) {
        mVolumeCalibrator->Cache().Drop(number);
        mVolumeCalibrator->Cache().Fetch(number);
        if (mVolumeCalibrator->IsApplied()) {
            const auto off = [this](std::int32_t model, auto set) {
                const ModelPtr m = GetModel(model);
                set(m);
                m->CommitChange();
            };
            off(kCuvetteModel, [](const ModelPtr& m) { SetModelParam<17>(m, false); });
            off(kSalineModel, [](const ModelPtr& m) { SetModelParam<19>(m, false); });
            off(kConductanceModel, [](const ModelPtr& m) { SetModelParam<12>(m, false); });
            off(kVolumeModel, [](const ModelPtr& m) { SetModelParam<54>(m, false); });
            off(kAlphaModel, [](const ModelPtr& m) { SetModelParam<43>(m, false); });
        }
    }
    if (pressure && !mPressureCalibrator->Cache().IsCurrent(number)) {
        mPressureCalibrator->Cache().Drop(number);
        const ModelPtr model = GetModel(kPressureModel);
        if (GetModelParam<7>(model)) {
            SetModelParam<7>(model, false);
            model->CommitChange();
        }
    }
    if (pressure) {
        UpdateAnalysis(true);
    } else if (volume) {
        CallHostDocument(DocMsgId<33>(), kVolumeUnitChanged);
        UpdateAnalysis(true);
    }
}

// The first reference that names the pressure or volume channel or the ECG source decides.
void TarvikDocument::OnChannelsChanged(const ChannelsChangedData* data) {
    if (data == nullptr || data->count == 0 || !mInitialised || !mAttached || data->list == nullptr)
        return;
    VirtualChannelRef ecg; // none: (0x80000000, 0xC0000000), kind 0
    const StringPair source = GetModelParam<29>(FindModel());
    if (!source.first.IsEmpty()) {
        const auto channels =
            QueryInterfacePtr<IVirtualChannelService>(DocumentData(), IID_IVirtualChannelService);
        BSTR name = source.first.AllocBSTR();
        if (!channels || FAILED(channels->FindChannel(name, &ecg)))
            ecg = VirtualChannelRef{};
        SysFreeString(name);
    }
    const auto kindOf = [](const VirtualChannelRef& ref) { return ref.flags & 0xFF; };
    const std::uint32_t pressure = GetPressureChannel(), volume = GetVolumeChannel();
    for (std::uint32_t i = 0; i < data->count; ++i) {
        const VirtualChannelRef& ref = data->list[i];
        const bool isEvent = kindOf(ref) == kEventSourceKind;
        const bool isChannel = !isEvent && (ref.channel == pressure || ref.channel == volume);
        const bool isEcg = ref.channel == ecg.channel && isEvent == (kindOf(ecg) == kEventSourceKind);
        if (!isChannel && !isEcg)
            continue;
        if (mEcgSourceLost != 0)
            mEcgSourceLost = 0;
        else if (isEcg && (data->flags & 0x80000000u) != 0)
            mEcgSourceLost = 0xFFFF;
        else
            mEcgSourceLost = 0;
        UpdateAnalysis(true);
        return;
    }
}

void TarvikDocument::OnDataRecalculated(std::uint32_t) {
    mData->Recalculate();
    mChangeFlags |= kLoopsCleared;
    RefreshCalculation();
}

void TarvikDocument::OnMarkedPositionSet(std::uint32_t first, std::uint32_t second) {
    mData->SetTraceLimit(TickPosition{static_cast<std::int32_t>(first), static_cast<std::int32_t>(second)});
    mChangeFlags |= kLoopsCleared;
    RefreshCalculation();
}

void TarvikDocument::OnMarkedPositionCleared() {
    mData->SetTraceLimit(TickPosition::None());
    mChangeFlags |= kLoopsCleared;
    RefreshCalculation();
}

// A loop marker the user activated selects its loop.
void TarvikDocument::OnEventActivated(const EventActivatedData* data) {
    const auto drawing =
        QueryInterfacePtr<IEventDrawing>(data != nullptr ? data->drawing : nullptr, IID_IEventDrawing);
    DWORD type = 0;
    if (!drawing || FAILED(drawing->GetTypeId(&type)) ||
        type != MsgIdClass<TarvikEventDrawGUID, kLoopEventDrawClass>::Id())
        return;
    mChangeFlags |= kLoopPicked;
    HostTickPosition position{INT32_MAX, INT32_MAX};
    std::int64_t ticks = 0;
    const auto data2 = QueryInterfacePtr<IDocumentDataEx>(DocumentData(), IID_IDocumentDataEx);
    if (drawing->GetTickCount(&ticks) == S_OK) {
        if (data2)
            data2->PositionOfTickCount(ticks, &position);
    } else if (const auto located = drawing.Query<IEventPosition>(IID_IEventPosition)) {
        located->GetPosition(&position);
    }
    SelectLoopAt(position);
}

// --- Loop selection -------------------------------------------------------------------------------

void TarvikDocument::SelectLoopAt(const HostTickPosition& position) {
    const EventStats* stats = mData->GetVChanData().GetStats();
    std::int32_t index = -1;
    if (stats != nullptr) {
        const std::int32_t global = mData->GetVChanData().FindLoopAt(position.record, position.tick);
        index = global >= 0 ? stats->RecordIndexAt(global) : -1;
    }
    SelectLoop(index);
}

// Indices outside -1 .. count - 1 select no loop.
HRESULT TarvikDocument::OnSelectLoop(std::int32_t index) {
    mChangeFlags |= kSelectedLoopChanged;
    const EventStats* stats = mData->GetVChanData().GetStats();
    const std::int32_t count = stats != nullptr ? stats->total() : 0;
    SelectLoop(index >= -1 && index < count ? index : -1);
    return S_OK;
}

void TarvikDocument::SelectLoop(std::int32_t index) {
    const ModelPtr setup = FindModel();
    if (!setup)
        return;
    SetModelParam<58>(setup, index);
    setup->CommitChange();
    RefreshCalculation();
}

// --- Model notifications --------------------------------------------------------------------------

void TarvikDocument::RefreshCalibratorFor(std::int32_t model) {
    switch (model) {
    case kPressureModel:
        ApplyCalibrationChange([this] {
            return UpdateChannelUnits(*mPressureCalibrator, HostDataInterface(),
                                      static_cast<std::int32_t>(GetPressureChannel()), *this);
        });
        break;
    case kConductanceModel:
    case kAlphaModel:
    case kVolumeModel:
        ApplyCalibrationChange([this] {
            return UpdateChannelUnits(*mVolumeCalibrator, HostDataInterface(),
                                      static_cast<std::int32_t>(GetVolumeChannel()), *this);
        });
        break;
    case kLoopViewModel:
        mData->Recalculate();
        break;
    default:
        break;
    }
}

void TarvikDocument::OnModelApplicable(const ModelNoticeData* data) {
    if (data == nullptr || data->model == nullptr)
        return;
    const std::int32_t id = data->model->GetModelId();
    RefreshCalibratorFor(id);
    if (id == kCuvetteModel) {
        constexpr std::int32_t kMicro = 6, kUnity = 8;
        const auto micro = [](double value) {
            return RescaleValue(ScaledValue{value, Ovo::PrefixCodeScale(kUnity), 1.0}, kMicro, kUnity).value;
        };
        SendDocMessage(Ovo::MakeMsgData2(DocMsgId<270>(), micro(GetModelParam<15>(*data->model)),
                                         micro(GetModelParam<16>(*data->model))),
                       *this, Target(), 0);
    } else if (id == kSalineModel) {
        SendDocMessage(Ovo::MakeMsgData1(DocMsgId<262>(), GetModelParam<18>(*data->model)), *this, Target(),
                       0);
    }
}

void TarvikDocument::OnModelNotApplicable(const ModelNoticeData* data) {
    if (data == nullptr || data->model == nullptr)
        return;
    const std::int32_t id = data->model->GetModelId();
    RefreshCalibratorFor(id);
    if (id == kCuvetteModel)
        SendAutomation(DocMsgId<271>());
    else if (id == kSalineModel)
        SendAutomation(DocMsgId<263>());
}

void TarvikDocument::OnModelParamsChanged(const ModelParamsChangedData* data) {
    if (data == nullptr || data->model == nullptr)
        return;
    const ModelParamSet changed = data->Changed();
    Model& model = *data->model;
    if (changed.Test(41)) {
        const IntSet selected = GetModelParam<41>(model);
        if (selected.size() == 1)
            AnalyzeBolus(*selected.begin());
    }
    if (changed.Test(25) || changed.Test(20)) {
        if (GetModelParam<26>(GetModel(kWorkflowViewModel)))
            SendAutomation(DocMsgId<280>());
        RefreshCommandStates();
    }
    if (changed.Test(25)) {
        const bool online = GetModelParam<35>(FindModel());
        const std::int32_t step = GetModelParam<25>(model);
        if ((online && step != kSamplingStep) || (!online && step == kSamplingStep))
            ToggleOnlineMode(true);
    }
    if (changed.Test(0))
        ApplyCalibrationChange([this] {
            return UpdateChannelUnits(*mVolumeCalibrator, HostDataInterface(),
                                      static_cast<std::int32_t>(GetVolumeChannel()), *this);
        });
    if (changed.Test(61)) {
        const IntSet map = GetModelParam<61>(model);
        mData->ApplyLoopSelection(LoopIndexSet(map.begin(), map.end()));
        mChangeFlags |= kLoopDataStale;
        RefreshCalculation();
    }
    if (changed.Test(58)) {
        mChangeFlags |= kSelectedLoopChanged;
        RefreshCalculation();
    }
    if (changed.Test(34)) {
        RefreshCommandStates();
        if (!GetModelParam<34>(FindModel()))
            ForEachWorkflowView(HostViewTree().Get(), DocMsgId<12>());
    }
}

// --- Saline boluses -------------------------------------------------------------------------------

// A bolus index comes from the stored settings: anything outside the list is ignored.
void TarvikDocument::AnalyzeBolus(std::int32_t index) {
    const std::vector<BolusRecord> boluses = GetModelParam<40>(GetModel(kSalineModel));
    if (index < 0 || index >= static_cast<std::int32_t>(boluses.size()))
        return;
    const BolusRecord& bolus = boluses[static_cast<std::size_t>(index)];
    const HostTickPosition start{static_cast<LONG>(bolus.word2), static_cast<LONG>(bolus.word1)};
    const HostTickPosition end{static_cast<LONG>(bolus.word4), static_cast<LONG>(bolus.word3)};
    if (start.record == end.record && start.tick == end.tick)
        return;
    if (IRecordingView* view = HostView()) {
        const ComPtr<IRecordingView> held(view);
        const double range[2] = {HUGE_VAL, -HUGE_VAL};
        const SelectionKind kind;
        held->SelectValueRange(static_cast<LONG>(GetVolumeChannel()), range);
        held->SelectRange(0, &kind, start, end);
    }
    if (!mAnalysisFlag)
        ScrollToBolus(start, end);
    OnAnalyzeNow();
    const ModelPtr loopView = GetModel(kLoopViewModel);
    SetModelParam<61>(loopView, bolus.members);
    loopView->CommitChange();
}

// The recording view shows the bolus's middle when it lies in one record, else its start.
void TarvikDocument::ScrollToBolus(HostTickPosition start, const HostTickPosition& end) {
    if (start.record == end.record)
        start.tick = start.tick + (end.tick - start.tick) / 2;
    constexpr DWORD kTimePosition = 0x801E0000;
    if (IRecordingView* view = HostView())
        view->ShowPosition(start, kTimePosition, 0, 0, 1);
}

} // namespace Tarvik

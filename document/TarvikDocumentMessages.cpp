// The document's handlers of the automation messages that change calibrations,
// regressions, the table selection and the view layout, and the ones that take
// calibration points and parallel conductances from the analysis.

#include "document/TarvikDocument.h"

#include <cmath>
#include <cstring>
#include <optional>

#include "core/MsgData.h"
#include "core/NumericHelpers.h"
#include "core/ScaledValue.h"
#include "document/DocumentUi.h"
#include "document/UnitUpdate.h"
#include "document/ViewWalkers.h"
#include "module/HostServices.h"
#include "module/SendDocMessage.h"
#include "platform/user/icon_api.h"
#include "platform/user/input_api.h"
#include "platform/user/window_api.h"
#include "platform/vantrel/HostApplication.h"
#include "platform/vantrel/HostViews.h"
#include "workflow/ChannelQueries.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/VolumeCalibrator.h"
#include "workflow/WorkflowSteps.h"

namespace Tarvik {

namespace {

// A text equal to the word ignoring ASCII case, over the whole of both.
bool IsWord(const Ovo::String& text, std::u16string_view word) {
    const std::u16string value = text.ToU16String();
    if (value.size() != word.size())
        return false;
    const auto lower = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    };
    for (std::size_t i = 0; i < value.size(); ++i)
        if (lower(value[i]) != lower(word[i]))
            return false;
    return true;
}

// The empty parallel conductance: the NaN whose high word is 0x7FF87000.
double EmptyValue() {
    const std::uint64_t bits = 0x7FF8700000000000ull;
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

// --- Calibrations ---------------------------------------------------------------------------------

bool TarvikDocument::SetUpVolumeChannel() {
    return UpdateChannelUnits(*mVolumeCalibrator, HostDataInterface(),
                              static_cast<std::int32_t>(GetModelParam<2>(FindModel())), *this);
}

HRESULT TarvikDocument::OnApplySalineCalibration(double vp) {
    ApplyCalibrationChange([&] {
        const ModelPtr saline = GetModel(kSalineModel);
        SetModelParam<18>(saline, vp);
        SetModelParam<19>(saline, true);
        saline->CommitChange();
        return SetUpVolumeChannel();
    });
    return S_OK;
}

HRESULT TarvikDocument::OnDisableSalineCalibration() {
    ApplyCalibrationChange([&] {
        const ModelPtr saline = GetModel(kSalineModel);
        SetModelParam<19>(saline, false);
        saline->CommitChange();
        return SetUpVolumeChannel();
    });
    return S_OK;
}

// Slope in microlitres per unprefixed conductance unit and intercept in microlitres, stored in litres.
HRESULT TarvikDocument::OnApplyCuvetteCalibration(double slope, double intercept) {
    constexpr std::int32_t kMicro = 6, kUnity = 8;
    const double volumeSlope = slope * Ovo::PrefixCodeScale(kMicro) / Ovo::PrefixCodeScale(kUnity);
    const double volumeIntercept = intercept * Ovo::PrefixCodeScale(kMicro);
    ApplyCalibrationChange([&] {
        const ModelPtr cuvette = GetModel(kCuvetteModel);
        SetModelParam<17>(cuvette, true);
        SetModelParam<15>(cuvette, volumeSlope);
        SetModelParam<16>(cuvette, volumeIntercept);
        cuvette->CommitChange();
        return SetUpVolumeChannel();
    });
    return S_OK;
}

HRESULT TarvikDocument::OnDisableCuvetteCalibration() {
    ApplyCalibrationChange([&] {
        const ModelPtr cuvette = GetModel(kCuvetteModel);
        SetModelParam<17>(cuvette, false);
        cuvette->CommitChange();
        return SetUpVolumeChannel();
    });
    return S_OK;
}

// --- Regressions ----------------------------------------------------------------------------------

HRESULT TarvikDocument::OnShowESPVRegression(bool show) {
    const ModelPtr loopView = GetModel(kLoopViewModel);
    SetModelParam<21>(loopView, show);
    loopView->CommitChange();
    return S_OK;
}

HRESULT TarvikDocument::OnShowEDPVRegression(bool show) {
    const ModelPtr loopView = GetModel(kLoopViewModel);
    SetModelParam<22>(loopView, show);
    loopView->CommitChange();
    return S_OK;
}

// An unknown text leaves the type as it was.
HRESULT TarvikDocument::OnSetESPVRegressionType(const Ovo::String& type) {
    const ModelPtr loopView = GetModel(kLoopViewModel);
    if (IsWord(type, u"Linear"))
        SetModelParam<23>(loopView, 0);
    else if (IsWord(type, u"Quadratic"))
        SetModelParam<23>(loopView, 1);
    loopView->CommitChange();
    return S_OK;
}

HRESULT TarvikDocument::OnSetEDPVRegressionType(const Ovo::String& type) {
    const ModelPtr loopView = GetModel(kLoopViewModel);
    if (IsWord(type, u"Linear"))
        SetModelParam<24>(loopView, 0);
    else if (IsWord(type, u"Exponential"))
        SetModelParam<24>(loopView, 1);
    loopView->CommitChange();
    return S_OK;
}

// --- The table ------------------------------------------------------------------------------------

// Row r of the table is the r-th loop that is a loop (state not LastInBlock); its global index is sent as
// the loop to select.
HRESULT TarvikDocument::OnTableRowSelected(std::uint32_t row) {
    const EventStats* stats = mData->GetVChanData().GetStats();
    if (stats == nullptr)
        return S_OK;
    std::uint32_t seen = 0;
    for (std::int32_t i = 0; i < stats->total(); ++i) {
        if (stats->GetEventState(i) == LoopEventHead::LastInBlock)
            continue;
        if (seen++ == row) {
            mChangeFlags |= kTableRowSelected;
            SendDocMessage(Ovo::MakeMsgData1<std::int32_t>(DocMsgId<268>(), i), *this, Target(), 0);
            return S_OK;
        }
    }
    return S_OK;
}

IUnknown* TarvikDocument::GetTableViewManager() {
    if (!mTableViewManager)
        if (const DocumentUi& ui = GetDocumentUi(); ui.createTableViewManager != nullptr)
            mTableViewManager = ComPtr<IUnknown>::Adopt(ui.createTableViewManager());
    return mTableViewManager.Get();
}

IUnknown* TarvikDocument::GetHemodynamicsTableData() {
    if (!mHemodynamicsTableData)
        if (const DocumentUi& ui = GetDocumentUi(); ui.createHemodynamicsTableData != nullptr)
            mHemodynamicsTableData = ComPtr<IUnknown>::Adopt(ui.createHemodynamicsTableData(*this));
    return mHemodynamicsTableData.Get();
}

HRESULT TarvikDocument::OnCopyTableToDataPad() {
    const DocumentUi& ui = GetDocumentUi();
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (IUnknown* manager = GetTableViewManager(); manager != nullptr && ui.addSelectionToDataPad != nullptr)
        ui.addSelectionToDataPad(manager);
    SetCursor(previous);
    POINT at{0, 0};
    if (GetCursorPos(&at))
        SetCursorPos(at.x, at.y); // so that the cursor's shape is asked for again
    return S_OK;
}

// --- Calibration points from the selection -------------------------------------------------------

// The mean over the host's selection of the channel, when it lies within one record.
std::optional<double> TarvikDocument::SelectionMean(std::int32_t channel) {
    if (!SelectionIsWithinOneRecord(*this, channel))
        return std::nullopt;
    HostTickPosition start{INT32_MAX, INT32_MAX}, end{INT32_MAX, INT32_MAX};
    IDocumentSelection* selection = HostSelection();
    if (selection == nullptr || FAILED(selection->GetSelection(0, &start, &end)))
        return std::nullopt;
    return ChannelMeanOverRange(DocumentData(), channel, start.record, start.tick, end.tick, true);
}

namespace {

// Stores the recorded value of calibration point 0 or 1.
template <ModelParamId First, ModelParamId Second>
void StorePoint(const ModelPtr& model, std::int32_t point, double value) {
    if (!model)
        return;
    if (point == 0)
        SetModelParam<First>(model, value);
    else
        SetModelParam<Second>(model, value);
    model->CommitChange();
}

} // namespace

HRESULT TarvikDocument::OnPressureValueFromSelection(std::int32_t point) {
    if (point != 0 && point != 1)
        return S_OK;
    if (const auto mean = SelectionMean(static_cast<std::int32_t>(GetModelParam<1>(FindModel()))))
        StorePoint<3, 5>(GetModel(kPressureModel), point, *mean);
    return S_OK;
}

HRESULT TarvikDocument::OnConductanceValueFromSelection(std::int32_t point) {
    if (point != 0 && point != 1)
        return S_OK;
    if (const auto mean = SelectionMean(static_cast<std::int32_t>(GetModelParam<2>(FindModel()))))
        StorePoint<8, 10>(GetModel(kConductanceModel), point, *mean);
    return S_OK;
}

HRESULT TarvikDocument::OnVolumeValueFromSelection(std::int32_t point) {
    if (point != 0 && point != 1)
        return S_OK;
    if (const auto mean = SelectionMean(static_cast<std::int32_t>(GetModelParam<2>(FindModel()))))
        StorePoint<50, 51>(GetModel(kVolumeModel), point, *mean);
    return S_OK;
}

// --- The view layout of the workflow step ---------------------------------------------------------

HRESULT TarvikDocument::OnArrangeViews() {
    constexpr DWORD kStateFlags = 0x14, kCommandFlags = 0x114, kPlaceFlags = 0x814, kTarget = 0x100021;
    constexpr std::uint32_t kRestoredState = 0x40, kRestore = 0xF120; // SC_RESTORE
    std::vector<ViewPlacement> layout;
    BuildStepViewLayout(*this, layout);
    if (layout.empty())
        return S_OK;
    HWND client = nullptr;
    if (IHostApplication* application = GetHostApplication())
        application->GetClientWindow(&client);
    RECT area{0, 0, 0, 0};
    if (client != nullptr)
        GetClientRect(client, &area);
    for (const ViewPlacement& entry : layout) {
        SendDocMessageTo(Ovo::MakeMsgData2<std::uint32_t, std::uint32_t>(kViewStateMessage, entry.viewKind,
                                                                         kRestoredState),
                         *this, Target(), kTarget, kStateFlags);
        SendDocMessageTo(
            Ovo::MakeMsgData2<std::uint32_t, std::uint32_t>(kViewCommandMessage, entry.viewKind, kRestore),
            *this, Target(), kTarget, kCommandFlags);
        const LONG width = area.right - area.left, height = area.bottom - area.top;
        PlaceView(entry.viewKind,
                  RECT{entry.left * width / 100, entry.top * height / 100, entry.right * width / 100,
                       entry.bottom * height / 100},
                  kPlaceFlags, kTarget);
    }
    ForEachStepView(HostViewTree().Get(), layout, DocMsgId<12>());
    return S_OK;
}

// --- Parallel conductances of the saline step -----------------------------------------------------

HRESULT TarvikDocument::OnAddAnalyzedParallelConductance() {
    double intercept = 0.0, slope = 0.0, rSquared = 0.0;
    if (IsHostBusy() || !mData->FitSalineLine(intercept, slope, rSquared))
        return S_OK;
    const double vp = RatioOverOneMinus(intercept, slope);
    if (!std::isfinite(vp))
        return S_OK;
    const ModelPtr setup = FindModel(), saline = GetModel(kSalineModel);
    const WordPair start = GetModelParam<59>(setup), end = GetModelParam<60>(setup);
    BolusRecord bolus;
    bolus.members.max_load_factor(1.0f);
    bolus.members.rehash(11);
    bolus.word1 = start.first;
    bolus.word2 = start.second;
    bolus.word3 = end.first;
    bolus.word4 = end.second;
    const IntSet loops = GetModelParam<61>(GetModel(kLoopViewModel));
    bolus.members.insert(loops.begin(), loops.end());
    bolus.value = vp;
    std::vector<BolusRecord> boluses = GetModelParam<40>(saline);
    for (const BolusRecord& known : boluses)
        if (known == bolus)
            return S_OK;
    boluses.push_back(bolus);
    const bool flag = mAnalysisFlag;
    mAnalysisFlag = true;
    SetModelParam<40>(saline, boluses);
    SetModelParam<41>(saline, IntSet{static_cast<std::int32_t>(boluses.size() - 1)});
    SetModelParam<18>(saline, vp);
    saline->CommitChange();
    mAnalysisFlag = flag;
    return S_OK;
}

HRESULT TarvikDocument::OnRemoveParallelConductance(std::int32_t position) {
    const ModelPtr saline = GetModel(kSalineModel);
    std::vector<BolusRecord> boluses = GetModelParam<40>(saline);
    if (IsHostBusy() || position < 1 || position > static_cast<std::int32_t>(boluses.size()))
        return S_OK;
    boluses.erase(boluses.begin() + (position - 1));
    SetModelParam<40>(saline, boluses);
    SetModelParam<41>(saline, IntSet{});
    SetModelParam<18>(saline, EmptyValue());
    SetModelParam<19>(saline, false);
    saline->CommitChange();
    return S_OK;
}

// The value is in the volume channel's prefixed unit; the list keeps it unprefixed, as entered by hand.
HRESULT TarvikDocument::OnEditParallelConductance(std::int32_t position, double value) {
    const ModelPtr saline = GetModel(kSalineModel);
    std::vector<BolusRecord> boluses = GetModelParam<40>(saline);
    if (IsHostBusy() || position < 1 || position > static_cast<std::int32_t>(boluses.size()))
        return S_OK;
    BolusRecord& bolus = boluses[static_cast<std::size_t>(position - 1)];
    const Ovo::Unit unit = GetVolumeChannelUnit(*this);
    bolus.value = value * (unit.prefix != 0 ? Ovo::SiPrefixScale(unit.prefix) : 1.0);
    bolus.word1 = bolus.word2 = bolus.word3 = bolus.word4 = BolusRecord::kUnset;
    bolus.members.clear();
    const double stored = bolus.value;
    SetModelParam<40>(saline, boluses);
    SetModelParam<41>(saline, IntSet{position - 1});
    SetModelParam<18>(saline, stored);
    saline->CommitChange();
    return S_OK;
}

} // namespace Tarvik

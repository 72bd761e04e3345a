#include "document/TarvikDocument.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "core/MsgData.h"
#include "core/OvoBitset.h"
#include "core/ResourceStrings.h"
#include "document/ControlSoftware.h"
#include "document/FormulaTexts.h"
#include "document/OnlineSink.h"
#include "module/HostServices.h"
#include "module/ModuleVersion.h"
#include "module/SendDocMessage.h"
#include "platform/user/msgbox_api.h"
#include "platform/vantrel/ICalcObject.h"
#include "platform/vantrel/IDocumentStorage.h"
#include "platform/vantrel/Subject.h"
#include "workflow/ModelClassObjects.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/PressureCalibrator.h"
#include "workflow/VolumeCalibrator.h"
#include "workflow/WorkflowSteps.h"

namespace Tarvik {

namespace {

using Rows = TableRows<TarvikDocument>;
using D = TarvikDocument;

template <WORD N> TarvikMessageId Host3A7D() {
    return MsgIdClass<HostMsgGuid3A7D, N>::Id();
}
template <WORD N> TarvikMessageId HostDE25() {
    return MsgIdClass<HostMsgGuidDE25, N>::Id();
}
template <WORD N> TarvikMessageId Host659C() {
    return MsgIdClass<kAnalysisManagerGuid, N>::Id();
}

// The type number of the loop data among the document's child data.
constexpr WORD kLoopDataTypeNumber = 5;

} // namespace

ZARCommandTable& TarvikDocument::CommandTable() {
    static ZARCommandTable table{
        Rows::Observer<&D::OnHostAttach>(FixedId<kHostDocumentAttached>),
        Rows::Observer<&D::OnHostDataChanged>(FixedId<kHostDocumentDataChanged>),
        Rows::Observer<&D::OnHostStateChanged>(FixedId<kHostDocumentStateChanged>),
        Rows::Observer<&D::RefreshCalculation>(Host3A7D<4>),
        Rows::Observer<&D::OnDataRemoved>(Host3A7D<16>),
        Rows::Observer<&D::OnDataRemoved>(Host3A7D<14>),
        Rows::Observer<&D::OnChannelSettingsChanged>(Host3A7D<20>),
        Rows::Observer<&D::OnChannelSettingsChanged>(Host3A7D<22>),
        Rows::Observer<&D::OnDataRecalculated>(SpaceId<HostMsgGuid4EC1, 16>),
        Rows::Observer<&D::OnModelApplicable>(DocId<36>),
        Rows::Observer<&D::OnModelNotApplicable>(DocId<37>),
        Rows::Observer<&D::OnModelParamsChanged>(DocId<34>),
        Rows::Command<&D::OnWorkflow>(DocId<31>),
        Rows::Enabler<&D::EnableWorkflow>(DocId<31>),
        Rows::Command<&D::OnSettings>(DocId<13>),
        Rows::Enabler<&D::EnableSettings>(DocId<13>),
        Rows::Command<&D::OnWorkflowMode>(DocId<32>),
        Rows::Enabler<&D::EnableWorkflowMode>(DocId<32>),
        Rows::Command<&D::OnOpenLoopView>(DocId<15>),
        Rows::Command<&D::OnOpenTableView>(DocId<14>),
        Rows::Command<&D::OnOpenPRSWPlot>(DocId<23>),
        Rows::Command<&D::OnOpenDpdtPlot>(DocId<24>),
        Rows::Command<&D::OnOpenSalineView>(DocId<27>),
        Rows::Command<&D::OnOpenPvaEdvPlot>(DocId<25>),
        Rows::Command<&D::OnOpenPvaEspPlot>(DocId<26>),
        Rows::Command<&D::OnOpenCuvetteView>(DocId<28>),
        Rows::Enabler<&D::EnableViewGroup>(DocId<22>),
        Rows::Command<&D::OnShowLoopMarkers>(DocId<17>),
        Rows::Enabler<&D::EnableShowLoopMarkers>(DocId<17>),
        Rows::Message<&D::OnToggleEventMarkers>(DocId<261>),
        Rows::Command<&D::OnOnlineMode>(DocId<19>),
        Rows::Enabler<&D::EnableOnlineMode>(DocId<19>),
        Rows::Message<&D::OnToggleOnlineMode>(DocId<260>),
        Rows::Command<&D::OnAnalyze>(DocId<21>),
        Rows::Enabler<&D::EnableAnalyze>(DocId<21>),
        Rows::Message<&D::OnAnalyzeNow>(DocId<257>),
        Rows::Command<&D::OnClearAnalysis>(DocId<20>),
        Rows::Enabler<&D::EnableAnalysedRegion>(DocId<20>),
        Rows::Message<&D::OnClearAnalysisNow>(DocId<258>),
        Rows::Command<&D::OnReselect>(DocId<18>),
        Rows::Enabler<&D::EnableAnalysedRegion>(DocId<18>),
        Rows::Message<&D::OnReselectAnalyzedRegion>(DocId<259>),
        Rows::Message<&D::OnApplySalineCalibration>(DocId<262>),
        Rows::Message<&D::OnDisableSalineCalibration>(DocId<263>),
        Rows::Message<&D::OnApplyCuvetteCalibration>(DocId<270>),
        Rows::Message<&D::OnDisableCuvetteCalibration>(DocId<271>),
        Rows::Message<&D::OnShowESPVRegression>(DocId<264>),
        Rows::Message<&D::OnShowEDPVRegression>(DocId<265>),
        Rows::Message<&D::OnSetESPVRegressionType>(DocId<266>),
        Rows::Message<&D::OnSetEDPVRegressionType>(DocId<267>),
        Rows::Message<&D::OnAddSelToCuvetteCalibration>(DocId<256>),
        Rows::Message<&D::OnSelectLoop>(DocId<268>),
        Rows::Message<&D::OnTableRowSelected>(DocId<269>),
        Rows::Message<&D::OnCopyTableToDataPad>(DocId<272>),
        Rows::Message<&D::OnPressureValueFromSelection>(DocId<273>),
        Rows::Message<&D::OnConductanceValueFromSelection>(DocId<274>),
        Rows::Message<&D::OnOpenSettings>(DocId<276>),
        Rows::Message<&D::OnArrangeViews>(DocId<280>),
        Rows::Message<&D::OnAddAnalyzedParallelConductance>(DocId<281>),
        Rows::Message<&D::OnRemoveParallelConductance>(DocId<282>),
        Rows::Message<&D::OnEditParallelConductance>(DocId<285>),
        Rows::Message<&D::OnVolumeValueFromSelection>(DocId<283>),
        Rows::Message<&D::OnOpenControlSoftware>(DocId<284>),
        Rows::Observer<&D::OnEventActivated>(Host3A7D<44>),
        Rows::Observer<&D::OnChannelsChanged>(Host3A7D<51>),
        Rows::Observer<&D::OnUnitsChanged>(Host3A7D<34>),
        Rows::Observer<&D::OnMarkedPositionSet>(HostDE25<12>),
        Rows::Observer<&D::OnMarkedPositionCleared>(HostDE25<13>),
        Rows::CommandKind<&D::OnFillPlotsMenu>(DocId<22>),
        Rows::CommandKind<&D::OnRunPlotsMenu>(DocId<22>),
        Rows::Observer<&D::OnReportRegionNotice>(Host659C<kAnalysisReportRegion>),
        Rows::Observer<&D::OnRecalculateNotice>(Host659C<kAnalysisRecalculate>),
        Rows::Observer<&D::OnClearNotice>(Host659C<kAnalysisClear>),
    };
    return table;
}

// The scale operations the channel calculation asks of the document.
class TarvikDocument::ScalePart final : public ITarvikDocInterface {
public:
    explicit ScalePart(TarvikDocument& document) : mDocument(document) {}

    HRESULT QueryInterface(REFIID iid, void** out) override { return mDocument.QueryInterface(iid, out); }
    ULONG AddRef() override { return mDocument.AddRef(); }
    ULONG Release() override { return mDocument.Release(); }
    HRESULT GetPressureScale(DWORD, double* scale) override {
        return Scale(mDocument.GetPressureChannel(), scale);
    }
    HRESULT GetVolumeScale(DWORD, double* scale) override {
        return Scale(mDocument.GetVolumeChannel(), scale);
    }

private:
    HRESULT Scale(std::uint32_t channel, double* scale) {
        if (scale == nullptr)
            return E_POINTER;
        *scale = 1.0;
        mDocument.ApplyChannelScaling(channel, *scale);
        return S_OK;
    }

    TarvikDocument& mDocument;
};

// Built in the order the models and parts need each other: the set-up model, the loop data (which
// keeps the host's data object), the calibrators (which make the models they use), and last the
// loop data handed to the host as the document's child data. The construction hold keeps the
// document alive while its parts take and drop references to it.
TarvikDocument::TarvikDocument(IUnknown* documentClass, IUnknown* creator, DWORD flags)
    : StrevChildDocument(creator, documentClass, flags), mSink(std::make_unique<OnlineSink>(*this)),
      mScale(std::make_unique<ScalePart>(*this)) {
    HoldDuringConstruction();
    GetModel(kSetupModel);
    mData = ComPtr<TarvikData>::Adopt(new TarvikData(*this));
    mVolumeCalibrator = std::make_unique<VolumeCalibrator>(*this);
    mPressureCalibrator = std::make_unique<PressureCalibrator>(*this);
    if (IChannelLookup* channels = HostChannels())
        channels->SetChildData(0, static_cast<IStrevDataChildData*>(mData.Get()));
    EndConstructionHold();
}

// The models go before the calibrators that also hold them; the persistence objects, which the host
// may still hold, forget the document.
TarvikDocument::~TarvikDocument() {
    mModels.Clear();
    mPressureCalibrator.reset();
    mVolumeCalibrator.reset();
    mData.Reset();
    for (ComPtr<PersistSettings>* persist : {&mPersistExtra, &mPersistMain})
        if (*persist)
            (*persist)->Detach();
}

HRESULT TarvikDocument::QueryInterface(REFIID iid, void** out) {
    if (out != nullptr && iid == IID_IOnlineDataSink) {
        *out = static_cast<IOnlineDataSink*>(mSink.get());
        AddRef();
        return S_OK;
    }
    if (out != nullptr && iid == IID_ITarvikDocInterface) {
        *out = static_cast<ITarvikDocInterface*>(mScale.get());
        AddRef();
        return S_OK;
    }
    return StrevChildDocument::QueryInterface(iid, out);
}

// --- The host's document slots ------------------------------------------------------------------

HRESULT TarvikDocument::OnOpenControlSoftware() {
    OpenControlSoftware();
    return S_OK;
}

HRESULT TarvikDocument::DetachSender() {
    if (mData)
        mData->GetVChanData().ReleaseChannels();
    if (IOnlineDataSinkRegistry* sampling = HostSampling())
        sampling->RemoveSink(mSink.get());
    return StrevChildDocument::DetachSender();
}

HRESULT TarvikDocument::GetSettingsObject(LONG index, DWORD kind, DWORD* word, IPersist** persist) {
    if (word != nullptr)
        *word = 0;
    if (persist == nullptr)
        return E_POINTER;
    *persist = nullptr;
    if ((index != 0 && index != 1) || kind != kSettingsObjectKind)
        return S_FALSE;
    const ComPtr<PersistSettings> object = GetSettingsPersist(index);
    if (!object || FAILED(object->QueryInterface(IID_IPersist, reinterpret_cast<void**>(persist))))
        return E_FAIL;
    return S_OK;
}

HRESULT TarvikDocument::OnHostDataReady(IUnknown*) {
    RegisterVirtualChannels();
    mInitialised = true;
    return S_OK;
}

void TarvikDocument::RegisterVirtualChannels() {
    mData->GetVChanData().DefineChannels();
}

// --- Step models ----------------------------------------------------------------------------------

ModelPtr TarvikDocument::GetModel(std::int32_t id) {
    return mModels.GetModel(id, this, ObserverPart());
}

ModelPtr TarvikDocument::FindModel() {
    return mModels.Find(kSetupModel);
}

void TarvikDocument::ResetModels() {
    mModels.ForEach([this](std::int32_t id, const ModelPtr& model) {
        const ModelPtr fresh =
            MakeModelSharedPtr(CreateRegisteredObject(static_cast<std::uint32_t>(id), this));
        if (!fresh)
            return;
        model->CopyStateFrom(fresh.get());
        model->CommitChange();
    });
}

void TarvikDocument::EnsureSettingsLoaded() {
    if (mLoading)
        return;
    MarkSettingsDirty();
    // A rerun marks the settings too; it asks for no further rerun, or reruns would never end.
    if (!mBusy && !mRerunning)
        RequestReanalysis();
}

void TarvikDocument::MarkSettingsDirty() {
    mSettingsChanged = true;
    for (LONG index = 0; index < 2; ++index)
        GetSettingsPersist(index)->SetDirty();
}

std::int32_t TarvikDocument::GetHostChannelCount() {
    LONG count = 0;
    if (IDocumentData* data = DocumentData(); data == nullptr || FAILED(data->GetChannelCount(0, 0, &count)))
        return 0;
    return count;
}

// Whether the channel (kind 4: an event source; any other kind: a channel of samples) depends on the
// analysis: it is one of the module's virtual channels, or its own calculation reads one. Asked when a
// channel is chosen: a channel that depends on the analysis would make the analysis depend on itself.
// A channel without a calculation of its own (a recorded channel) depends on nothing; unknown answers
// of the host count as dependent.
bool TarvikDocument::IsChannelFlaggedAtPosition(std::uint32_t number, std::uint32_t kind) {
    constexpr std::uint32_t kEventSourceKind = 4;
    if (kind != kEventSourceKind && number == kNoChannel)
        return false;
    IChannelLookup* settings = HostChannels();
    ComPtr<IChannelLookup> fromData;
    if (settings == nullptr) {
        fromData = QueryInterfacePtr<IChannelLookup>(HostDataSource(), IID_IChannelLookup);
        settings = fromData.Get();
    }
    if (settings == nullptr)
        return true;
    const VChanData& vchan = mData->GetVChanData();
    if (!vchan.GetChannelRef(VChanData::Loops).IsDefined())
        return false;
    std::vector<std::uint32_t> analysis;
    for (int c = 0; c < VChanData::kChannelCount; ++c)
        if (const VirtualChannelRef ref = vchan.GetChannelRef(static_cast<VChanData::Channel>(c));
            ref.IsDefined())
            analysis.push_back(ref.channel);
    if (std::find(analysis.begin(), analysis.end(), number) != analysis.end())
        return true;
    ComPtr<IOvoBitset> events, channels;
    if (FAILED(settings->GetCalculationSources(0, VirtualChannelRef{number, 0xC0000000}, events.Put(),
                                               channels.Put(), 1)))
        return false;
    const OvoBitset set = OvoBitset::FromInterface(events.Get());
    return std::any_of(analysis.begin(), analysis.end(), [&set](std::uint32_t c) { return set.Test(c); });
}

IUnitService* TarvikDocument::UnitService() {
    return GetUnitService();
}

IDocumentData* TarvikDocument::DocumentData() {
    if (!mDocumentData)
        mDocumentData = QueryInterfacePtr<IDocumentData>(HostDataSource(), IID_IDocumentData);
    if (!mDocumentData)
        mDocumentData = QueryInterfacePtr<IDocumentData>(HostDocumentObject(), IID_IDocumentData);
    if (!mDocumentData)
        mDocumentData = QueryInterfacePtr<IDocumentData>(GetHostDataSource(), IID_IDocumentData);
    return mDocumentData.Get();
}

// --- Settings -------------------------------------------------------------------------------------

ComPtr<PersistSettings> TarvikDocument::GetSettingsPersist(LONG index) {
    ComPtr<PersistSettings>& slot = index == 0 ? mPersistMain : mPersistExtra;
    if (!slot) {
        slot = ComPtr<PersistSettings>(new PersistSettings(*this, index != 0));
        if (mSettingsChanged)
            slot->SetDirty();
    }
    return slot;
}

bool TarvikDocument::IsSettingsObjectLoading(LONG index) const {
    const ComPtr<PersistSettings>& slot = index == 0 ? mPersistMain : mPersistExtra;
    return slot && slot->HasBegunLoading();
}

void TarvikDocument::LoadPersistedSettings() {
    if (mSettingsLoaded)
        return;
    const auto storage = QueryInterfacePtr<IDocumentStorage>(HostDocumentObject(), IID_IDocumentStorage);
    const auto host = QueryInterfacePtr<IHostDocument>(HostDocumentObject(), IID_IHostDocument);
    if (!storage)
        return;
    HRESULT last = E_FAIL;
    for (LONG index = 0; index < 2; ++index) {
        const ComPtr<PersistSettings> persist = GetSettingsPersist(index);
        BSTR message = nullptr;
        last = storage->LoadSettings(host.Get(), index, static_cast<IPersistStreamInit*>(persist.Get()), 0, 0,
                                     &message);
        SysFreeString(message);
    }
    mSettingsLoaded = last == S_OK;
}

// --- Channels and their scaling -------------------------------------------------------------------

ComPtr<IUnknown> TarvikDocument::GetChannelConversionAt(LONG record, LONG channel, DWORD flags) {
    ComPtr<IUnknown> conversion;
    if (ISampleBlocks* data = HostDataInterface())
        data->GetChannelConversion(flags, record, channel, conversion.Put());
    return conversion;
}

ComPtr<IUnknown> TarvikDocument::GetChannelUnitConversion(std::int32_t channel) {
    WordPair start;
    const LONG record = GetAnalysisRegion(&start, nullptr, nullptr) ? static_cast<LONG>(start.second) : 0;
    LONG records = 0;
    ISampleBlocks* data = HostDataInterface();
    if (channel < 0 || data == nullptr || FAILED(data->GetRecordTotal(0, &records)) || record < 0 ||
        record >= records)
        return {};
    return GetChannelConversionAt(record, channel, kChannelConversionShown);
}

namespace {

// The line of a conversion from raw to shown values; false when it has none or does not scale.
bool ConversionLine(IUnknown* conversion, double& scale, double& offset) {
    const auto info = QueryInterfacePtr<IUnitConversion>(conversion, IID_IUnitConversion);
    UnitScalingInfo scaling;
    scaling.flags = scaling.hasScaling = 0;
    if (!info || FAILED(info->GetConversionInfo(nullptr, nullptr, &scaling, nullptr)) ||
        scaling.hasScaling == 0)
        return false;
    scale = scaling.scale;
    offset = scaling.offset;
    return true;
}

} // namespace

// The host's conversions map raw to shown values as scale * raw + offset, the offset in shown units;
// a line written (value + o) * s has o = offset / scale.
void TarvikDocument::ApplyChannelScaling(std::uint32_t channel, double& value) {
    double scale = 1.0, offset = 0.0;
    const ComPtr<IUnknown> conversion = GetChannelUnitConversion(static_cast<std::int32_t>(channel));
    if (ConversionLine(conversion.Get(), scale, offset))
        value = scale * value + offset;
}

void TarvikDocument::ApplyInverseChannelScaling(std::uint32_t channel, double& value) {
    double scale = 1.0, offset = 0.0;
    const ComPtr<IUnknown> conversion = GetChannelUnitConversion(static_cast<std::int32_t>(channel));
    if (ConversionLine(conversion.Get(), scale, offset) && scale != 0.0 && std::isfinite(scale))
        value = (value - offset) / scale;
}

// --- ILoopDataDocument ----------------------------------------------------------------------------

DWORD TarvikDocument::GetChildDataTypeId() {
    return DocMsgId<kLoopDataTypeNumber>();
}

std::uint32_t TarvikDocument::GetPressureChannel() {
    return GetPressureChannelParam(FindModel());
}

std::uint32_t TarvikDocument::GetVolumeChannel() {
    return GetVolumeChannelParam(FindModel());
}

bool TarvikDocument::IsAnalysingWhileSampling() {
    return GetModelParam<35>(FindModel());
}

std::int32_t TarvikDocument::GetHighlightedLoop() {
    const ModelPtr setup = FindModel();
    return setup ? GetModelParam<58>(setup) : -1;
}

std::int32_t TarvikDocument::GetEspvrType() {
    return GetEspvrRegressionType(GetModel(kLoopViewModel));
}

std::int32_t TarvikDocument::GetEdpvrType() {
    return GetEdpvrRegressionType(GetModel(kLoopViewModel));
}

// Well r's volume (parameter 37) and the conductances measured in it: column r of the table.
CuvettePoints TarvikDocument::GetCuvettePoints() {
    const ModelPtr cuvette = GetModel(kCuvetteModel);
    CuvettePoints points;
    points.volumes = GetModelParam<37>(cuvette);
    const CuvetteTable table = GetModelParam<38>(cuvette);
    for (std::uint32_t column = 0; column < table.columns; ++column) {
        std::vector<double> measured;
        for (std::uint32_t row = 0; row < table.rows; ++row)
            measured.push_back(
                table.GetCell(static_cast<std::int32_t>(column), static_cast<std::int32_t>(row)));
        points.conductances.push_back(std::move(measured));
    }
    return points;
}

bool TarvikDocument::ShowsTableParameter(std::int32_t id) {
    return GetModelParam<55>(GetModel(kHemoTableModel)).count(id) != 0;
}

std::vector<std::int32_t> TarvikDocument::GetExcludedParameterIds() {
    std::vector<std::int32_t> ids;
    GetHiddenLoopParamIds(*this, ids);
    return ids;
}

HMODULE TarvikDocument::GetResourceModule() {
    return ModuleInstance();
}

namespace {

Ovo::Unit ShownUnit(IUnknown* conversion) {
    const auto name = QueryInterfacePtr<IUnitName>(conversion, IID_IUnitName);
    Ovo::Unit unit;
    if (!name || !Ovo::UnitNameToUnit(name.Get(), unit))
        return Ovo::Unit();
    return unit;
}

} // namespace

Ovo::Unit TarvikDocument::GetPressureUnit() {
    const std::uint32_t channel = GetPressureChannel();
    if (mPressureCalibrator->IsApplied())
        return mPressureCalibrator->GetUnit(static_cast<std::int32_t>(channel));
    return ShownUnit(GetChannelUnitConversion(static_cast<std::int32_t>(channel)).Get());
}

Ovo::Unit TarvikDocument::GetVolumeUnit() {
    const std::uint32_t channel = GetVolumeChannel();
    if (mVolumeCalibrator->IsApplied())
        return mVolumeCalibrator->GetUnit(static_cast<std::int32_t>(channel));
    return ShownUnit(GetChannelUnitConversion(static_cast<std::int32_t>(channel)).Get());
}

Ovo::String TarvikDocument::BuildPvaCalcFormula() {
    const ModelPtr loopView = GetModel(kLoopViewModel);
    return BuildPvaCalcText(*mData.Get(), GetEspvrRegressionType(loopView), GetEdpvrRegressionType(loopView),
                            IsHostBusy());
}

IUnknown* TarvikDocument::CreateCalculationObject() {
    IClassRegistry* registry = GetClassRegistry();
    IUnknown* object = nullptr;
    if (registry == nullptr ||
        FAILED(registry->GetService(CalcObjectClassId(), IID_ICalcObject, reinterpret_cast<void**>(&object))))
        return nullptr;
    return object;
}

// --- Menu commands --------------------------------------------------------------------------------

void TarvikDocument::SendAutomation(DWORD id) {
    SendDocMessage(Ovo::MsgData0{id, 0}, *this, Target(), 0);
}

void TarvikDocument::OnShowLoopMarkers() {
    SendAutomation(DocMsgId<261>());
}

void TarvikDocument::OnOnlineMode() {
    SendAutomation(DocMsgId<260>());
}

void TarvikDocument::OnAnalyze() {
    SendAutomation(DocMsgId<257>());
}

void TarvikDocument::OnClearAnalysis() {
    SendAutomation(DocMsgId<258>());
}

void TarvikDocument::OnReselect() {
    SendAutomation(DocMsgId<259>());
}

// --- Lifecycle ------------------------------------------------------------------------------------

void TarvikDocument::OnHostAttach(std::uint32_t subject, std::uint32_t) {
    if (subject != HostIdentity())
        return;
    mAttached = true;
    AnalysisClientBase::Register();
    RefreshCommandStates();
    if (!HasSettings())
        LoadPersistedSettings();
    UpdateAnalysis(false);
}

void TarvikDocument::OnHostDataChanged(std::uint32_t, std::uint32_t subject) {
    if (subject != HostIdentity())
        return;
    ReregisterOnlineSink();
    RefreshCalculation();
}

void TarvikDocument::ReregisterOnlineSink() {
    IOnlineDataSinkRegistry* sampling = HostSampling();
    if (sampling == nullptr)
        return;
    sampling->RemoveSink(mSink.get());
    if (IsAnalysingWhileSampling())
        sampling->AddSink(mSink.get());
}

void TarvikDocument::ReportOutOfMemory() {
    const Ovo::String caption = LoadModuleString(174);
    Ovo::String text;
    Ovo::LoadResString(text, ModuleInstance(), 22950, true);
    MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_ICONWARNING | MB_OK);
}

} // namespace Tarvik

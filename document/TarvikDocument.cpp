#include "document/TarvikDocument.h"

#include "core/MsgData.h"
#include "module/HostServices.h"
#include "module/SendDocMessage.h"
#include "platform/vantrel/Subject.h"

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
    return MsgIdClass<HostMsgGuid659C, N>::Id();
}

} // namespace

ZARCommandTable& TarvikDocument::CommandTable() {
    static ZARCommandTable table{
        Rows::Observer<&D::OnHostAttach>(FixedId<kHostDocumentAttached>),
        Rows::Observer<&D::OnHostDataChanged>(FixedId<kHostDocumentDataChanged>),
        Rows::Observer<&D::OnHostStateChanged>(FixedId<kHostDocumentStateChanged>),
        Rows::Observer<&D::RefreshCalculation>(Host3A7D<4>),
        Rows::Observer<&D::OnHostRecordNotice>(Host3A7D<16>),
        Rows::Observer<&D::OnHostRecordNotice>(Host3A7D<14>),
        Rows::Observer<&D::OnHostSelectionNotice>(Host3A7D<20>),
        Rows::Observer<&D::OnHostSelectionNotice>(Host3A7D<22>),
        Rows::Observer<&D::OnHostViewNotice>(SpaceId<HostMsgGuid4EC1, 16>),
        Rows::Observer<&D::OnModelApplicable>(DocId<36>),
        Rows::Observer<&D::OnModelNotApplicable>(DocId<37>),
        Rows::Observer<&D::OnModelParamsChanged>(DocId<34>),
        Rows::Command<&D::OnWorkflow>(DocId<31>),
        Rows::Enabler<&D::EnableCommand>(DocId<31>),
        Rows::Command<&D::OnSettings>(DocId<13>),
        Rows::Enabler<&D::EnableCommand>(DocId<13>),
        Rows::Command<&D::OnWorkflowMode>(DocId<32>),
        Rows::Enabler<&D::EnableCommand>(DocId<32>),
        Rows::Command<&D::OnOpenLoopView>(DocId<15>),
        Rows::Command<&D::OnOpenTableView>(DocId<14>),
        Rows::Command<&D::OnOpenPRSWPlot>(DocId<23>),
        Rows::Command<&D::OnOpenDpdtPlot>(DocId<24>),
        Rows::Command<&D::OnOpenSalineView>(DocId<27>),
        Rows::Command<&D::OnOpenPvaEdvPlot>(DocId<25>),
        Rows::Command<&D::OnOpenPvaEspPlot>(DocId<26>),
        Rows::Command<&D::OnOpenCuvetteView>(DocId<28>),
        Rows::Enabler<&D::EnableCommand>(DocId<22>),
        Rows::Command<&D::OnShowLoopMarkers>(DocId<17>),
        Rows::Enabler<&D::EnableCommand>(DocId<17>),
        Rows::Message<&D::OnToggleEventMarkers>(DocId<261>),
        Rows::Command<&D::OnOnlineMode>(DocId<19>),
        Rows::Enabler<&D::EnableCommand>(DocId<19>),
        Rows::Message<&D::OnToggleOnlineMode>(DocId<260>),
        Rows::Command<&D::OnAnalyze>(DocId<21>),
        Rows::Enabler<&D::EnableCommand>(DocId<21>),
        Rows::Message<&D::OnAnalyzeNow>(DocId<257>),
        Rows::Command<&D::OnClearAnalysis>(DocId<20>),
        Rows::Enabler<&D::EnableCommand>(DocId<20>),
        Rows::Message<&D::OnClearAnalysisNow>(DocId<258>),
        Rows::Command<&D::OnReselect>(DocId<18>),
        Rows::Enabler<&D::EnableCommand>(DocId<18>),
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
        Rows::Observer<&D::OnHostNotice13>(HostDE25<13>),
        Rows::Observer<&D::OnHostNotice34>(Host3A7D<34>),
        Rows::CommandKind<&D::OnFillPlotsMenu>(DocId<22>),
        Rows::CommandKind<&D::OnRunPlotsMenu>(DocId<22>),
        Rows::Observer<&D::OnAnalysisClientNotice>(Host659C<7>),
        Rows::Observer<&D::OnAnalysisClientNotice>(Host659C<5>),
        Rows::Observer<&D::OnAnalysisClientNotice>(Host659C<6>),
    };
    return table;
}

TarvikDocument::TarvikDocument(IUnknown* documentClass, IUnknown* creator, DWORD flags)
    : ZARDocument(creator, documentClass, flags) {
    // Held while the set-up model takes and drops references to the document.
    HoldDuringConstruction();
    GetModel(kSetupModel);
    EndConstructionHold();
}

// The models go before the document's parts they call on.
TarvikDocument::~TarvikDocument() {
    mModels.Clear();
}

ModelPtr TarvikDocument::GetModel(std::int32_t id) {
    return mModels.GetModel(id, this, ObserverPart());
}

ModelPtr TarvikDocument::FindModel() {
    return mModels.Find(kSetupModel);
}

std::int32_t TarvikDocument::GetHostChannelCount() {
    LONG count = 0;
    if (IDocumentData* data = DocumentData(); data == nullptr || FAILED(data->GetChannelCount(0, 0, &count)))
        return 0;
    return count;
}

IUnitService* TarvikDocument::UnitService() {
    return GetUnitService();
}

IDocumentData* TarvikDocument::DocumentData() {
    if (!mData)
        mData = QueryInterfacePtr<IDocumentData>(HostDocumentObject(), IID_IDocumentData);
    if (!mData)
        mData = QueryInterfacePtr<IDocumentData>(GetHostDataSource(), IID_IDocumentData);
    return mData.Get();
}

void TarvikDocument::AddMenuCommands(ICAFCommand*) {}

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

void TarvikDocument::EnableCommand(ICommandState& state) {
    state.SetEnabled(VARIANT_TRUE);
}

} // namespace Tarvik

#pragma once
// Tarvik::TarvikDocument: the module's document as far as its class object,
// its identity and its command table go. The table routes the host's
// notifications, the menu commands, their enablers and the automation messages
// to the handlers below; the handlers' work belongs to the document's own
// subsystem and grows with it. The menu commands that stand for an automation
// message already send it, so that their work can be recorded and replayed.
//
// The document owns its step models (made on first request, the set-up model
// at construction) and observes each. What the models ask of it beyond their
// lookup are seams its settings and analysis driver fill: EnsureSettingsLoaded
// does nothing yet and the loading flag stays clear; the channel count is the
// host data's; no channel is reported as depending on the analysis.

#include <cstdint>

#include "module/ZARDocument.h"
#include "module/ZAREventHandlerBase.h"
#include "platform/vantrel/CommandService.h"
#include "platform/vantrel/IDocumentData.h"
#include "workflow/ModelDocument.h"
#include "workflow/ModelMap.h"
#include "workflow/ModelMessages.h"

namespace Tarvik {

class TarvikDocument : public ZARDocument, public ModelDocument {
public:
    TarvikDocument(IUnknown* documentClass, IUnknown* creator, DWORD flags);
    ~TarvikDocument() override;

    // The step models.
    ModelPtr GetModel(std::int32_t id) override;
    ModelPtr FindModel() override;
    void EnsureSettingsLoaded() override {}
    bool IsLoadingSettings() const override { return mLoading; }
    std::int32_t GetHostChannelCount() override;
    bool IsChannelFlaggedAtPosition(std::uint32_t, std::uint32_t) override { return false; }
    // Host access of the models' channel units.
    IUnitService* UnitService() override;
    IDocumentData* DocumentData() override;
    IUnknown* FindUnitElsewhere(std::int32_t, Position, Position) override { return nullptr; }

    ZAR_COMMAND_TABLE(TarvikDocument, ZAREventHandlerBase)

    // Builds the module's menus with the command object of its document class.
    static void AddMenuCommands(ICAFCommand* command);

    // Host notifications.
    void OnHostAttach(std::uint32_t, std::uint32_t) {}
    void OnHostDataChanged(std::uint32_t, std::uint32_t) {}
    void OnHostStateChanged(std::uint32_t) {}
    void RefreshCalculation() {}
    void OnHostRecordNotice(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
    void OnHostSelectionNotice(std::uint32_t) {}
    void OnHostViewNotice(std::uint32_t) {}
    void OnHostNotice13() {}
    void OnHostNotice34(std::uint32_t, std::uint32_t, std::uint32_t) {}
    void OnAnalysisClientNotice(std::uint32_t) {}
    // The module's own notifications.
    void OnModelApplicable(const ModelNoticeData*) {}
    void OnModelNotApplicable(const ModelNoticeData*) {}
    void OnModelParamsChanged(const ModelParamsChangedData*) {}

    // Menu commands and their enablers.
    void OnWorkflow() {}
    void OnSettings() {}
    void OnWorkflowMode() {}
    void OnOpenTableView() {}
    void OnOpenLoopView() {}
    void OnOpenPRSWPlot() {}
    void OnOpenDpdtPlot() {}
    void OnOpenSalineView() {}
    void OnOpenPvaEdvPlot() {}
    void OnOpenPvaEspPlot() {}
    void OnOpenCuvetteView() {}
    void OnShowLoopMarkers();
    void OnOnlineMode();
    void OnAnalyze();
    void OnClearAnalysis();
    void OnReselect();
    void EnableCommand(ICommandState& state);
    HRESULT OnFillPlotsMenu(ULONG_PTR) { return S_FALSE; }
    HRESULT OnRunPlotsMenu(ULONG_PTR, ULONG_PTR) { return S_FALSE; }

    // Automation messages; every one is handled (S_OK), whatever it did.
    HRESULT OnAddSelToCuvetteCalibration() { return S_OK; }
    HRESULT OnAnalyzeNow() { return S_OK; }
    HRESULT OnClearAnalysisNow() { return S_OK; }
    HRESULT OnReselectAnalyzedRegion() { return S_OK; }
    HRESULT OnToggleOnlineMode() { return S_OK; }
    HRESULT OnToggleEventMarkers() { return S_OK; }
    HRESULT OnApplySalineCalibration(double) { return S_OK; }
    HRESULT OnDisableSalineCalibration() { return S_OK; }
    HRESULT OnApplyCuvetteCalibration(double, double) { return S_OK; }
    HRESULT OnDisableCuvetteCalibration() { return S_OK; }
    HRESULT OnSelectLoop(std::int32_t) { return S_OK; }
    HRESULT OnTableRowSelected(std::uint32_t) { return S_OK; }
    HRESULT OnShowESPVRegression(bool) { return S_OK; }
    HRESULT OnShowEDPVRegression(bool) { return S_OK; }
    HRESULT OnSetESPVRegressionType(const Ovo::String&) { return S_OK; }
    HRESULT OnSetEDPVRegressionType(const Ovo::String&) { return S_OK; }
    HRESULT OnCopyTableToDataPad() { return S_OK; }
    HRESULT OnPressureValueFromSelection(std::int32_t) { return S_OK; }
    HRESULT OnConductanceValueFromSelection(std::int32_t) { return S_OK; }
    HRESULT OnOpenSettings() { return S_OK; }
    HRESULT OnArrangeViews() { return S_OK; }
    HRESULT OnAddAnalyzedParallelConductance() { return S_OK; }
    HRESULT OnRemoveParallelConductance(std::int32_t) { return S_OK; }
    HRESULT OnVolumeValueFromSelection(std::int32_t) { return S_OK; }
    HRESULT OnOpenControlSoftware() { return S_OK; }
    HRESULT OnEditParallelConductance(std::int32_t, double) { return S_OK; }

private:
    // Sends automation message n of the module's space to the document's target.
    void SendAutomation(DWORD id);

    ModelMap mModels;
    bool mLoading = false;
    ComPtr<IDocumentData> mData; // asked once
};

} // namespace Tarvik

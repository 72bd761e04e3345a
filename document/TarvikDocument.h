#pragma once
// Tarvik::TarvikDocument: the module's document, one per recording document of
// the host. It owns the step models (the set-up model made at construction, the
// others on first request), the pressure and volume calibrators, the loop data
// of the current analysis and the persistence objects of its two settings
// streams. It answers the host's lifecycle notifications, its command table's
// commands, enablers and automation messages, the host's analysis manager, and,
// while the host samples, the online data (its IOnlineDataSink part).
//
// The analysis runs from the set-up model: AnalyzeTarvikNow fixes the region,
// UpdateAnalysis writes the formula texts into the module's virtual channels,
// CollectLoops reads the loop events the host computes from them record by
// record into the loop data, and RefreshCalculation tells the views (message 33
// with the word of change flags).
//
// Settings are read once: by the host into the persistence objects before it
// attaches the document, or, when it did not, by the document at attach. A
// settings change only marks them to be saved and asks for a rerun.

#include <cstdint>
#include <memory>
#include <optional>

#include "analysis/ILoopDataDocument.h"
#include "analysis/TarvikData.h"
#include "document/AnalysisClientBase.h"
#include "document/ITarvikDocInterface.h"
#include "document/PersistSettings.h"
#include "document/StrevChildDocument.h"
#include "module/ZAREventHandlerBase.h"
#include "platform/user/handles.h"
#include "platform/vantrel/CommandService.h"
#include "platform/vantrel/HostNotices.h"
#include "platform/vantrel/IDocumentData.h"
#include "workflow/ModelDocument.h"
#include "workflow/ModelMap.h"
#include "workflow/ModelMessages.h"

namespace Tarvik {

class PressureCalibrator;
class VolumeCalibrator;

// Set-up parameter 27: the region analysed.
inline constexpr std::int32_t kSelectionRegion = 0;
inline constexpr std::int32_t kWholeChannel = 1;
// A position word of an open end (the region of online analysis) and the unset channel.
inline constexpr std::uint32_t kOpenEnd = 0x7FFFFFFF;
inline constexpr std::uint32_t kNoChannel = 0x80000000;

// Bits of the change-flags word sent with message 33.
enum ChangeFlags : std::uint32_t {
    kAnalysisUpdated = 0x02,
    kSelectedLoopChanged = 0x04,
    kLoopListRebuilt = 0x08,
    kLoopDataStale = 0x10,
    kTableRowSelected = 0x20,
    kInclusionApplied = 0x40,
    kLoopPicked = 0x80,
    kVolumeUnitChanged = 0x100,
    kLoopsCleared = kLoopListRebuilt | kLoopDataStale,
};

class TarvikDocument : public StrevChildDocument,
                       public AnalysisManager::AnalysisClientBase<TarvikDocument>,
                       public ModelDocument,
                       public ILoopDataDocument {
public:
    TarvikDocument(IUnknown* documentClass, IUnknown* creator, DWORD flags);
    ~TarvikDocument() override;

    HRESULT QueryInterface(REFIID iid, void** out) override;

    // --- The host's document slots.
    // Removes the module's virtual channels and the online-data sink, then lets go of the host.
    HRESULT DetachSender() override;
    HRESULT GetSettingsObject(LONG index, DWORD kind, DWORD* word, IPersist** persist) override;
    // Defines the module's virtual channels; formula texts are written from then on.
    HRESULT OnHostDataReady(IUnknown* reserved) override;

    // --- Step models.
    ModelPtr GetModel(std::int32_t id) override;
    // The set-up model; never made.
    ModelPtr FindModel() override;
    std::size_t ModelCount() const { return mModels.Count(); }
    template <class Visit> void ForEachModel(Visit visit) const { mModels.ForEach(visit); }
    // Every model back to its defaults, keeping its identity: a fresh model's state is copied in
    // and committed.
    void ResetModels();
    // Marks the settings to be saved and, unless a recalibration runs, asks for a rerun.
    void EnsureSettingsLoaded() override;
    bool IsLoadingSettings() const override { return mLoading; }
    std::int32_t GetHostChannelCount() override;
    bool IsChannelFlaggedAtPosition(std::uint32_t number, std::uint32_t kind) override;
    IUnitService* UnitService() override;
    IDocumentData* DocumentData() override;
    IUnknown* FindUnitElsewhere(std::int32_t, Position, Position) override { return nullptr; }

    // --- Settings.
    // The persistence object of stream index (0 or 1), made on first request.
    ComPtr<PersistSettings> GetSettingsPersist(LONG index);
    bool SettingsLoaded() const { return mSettingsLoaded; }
    bool IsSettingsObjectLoading(LONG index) const;
    // Reads the stored streams through the host's storage, once per document.
    void LoadPersistedSettings();
    // For the settings streams: the load flag, the calibrators and the loop marker channel.
    void SetLoading(bool loading) { mLoading = loading; }
    VolumeCalibrator& GetVolumeCalibrator() { return *mVolumeCalibrator; }
    PressureCalibrator& GetPressureCalibrator() { return *mPressureCalibrator; }
    std::uint32_t GetMarkerChannel() const { return mMarkerChannel; }
    void SetMarkerChannel(std::uint32_t channel) { mMarkerChannel = channel; }
    void RegisterVirtualChannels();

    // --- Channels and their scaling.
    // The channel's unit conversion at the analysed region's start record (record 0 without an
    // analysis); null for a negative channel, a record past the last, or when the host has none.
    ComPtr<IUnknown> GetChannelUnitConversion(std::int32_t channel);
    // The host's conversion of a channel in a record (data interface operation 17); may be null.
    ComPtr<IUnknown> GetChannelConversionAt(LONG record, LONG channel, DWORD flags);
    // value := scale * value + offset of the channel's conversion (the host's line from raw to
    // shown values); unchanged without one.
    void ApplyChannelScaling(std::uint32_t channel, double& value) override;
    // The inverse: value := (value - offset) / scale; unchanged without a conversion or for a
    // line without slope.
    void ApplyInverseChannelScaling(std::uint32_t channel, double& value);

    // --- The analysis.
    std::uint32_t GetPressureChannel() override;
    std::uint32_t GetVolumeChannel() override;
    // Parameters 59 and 60 (tick, record) and whether the whole channel is analysed (27 == 1);
    // each out may be null. Returns parameter 39 (an analysis exists).
    bool GetAnalysisRegion(WordPair* start, WordPair* end, bool* wholeChannel);
    void UpdateAnalysis(bool markSettings);
    void WriteAnalysisFormulas();
    void CollectLoops(std::uint32_t pressureChannel);
    void RefreshChannelDrawings();
    // Sends message 33 with the change flags, shows the selected loop when the flags say it changed,
    // and clears them.
    void RefreshCalculation();
    // Shows the host the loop at position: when the position is given and the loop markers are
    // shown, the comment of the loop event found there goes to the host in a ShowComment2 message.
    void ShowLoopEventComment(TickPosition position);
    // Runs a calibration change (change() answers whether it applied one) keeping the loops the user
    // selected, and tells the host's document that the settings changed (message 33 with 8). Nothing
    // while the host is busy.
    template <class Change> bool ApplyCalibrationChange(Change change) {
        if (IsHostBusy())
            return false;
        LoopIndexSet selected(11);
        mData->MarkSelectedLoops(selected);
        const bool applied = change();
        mData->ApplyLoopSelection(selected);
        if (applied)
            CallHostDocument(DocMsgId<33>(), kLoopListRebuilt);
        return applied;
    }
    // The host reported that the ECG event source the analysis uses went away: the next update warns
    // once and takes end-diastole from the pressure signal.
    void OnEcgSourceLost() { mEcgSourceLost = 0xFFFF; }
    // The ClearTarvikAnalysis handler.
    void ClearAnalysis();
    // Applies the calibrations' units to the channels again, then reruns the analysis.
    void RecalibrateAndReanalyse();
    std::uint32_t ChangeFlagsWord() const { return mChangeFlags; }
    TarvikData& LoopData() { return *mData.Get(); }

    // --- ILoopDataDocument.
    IDocumentData* GetHostData() override { return DocumentData(); }
    DWORD GetChildDataTypeId() override;
    bool IsSampling() override { return IsHostBusy(); }
    bool IsAnalysingWhileSampling() override;
    std::int32_t GetHighlightedLoop() override;
    std::int32_t GetEspvrType() override;
    std::int32_t GetEdpvrType() override;
    CuvettePoints GetCuvettePoints() override;
    bool ShowsTableParameter(std::int32_t id) override;
    std::vector<std::int32_t> GetExcludedParameterIds() override;
    HMODULE GetResourceModule() override;
    Ovo::Unit GetPressureUnit() override;
    Ovo::Unit GetVolumeUnit() override;
    Ovo::String BuildPvaCalcFormula() override;
    IUnknown* CreateCalculationObject() override;

    ZAR_COMMAND_TABLE(TarvikDocument, ZAREventHandlerBase)

    // Builds the module's menu with the command object of its document class.
    static void AddMenuCommands(ICAFCommand* command);
    // Updates the host's menu items of the table, analysis and view commands for the current workflow
    // step (IsCommandAllowedInStep), then tells the command service.
    void RefreshCommandStates();

    // Host notifications.
    void OnHostAttach(std::uint32_t subject, std::uint32_t);
    void OnHostDataChanged(std::uint32_t, std::uint32_t subject);
    void OnHostStateChanged(std::uint32_t) { RefreshCommandStates(); }
    // The recording lost data: an analysis is cleared.
    void OnDataRemoved(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t);
    // A channel's settings changed: the analysis follows when it reads the channel.
    void OnChannelSettingsChanged(std::uint32_t channel);
    void OnUnitsChanged(std::uint32_t, std::uint32_t, std::uint32_t channel);
    void OnEventActivated(const EventActivatedData* data);
    void OnChannelsChanged(const ChannelsChangedData* data);
    void OnDataRecalculated(std::uint32_t);
    void OnMarkedPositionSet(std::uint32_t first, std::uint32_t second);
    void OnMarkedPositionCleared();
    // The analysis manager's calls, each naming the client's key.
    void OnRecalculateNotice(std::uint32_t key);
    void OnClearNotice(std::uint32_t key);
    void OnReportRegionNotice(std::uint32_t key, std::uint32_t item);
    // The step models' notifications.
    void OnModelApplicable(const ModelNoticeData* data);
    void OnModelNotApplicable(const ModelNoticeData* data);
    void OnModelParamsChanged(const ModelParamsChangedData* data);

    // Menu commands and their enablers.
    void OnWorkflow();
    void OnSettings();
    void OnWorkflowMode();
    void OnOpenTableView();
    void OnOpenLoopView();
    void OnOpenPRSWPlot();
    void OnOpenDpdtPlot();
    void OnOpenSalineView();
    void OnOpenPvaEdvPlot();
    void OnOpenPvaEspPlot();
    void OnOpenCuvetteView();
    void OnShowLoopMarkers();
    void OnOnlineMode();
    void OnAnalyze();
    void OnClearAnalysis();
    void OnReselect();
    // Settings: enabled when the host lets the document's settings be edited.
    void EnableSettings(ICommandState& state);
    // Workflow mode: enabled when the host is not busy.
    void EnableWorkflowMode(ICommandState& state);
    // Workflow: enabled while the workflow is in use.
    void EnableWorkflow(ICommandState& state);
    void EnableViewGroup(ICommandState& state);
    // Enabled when the host is not busy, checked while the markers are shown or online mode is on.
    void EnableShowLoopMarkers(ICommandState& state);
    void EnableOnlineMode(ICommandState& state);
    // Analyze: enabled when the host is not busy; "&Analyze Channel" or "&Analyze Selection".
    void EnableAnalyze(ICommandState& state);
    // Clear and Reselect: enabled when the host is not busy and a region was analysed.
    void EnableAnalysedRegion(ICommandState& state);
    // The Plots submenu (a menu handle): filled with the four plot commands, and the chosen one run.
    HRESULT OnFillPlotsMenu(ULONG_PTR menu);
    HRESULT OnRunPlotsMenu(ULONG_PTR menu, ULONG_PTR command);

    // Automation messages; every one is handled (S_OK), whatever it did.
    HRESULT OnAddSelToCuvetteCalibration();
    HRESULT OnAnalyzeNow();
    HRESULT OnClearAnalysisNow();
    HRESULT OnReselectAnalyzedRegion();
    HRESULT OnToggleOnlineMode();
    HRESULT OnToggleEventMarkers();
    HRESULT OnApplySalineCalibration(double vp);
    HRESULT OnDisableSalineCalibration();
    HRESULT OnApplyCuvetteCalibration(double slope, double intercept);
    HRESULT OnDisableCuvetteCalibration();
    HRESULT OnSelectLoop(std::int32_t index);
    HRESULT OnTableRowSelected(std::uint32_t row);
    HRESULT OnShowESPVRegression(bool show);
    HRESULT OnShowEDPVRegression(bool show);
    HRESULT OnSetESPVRegressionType(const Ovo::String& type);
    HRESULT OnSetEDPVRegressionType(const Ovo::String& type);
    HRESULT OnCopyTableToDataPad();
    HRESULT OnPressureValueFromSelection(std::int32_t point);
    HRESULT OnConductanceValueFromSelection(std::int32_t point);
    HRESULT OnOpenSettings();
    HRESULT OnArrangeViews();
    HRESULT OnAddAnalyzedParallelConductance();
    HRESULT OnRemoveParallelConductance(std::int32_t position);
    HRESULT OnVolumeValueFromSelection(std::int32_t point);
    // Brings the control program forward or starts it; reports success whatever happened.
    HRESULT OnOpenControlSoftware();
    HRESULT OnEditParallelConductance(std::int32_t position, double value);

    // Switches online mode and fixes the region for the new mode; quiet (the workflow's switch) asks
    // nothing and leaves online mode off when the region would be discontinuous.
    void ToggleOnlineMode(bool quiet);
    // Selects the loop (parameter 58, -1 for none) and tells the views.
    void SelectLoop(std::int32_t index);
    void SelectLoopAt(const HostTickPosition& position);
    // Sets the channel units of the calibrator a model feeds (the loop view: recalculates the loops).
    void RefreshCalibratorFor(std::int32_t model);
    // Selects and analyses saline bolus index of the saline step's list and applies its loop map.
    void AnalyzeBolus(std::int32_t index);
    void ScrollToBolus(HostTickPosition start, const HostTickPosition& end);
    // The document's table view manager (ITableViewManager), made on first use; null when none can be.
    IUnknown* GetTableViewManager();
    // The haemodynamics table's data source (ITableDataManager), made on first use and kept with its
    // column formats; null when none can be.
    IUnknown* GetHemodynamicsTableData();
    // The window of the host's data; null without one.
    HWND HostDataWindow();

private:
    class OnlineSink;
    class ScalePart;
    friend class OnlineSink;

    // Sends automation message n of the module's space to the document's target.
    void SendAutomation(DWORD id);
    // Sends the host the open-view message of a view kind.
    void OpenView(TarvikMessageId kind);
    void PlaceView(TarvikMessageId kind, const RECT& rect, DWORD flags, DWORD targetId);
    void OpenWorkflowPanel();
    // The root of the host's tree of this document's views; null without one.
    ComPtr<IUnknown> HostViewTree();
    // Gives the volume channel the volume calibrator's units; true when they changed.
    bool SetUpVolumeChannel();
    std::optional<double> SelectionMean(std::int32_t channel);
    // Removes the online-data sink from the host and adds it again when online mode is on.
    void ReregisterOnlineSink();
    void MarkSettingsDirty();
    // The host's data end (data interface operation 10) as a (tick, record) pair; (0, 0) without one.
    WordPair DataEnd();
    // Shows the ECG warning once after the ECG source went away, and falls back to the pressure
    // signal.
    void HandleLostEcgSource();
    // The out-of-memory message (the host ran out while the module worked).
    void ReportOutOfMemory();
    double ChannelScale(std::uint32_t channel);
    void ReadRecordLoops(std::int32_t record, WordPair start, WordPair end, std::int64_t chunk,
                         struct LoopProgress& progress);

    ModelMap mModels;
    ComPtr<PersistSettings> mPersistMain;
    ComPtr<PersistSettings> mPersistExtra;
    bool mSettingsLoaded = false;
    std::uint32_t mMarkerChannel = 0x80000000;
    ComPtr<TarvikData> mData;
    std::unique_ptr<VolumeCalibrator> mVolumeCalibrator;
    std::unique_ptr<PressureCalibrator> mPressureCalibrator;
    bool mInitialised = false;
    bool mAttached = false;
    bool mAnalysisFlag = false;
    std::uint32_t mChangeFlags = kLoopsCleared;
    std::uint16_t mEcgSourceLost = 0;
    bool mBusy = false;
    bool mRerunning = false; // a rerun the analysis manager asked for is under way
    bool mLoading = false;
    bool mSettingsChanged = false;       // since construction; new persistence objects start dirty
    ComPtr<IDocumentData> mDocumentData; // asked once
    std::unique_ptr<OnlineSink> mSink;
    std::unique_ptr<ScalePart> mScale;
    ComPtr<IUnknown> mTableViewManager;
    ComPtr<IUnknown> mHemodynamicsTableData;
};

} // namespace Tarvik

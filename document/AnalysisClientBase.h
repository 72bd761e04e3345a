#pragma once
// AnalysisManager::AnalysisClientBase: the part of a document through which
// the host's analysis manager clears or reruns the document's analysis. The
// document registers with the manager when the host attaches it, hands it the
// two settings objects, and asks for a rerun after every settings change; the
// manager calls back later, from its queue.
//
// Doc provides: HostServices() (the host's service provider), GetSettingsPersist(index) (the
// persistence object of a stream, made on first request), SettingsLoaded(),
// IsSettingsObjectLoading(index), GetAnalysisRegion(start, end, whole), ClearAnalysis() and
// RecalibrateAndReanalyse().

#include "core/String.h"
#include "module/MessageIds.h"
#include "module/ModuleInstance.h"
#include "platform/vantrel/IAnalysisManager.h"
#include "platform/win32/com_ptr.h"
#include "workflow/ModelParamKind.h"

namespace AnalysisManager {

template <class Doc> class AnalysisClientBase {
public:
    AnalysisClientBase() = default;
    AnalysisClientBase(const AnalysisClientBase&) = delete;
    AnalysisClientBase& operator=(const AnalysisClientBase&) = delete;
    virtual ~AnalysisClientBase() = default;

    // Registers with the document's analysis manager and hands it the settings objects; true when
    // either hand-over succeeded. False without a manager. Once registered, it stays so.
    virtual bool Register();
    // Tells the manager the analysed region (set-up parameters 59 and 60) for item.
    virtual void ReportRegion(LONG item);
    // The manager asks for the analysis to be cleared or run again; done while it is active.
    virtual void OnClearRequested();
    virtual void OnRecalculateRequested();
    // Asks the manager, while it is active, to run the analysis again later.
    void RequestReanalysis();

    // Settings were loaded from the host, or a settings object has begun loading.
    bool HasSettings() const;
    // The same for one stream (0 or 1); false for any other index.
    bool HasSettings(LONG stream) const;

    LONG ClientKey() const { return mKey; }
    IAnalysisManager* Manager() const { return mManager.Get(); }

private:
    Doc& Self() { return static_cast<Doc&>(*this); }
    const Doc& Self() const { return static_cast<const Doc&>(*this); }
    bool IsActive();
    // Whether the client may talk to the manager: registered, and settings to speak of.
    bool Ready() const { return mManager && HasSettings(); }

    ComPtr<IAnalysisManager> mManager;
    LONG mKey = -1;
};

template <class Doc> bool AnalysisClientBase<Doc>::Register() {
    if (mManager)
        return true;
    IHostServiceProvider* services = Self().HostServices();
    ComPtr<IUnknown> service;
    if (services == nullptr ||
        FAILED(services->GetService(Tarvik::MsgIdClass<kAnalysisManagerGuid, kAnalysisManagerService>::Id(),
                                    0, service.Put())))
        return false;
    ComPtr<IAnalysisManager> manager = service.template Query<IAnalysisManager>(IID_IAnalysisManager);
    if (!manager)
        return false;
    static const Ovo::String kName(L"Tarvik");
    static const Ovo::String kText = Tarvik::LoadModuleString(2010);
    BSTR name = kName.AllocBSTR(), text = kText.AllocBSTR();
    LONG key = -1;
    const HRESULT registered = manager->RegisterClient(name, text, &key);
    SysFreeString(name);
    SysFreeString(text);
    if (FAILED(registered))
        return false;
    mManager = manager;
    mKey = key;
    bool handedOver = false;
    for (LONG index = 0; index < 2; ++index) {
        const auto persist = Self().GetSettingsPersist(index);
        const WORD loading = Self().IsSettingsObjectLoading(index) ? 0xFFFF : 0;
        handedOver |= persist && mManager->SetSettingsObject(mKey, index, persist.Get(), loading) == S_OK;
    }
    return handedOver;
}

template <class Doc> bool AnalysisClientBase<Doc>::HasSettings() const {
    return Self().SettingsLoaded() || Self().IsSettingsObjectLoading(0) || Self().IsSettingsObjectLoading(1);
}

template <class Doc> bool AnalysisClientBase<Doc>::HasSettings(LONG stream) const {
    if (stream != 0 && stream != 1)
        return false;
    return Self().SettingsLoaded() || Self().IsSettingsObjectLoading(stream);
}

template <class Doc> bool AnalysisClientBase<Doc>::IsActive() {
    WORD active = 0;
    return SUCCEEDED(mManager->IsActive(mKey, &active)) && active != 0;
}

template <class Doc> void AnalysisClientBase<Doc>::ReportRegion(LONG item) {
    if (!Ready())
        return;
    Tarvik::WordPair start, end;
    Self().GetAnalysisRegion(&start, &end, nullptr);
    const auto position = [](const Tarvik::WordPair& p) {
        return HostTickPosition{static_cast<LONG>(p.second), static_cast<LONG>(p.first)};
    };
    mManager->ReportRegion(mKey, item, position(start), position(end));
}

template <class Doc> void AnalysisClientBase<Doc>::OnClearRequested() {
    if (Ready() && IsActive())
        Self().ClearAnalysis();
}

template <class Doc> void AnalysisClientBase<Doc>::OnRecalculateRequested() {
    if (Ready() && IsActive())
        Self().RecalibrateAndReanalyse();
}

template <class Doc> void AnalysisClientBase<Doc>::RequestReanalysis() {
    if (mManager && IsActive())
        mManager->RequestRun(mKey);
}

} // namespace AnalysisManager

#pragma once

#include "host/document/AnalysisManager.h"
#include "host/engine/VirtualChannelDocument.h"
#include "host/framework/Framework.h"
#include "platform/vantrel/DocumentClass.h"
#include "platform/vantrel/HostDocObject.h"
#include "platform/vantrel/IDocumentStorage.h"
#include "platform/vantrel/IMessageHandler.h"
#include "platform/vantrel/Subject.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace Vantrel {

/// Lets the framework's class registry make the host's calculation objects (for the module's
/// virtual channels), as a host that opens recordings does.
void InstallRecordingServices(Framework& framework);

/// A notice the module's document sent the host document (message 33 with its flags, 38, 52 ...).
struct DocumentNotice {
    DWORD id = 0;
    ULONG_PTR payload = 0;
    /// The loop-event channel that a new analysis draws from (the host's message 52, whose payload
    /// is the address of the reference, valid only during the call).
    std::optional<VirtualChannelRef> loopChannel;
};

/// One call of the module on the recording view.
struct ViewCall {
    int slot = 0; // 17 begin, 20 value range, 29 time range
    LONG channel = 0;
    double range[2] = {0.0, 0.0};
    HostTickPosition start{}, end{};
};

/// A recording open in the host, as the module's document sees its host document: the host document
/// and child document of the module's document (IHostDocument, IHostDocObject), its data (a
/// VirtualChannelDocument: records, channels, units, the module's virtual channels, the online-data
/// registry), its state (busy, data present), selection, recording view, service provider (the
/// analysis manager), the storage of its settings streams 0 and 1, and its message interface
/// (ISubject), which the module notifies and which hands notices on to the observers attached to it.
/// Messages the module's document does not take reach it (IMessageHandler): a unit-change message
/// gives the channel the conversion through its points.
///
/// The module's document is opened in it as the host opens it: made by the module's document class
/// with this object as its creator, its virtual channels defined (document slot 14), the stored
/// settings streams read into its persistence objects, then attached. The module's document holds
/// this object: close it (closeModuleDocument) before letting go. The recording must outlive the
/// object.
class RecordingDocument : public ComObject<IHostDocument, IHostDocObject, ISubject, IDocumentStorage,
                                           IRecordingView, IMessageHandler, IChildDataHost> {
public:
    /// classes: the calculation classes the document's formulas may name. id: the document's id.
    RecordingDocument(Framework& framework, Recording& recording, ComPtr<ICalcService> classes, DWORD id);

    HRESULT QueryInterface(REFIID iid, void** out) override;

    VirtualChannelDocument& data() { return *mData.Get(); }
    AnalysisManager& analysisManager() { return *mManager.Get(); }
    DWORD id() const { return mId; }

    // --- The module's document.
    /// S_OK, or the class's failure (nothing is open then).
    HRESULT openModuleDocument(ICustomDocClass* documentClass);
    IUnknown* moduleDocument() const { return mModule.Get(); }
    /// Lifecycle notifications naming this document.
    void attach();
    void notifyDataChanged();
    /// Delivers an automation message of the module (an id without parameters) to its document; true
    /// when it was handled.
    bool sendMessage(DWORD id);
    /// Stores what the module's two settings objects save; the first failure (nothing stored for
    /// that stream then).
    HRESULT saveSettings();
    /// Slot 5, then lets go of the document.
    void closeModuleDocument();

    // --- Storage.
    /// Whether the host reads the stored streams into the module's document before attaching it (by
    /// default); without, the document asks for them itself.
    void setReadsSettingsAtOpening(bool reads) { mReadsSettingsAtOpening = reads; }
    /// How often a stream was read into a settings object.
    int settingsReads() const { return mSettingsReads; }
    const std::optional<std::vector<BYTE>>& storedStream(int index) const { return mStreams.at(index); }
    void storeStream(int index, std::vector<BYTE> bytes) { mStreams.at(index) = std::move(bytes); }

    // --- What the host shows and what the module did.
    void setBusy(bool busy) { mBusy = busy; }
    bool busy() const;
    /// No selection: nullopt.
    void setSelection(std::optional<std::pair<HostTickPosition, HostTickPosition>> selection) {
        mSelection = selection;
    }
    const std::vector<DocumentNotice>& notices() const { return mNotices; }
    const std::vector<ViewCall>& viewCalls() const { return mViewCalls; }
    int redraws() const { return mRedraws; }
    /// Unit-change messages answered.
    int unitChanges() const { return mUnitChanges; }
    /// Objects the document keeps by id (FindObject).
    void keepObject(DWORD id, ComPtr<IUnknown> object) { mObjects.emplace_back(id, std::move(object)); }

    // IHostDocument
    HRESULT GetDocumentId(DWORD* id) override;
    HRESULT GetDataSource(IUnknown** dataSource) override;
    HRESULT FindObject(DWORD id, IUnknown** object) override;
    // IHostDocObject
    HRESULT GetServiceProvider(IHostServiceProvider** provider) override;
    HRESULT GetSelectionSource(IUnknown** source) override;
    HRESULT Redraw(DWORD) override;
    HRESULT GetState(IHostDocState** state) override;
    HRESULT GetDataObject(DWORD, IHostDataObject** data) override;
    HRESULT GetSelection(DWORD, IHostSelection** selection) override;
    // ISubject
    HRESULT Notify(DWORD id, ULONG_PTR payload) override;
    HRESULT Attach(IObserver* observer) override;
    HRESULT Detach(IObserver* observer) override;
    HRESULT NotifyEx(DWORD, DWORD, DWORD) override { return E_NOTIMPL; }
    // IDocumentStorage
    HRESULT LoadSettings(IUnknown* hostDocument, LONG index, IUnknown* persist, DWORD, DWORD,
                         BSTR* message) override;
    // IRecordingView
    HRESULT GetShownRange(HostTickPosition* start, HostTickPosition* end) override;
    HRESULT GetCompression(double* ticksPerPixel) override;
    HRESULT BeginSelection() override;
    HRESULT SelectValueRange(LONG channel, const double* range) override;
    HRESULT SelectRange(DWORD, const SelectionKind* kind, HostTickPosition start,
                        HostTickPosition end) override;
    // IMessageHandler
    HRESULT OnMessage(IMessage* message) override;
    HRESULT AddHandler(IMessageHandler*) override { return E_NOTIMPL; }
    HRESULT RemoveHandler(IMessageHandler*) override { return E_NOTIMPL; }
    HRESULT SetParent(IMessageHandler*) override { return E_NOTIMPL; }
    HRESULT GetTarget(IMessageHandler** target) override;
    // IChildDataHost
    HRESULT GetChildData(DWORD, DWORD typeId, IUnknown** data) override;

private:
    class State;
    class Selection;
    class Services;

    ~RecordingDocument() override;
    void* find(REFIID iid) override;
    // Notifies the module's document (its observer part) of id with the words as payload.
    void notifyModule(DWORD id, const std::vector<DWORD>& words);
    bool applyUnitChange(IMessage* message);

    Framework& mFramework;
    Recording& mRecording;
    DWORD mId;
    ComPtr<VirtualChannelDocument> mData;
    ComPtr<AnalysisManager> mManager;
    ComPtr<IUnknown> mModule;
    std::array<std::optional<std::vector<BYTE>>, 2> mStreams;
    std::optional<std::pair<HostTickPosition, HostTickPosition>> mSelection;
    std::vector<ComPtr<IObserver>> mObservers;
    std::vector<std::pair<DWORD, ComPtr<IUnknown>>> mObjects;
    std::vector<DocumentNotice> mNotices;
    std::vector<ViewCall> mViewCalls;
    bool mBusy = false;
    bool mReadsSettingsAtOpening = true;
    int mSettingsReads = 0;
    int mRedraws = 0;
    int mUnitChanges = 0;
};

} // namespace Vantrel

#pragma once

#include "host/document/AnalysisManager.h"
#include "host/document/DocumentViews.h"
#include "host/document/TraceComments.h"
#include "host/engine/VirtualChannelDocument.h"
#include "host/framework/Framework.h"
#include "platform/vantrel/DocumentClass.h"
#include "platform/vantrel/HostDocObject.h"
#include "platform/vantrel/HostMessageSpaces.h"
#include "platform/vantrel/HostNotices.h"
#include "platform/vantrel/HostViews.h"
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
/// gives the channel the conversion through its points; a comment's message gives the trace view the
/// comment.
///
/// The module's document is opened in it as the host opens it: made by the module's document class
/// with this object as its creator, its virtual channels defined (document slot 14), the stored
/// settings streams read into its persistence objects, then attached. The module's document holds
/// this object: close it (closeModuleDocument) before letting go. The recording must outlive the
/// object.
class RecordingDocument : public ComObject<IHostDocument, IHostDocObject, ISubject, IDocumentStorage,
                                           IRecordingView, IMessageHandler, IChildDataHost, IHostDataWindow> {
public:
    /// classes: the calculation classes the document's formulas may name. id: the document's id.
    RecordingDocument(Framework& framework, Recording& recording, ComPtr<ICalcService> classes, DWORD id);

    HRESULT QueryInterface(REFIID iid, void** out) override;

    VirtualChannelDocument& data() { return *mData.Get(); }
    AnalysisManager& analysisManager() { return *mManager.Get(); }
    /// The comments the module's document sent, as the trace view keeps them (until the module's
    /// document is closed).
    TraceComments& comments() { return mComments; }
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

    // --- The host's notices about the recording, sent as the host sends them when it changes.
    /// A channel's unit changed (the channel is given a plain unit of its own first, as a user's unit
    /// change in the host would) (message 34).
    void changeChannelUnit(LONG channel);
    void notifyUnitsChanged(LONG channel);
    /// Data removed (14 for a record, 16 for the whole recording).
    void notifyDataRemoved(bool wholeRecording);
    /// A channel's display settings changed (20).
    void notifyChannelSettingsChanged(LONG channel);
    /// Channels or event sources added, changed or removed (51; flags 0x80000000: removed).
    void notifyChannelsChanged(DWORD flags, const std::vector<VirtualChannelRef>& channels);
    /// The recording's data were computed again (4EC1 16).
    void notifyRecalculated();
    /// A position marked and cleared (DE25 12 and 13).
    void markPosition(DWORD first, DWORD second);
    void clearMarkedPosition();
    /// The user activated an event drawing (44).
    void activateEvent(IUnknown* drawing);
    /// The host's id of number n of a space.
    DWORD hostMessageId(REFGUID space, WORD n);

    // --- Storage.
    /// Whether the host reads the stored streams into the module's document before attaching it (by
    /// default); without, the document asks for them itself.
    void setReadsSettingsAtOpening(bool reads) { mReadsSettingsAtOpening = reads; }
    /// How often a stream was read into a settings object, and what the last read of each stream
    /// answered (S_FALSE before any).
    int settingsReads() const { return mSettingsReads; }
    HRESULT settingsLoadResult(int index) const { return mLoadResults.at(static_cast<std::size_t>(index)); }
    const std::optional<std::vector<BYTE>>& storedStream(int index) const { return mStreams.at(index); }
    void storeStream(int index, std::vector<BYTE> bytes) { mStreams.at(index) = std::move(bytes); }

    // --- What the host shows and what the module did.
    void setBusy(bool busy) { mBusy = busy; }
    bool busy() const;
    /// No selection: nullopt.
    void setSelection(std::optional<std::pair<HostTickPosition, HostTickPosition>> selection) {
        mSelection = selection;
        mData->setSelection(selection);
    }
    const std::vector<DocumentNotice>& notices() const { return mNotices; }
    /// The messages the module's document sent the host (views, units ...), in order.
    const std::vector<HostMessageRecord>& hostMessages() const { return mHostMessages; }
    DocumentViews& views() { return mViews; }
    /// The window of the recording's data (dialogs' parent; floating views centre in it).
    void setDataWindow(HWND__* window) { mDataWindow = window; }
    /// Whether a modal task of the host holds the settings (the Settings command is disabled then).
    void setSettingsLocked(bool locked) { mEditLock = locked ? 1 : 0; }
    /// Positions the recording view was asked to show.
    const std::vector<HostTickPosition>& shownPositions() const { return mShownPositions; }
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
    HRESULT GetEditLock(DWORD, LONG* locked) override;
    // IHostDataWindow
    HRESULT GetWindow(HWND__** window) override;
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
    HRESULT ShowPosition(HostTickPosition position, DWORD, DWORD, DWORD, DWORD) override;
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
    TraceComments mComments;
    DWORD mModuleId = 0xFFFFFFFF; // the id FindObject answers the module's document for
    ComPtr<IUnknown> mModule;
    std::array<std::optional<std::vector<BYTE>>, 2> mStreams;
    std::optional<std::pair<HostTickPosition, HostTickPosition>> mSelection;
    std::vector<ComPtr<IObserver>> mObservers;
    std::vector<std::pair<DWORD, ComPtr<IUnknown>>> mObjects;
    std::vector<DocumentNotice> mNotices;
    std::vector<HostMessageRecord> mHostMessages;
    DocumentViews mViews;
    HWND__* mDataWindow = nullptr;
    LONG mEditLock = 0;
    std::vector<HostTickPosition> mShownPositions;
    std::vector<ViewCall> mViewCalls;
    bool mBusy = false;
    bool mReadsSettingsAtOpening = true;
    int mSettingsReads = 0;
    std::array<HRESULT, 2> mLoadResults{S_FALSE, S_FALSE};
    int mRedraws = 0;
    int mUnitChanges = 0;
};

} // namespace Vantrel

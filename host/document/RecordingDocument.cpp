#include "host/document/RecordingDocument.h"

#include "host/document/ChannelCalculations.h"
#include "platform/vantrel/GraphService.h"

#include "host/engine/CalcObject.h"
#include "host/framework/Text.h"
#include "host/framework/UnitName.h"
#include "platform/vantrel/IAnalysisManager.h"
#include "platform/vantrel/IOnlineDataSink.h"
#include "platform/vantrel/IUnitService.h"
#include "platform/win32/persist.h"

#include <cstring>

namespace Vantrel {

namespace {

// The space of the host's recording notices; its number 52 names the loop-event channel of a new
// analysis.
constexpr GUID kRecordingNoticeGuid = MakeGuid("{3A7D80F0-59D6-11D3-80AE-005004AD3C53}");
constexpr WORD kLoopChannelNotice = 52;

} // namespace

void InstallRecordingServices(Framework& framework) {
    const DWORD kind = (static_cast<DWORD>(framework.MessageIds().NumberOf(kCalcObjectClassGuid)) << 16) |
                       kCalcObjectClassNumber;
    framework.Classes().AddObjectClass(
        kind, [] { return ComPtr<IUnknown>::Adopt(static_cast<ICalcObject*>(new CalcObject)); });
    // The evaluator of channel calculations (message 17 of the host's GUID C203FC30).
    const DWORD evaluators =
        (static_cast<DWORD>(framework.MessageIds().NumberOf(kGraphSpaceGuid)) << 16) | 17;
    framework.Classes().AddObjectClass(evaluators, [] {
        return ComPtr<IUnknown>::Adopt(static_cast<IClassFactory*>(new ChannelFormulaClass));
    });
}

// The document's state: busy while the host says so or samples; data present once a record exists.
class RecordingDocument::State : public ComObject<IHostDocState> {
public:
    explicit State(const RecordingDocument& document) : mDocument(document) {}
    HRESULT GetBusy(DWORD, WORD* busy) override {
        if (!busy)
            return E_POINTER;
        *busy = mDocument.busy() ? 0xFFFF : 0;
        return S_OK;
    }
    HRESULT GetDataCount(DWORD, LONG, LONG* count) override {
        if (!count)
            return E_POINTER;
        *count = mDocument.mRecording.recordCount();
        return S_OK;
    }

private:
    void* find(REFIID iid) override {
        return iid == IID_IUnknown ? static_cast<IHostDocState*>(this) : nullptr;
    }
    const RecordingDocument& mDocument;
};

// The selection the test set, or none (a start record of INT32_MAX).
class RecordingDocument::Selection : public ComObject<IDocumentSelection> {
public:
    explicit Selection(const RecordingDocument& document) : mDocument(document) {}
    HRESULT GetSelection(DWORD, HostTickPosition* start, HostTickPosition* end) override {
        if (!start || !end)
            return E_POINTER;
        *start = *end = HostTickPosition{INT32_MAX, INT32_MAX};
        if (mDocument.mSelection) {
            *start = mDocument.mSelection->first;
            *end = mDocument.mSelection->second;
        }
        return S_OK;
    }

private:
    void* find(REFIID iid) override {
        return iid == IID_IDocumentSelection ? static_cast<IDocumentSelection*>(this) : nullptr;
    }
    const RecordingDocument& mDocument;
};

// The document's further services: its analysis manager.
class RecordingDocument::Services : public ComObject<IHostServiceProvider> {
public:
    Services(ComPtr<AnalysisManager> manager, DWORD managerId)
        : mManager(std::move(manager)), mId(managerId) {}
    HRESULT GetService(DWORD id, DWORD, IUnknown** service) override {
        if (!service)
            return E_POINTER;
        *service = nullptr;
        if (id != mId)
            return E_FAIL;
        *service = static_cast<IAnalysisManager*>(mManager.Get());
        (*service)->AddRef();
        return S_OK;
    }

private:
    void* find(REFIID iid) override {
        return iid == IID_IUnknown ? static_cast<IHostServiceProvider*>(this) : nullptr;
    }
    ComPtr<AnalysisManager> mManager;
    DWORD mId;
};

RecordingDocument::RecordingDocument(Framework& framework, Recording& recording, ComPtr<ICalcService> classes,
                                     DWORD id)
    : mFramework(framework), mRecording(recording), mId(id),
      mData(ComPtr<VirtualChannelDocument>::Adopt(new VirtualChannelDocument(
          ComPtr<DocumentData>::Adopt(new DocumentData(recording)), std::move(classes)))) {
    mData->setOwner(static_cast<IHostDocument*>(this));
    const DWORD space = static_cast<DWORD>(framework.MessageIds().NumberOf(kAnalysisManagerGuid)) << 16;
    // The manager reaches the document through this object, which outlives it.
    mManager = ComPtr<AnalysisManager>::Adopt(
        new AnalysisManager([this, space](WORD number, const std::vector<DWORD>& words) {
            notifyModule(space | number, words);
        }));
}

RecordingDocument::~RecordingDocument() {
    closeModuleDocument();
    mData->setOwner(nullptr);
    mManager->forgetDocument();
}

HRESULT RecordingDocument::QueryInterface(REFIID iid, void** out) {
    const HRESULT hr = ComObject::QueryInterface(iid, out);
    if (hr != E_NOINTERFACE || iid != IID_IChannelLookup)
        return hr;
    return static_cast<IChannelLookup*>(mData.Get())->QueryInterface(iid, out);
}

void* RecordingDocument::find(REFIID iid) {
    if (iid == IID_IHostDocument)
        return static_cast<IHostDocument*>(this);
    if (iid == IID_IHostDocObject)
        return static_cast<IHostDocObject*>(this);
    if (iid == IID_ISubject)
        return static_cast<ISubject*>(this);
    if (iid == IID_IDocumentStorage)
        return static_cast<IDocumentStorage*>(this);
    if (iid == IID_IRecordingView)
        return static_cast<IRecordingView*>(this);
    if (iid == IID_IMessageHandler)
        return static_cast<IMessageHandler*>(this);
    if (iid == IID_IChildDataHost)
        return static_cast<IChildDataHost*>(this);
    if (iid == IID_IHostDataWindow)
        return static_cast<IHostDataWindow*>(this);
    return nullptr;
}

bool RecordingDocument::busy() const {
    return mBusy || mRecording.sampling();
}

// --- The module's document ------------------------------------------------------------------------

HRESULT RecordingDocument::openModuleDocument(ICustomDocClass* documentClass) {
    if (!documentClass)
        return E_POINTER;
    if (mModule)
        return E_UNEXPECTED;
    IUnknown* made = nullptr;
    const HRESULT hr = documentClass->CreateDocument(0, static_cast<IHostDocument*>(this), 0, &made, 0);
    if (FAILED(hr) || !made)
        return FAILED(hr) ? hr : E_FAIL;
    mModule = ComPtr<IUnknown>::Adopt(made);
    const GUID* space = nullptr;
    if (SUCCEEDED(documentClass->GetDocumentGuid(&space)) && space)
        mModuleId = static_cast<DWORD>(mFramework.MessageIds().NumberOf(*space)) << 16;
    const auto document = mModule.Query<ICustomDocument2>(IID_ICustomDocument2);
    if (!document)
        return E_NOINTERFACE;
    mFramework.Views().AddDocument(document.Get(), mViews);
    document->OnHostDataReady(nullptr);
    for (LONG index = 0; index < 2; ++index) {
        if (!mReadsSettingsAtOpening || !mStreams[static_cast<std::size_t>(index)])
            continue;
        BSTR message = nullptr;
        LoadSettings(static_cast<IHostDocument*>(this), index, nullptr, 0, 0, &message);
        SysFreeString(message);
    }
    attach();
    return S_OK;
}

void RecordingDocument::notifyModule(DWORD id, const std::vector<DWORD>& words) {
    const auto observer = mModule.Query<IObserver>(IID_IObserver);
    if (observer)
        observer->Notify(static_cast<ISubject*>(this), id, 0, reinterpret_cast<ULONG_PTR>(words.data()));
}

void RecordingDocument::attach() {
    notifyModule(kHostDocumentAttached, {mId, 0});
}

void RecordingDocument::notifyDataChanged() {
    notifyModule(kHostDocumentDataChanged, {0, mId});
}

DWORD RecordingDocument::hostMessageId(REFGUID space, WORD n) {
    return (static_cast<DWORD>(mFramework.MessageIds().NumberOf(space)) << 16) | n;
}

void RecordingDocument::changeChannelUnit(LONG channel) {
    ComPtr<IUnknown> plain;
    if (SUCCEEDED(mFramework.Units().GetDefaultConversion(plain.Put())) && plain)
        mData->applyUnit(channel, plain.Get());
    notifyUnitsChanged(channel);
}

void RecordingDocument::notifyUnitsChanged(LONG channel) {
    notifyModule(hostMessageId(kRecordingNoticeSpace, 34), {0, 0, static_cast<DWORD>(channel)});
}

void RecordingDocument::notifyDataRemoved(bool wholeRecording) {
    notifyModule(hostMessageId(kRecordingNoticeSpace, wholeRecording ? 16 : 14), {0, 0, 0, 0});
}

void RecordingDocument::notifyChannelSettingsChanged(LONG channel) {
    notifyModule(hostMessageId(kRecordingNoticeSpace, 20), {static_cast<DWORD>(channel)});
}

void RecordingDocument::notifyChannelsChanged(DWORD flags, const std::vector<VirtualChannelRef>& channels) {
    ChannelsChangedData data;
    data.flags = flags;
    data.list = channels.data();
    data.count = static_cast<DWORD>(channels.size());
    const auto observer = mModule.Query<IObserver>(IID_IObserver);
    if (observer)
        observer->Notify(static_cast<ISubject*>(this), hostMessageId(kRecordingNoticeSpace, 51), 0,
                         reinterpret_cast<ULONG_PTR>(&data));
}

void RecordingDocument::notifyRecalculated() {
    notifyModule(hostMessageId(kRecalculationNoticeSpace, 16), {0});
}

void RecordingDocument::markPosition(DWORD first, DWORD second) {
    notifyModule(hostMessageId(kMarkedPositionSpace, 12), {first, second});
}

void RecordingDocument::clearMarkedPosition() {
    notifyModule(hostMessageId(kMarkedPositionSpace, 13), {0});
}

void RecordingDocument::activateEvent(IUnknown* drawing) {
    EventActivatedData data;
    data.drawing = drawing;
    const auto observer = mModule.Query<IObserver>(IID_IObserver);
    if (observer)
        observer->Notify(static_cast<ISubject*>(this), hostMessageId(kRecordingNoticeSpace, 44), 0,
                         reinterpret_cast<ULONG_PTR>(&data));
}

bool RecordingDocument::sendMessage(DWORD id) {
    const auto handler = mModule.Query<IMessageHandler>(IID_IMessageHandler);
    if (!handler)
        return false;
    const DWORD noParameters = 0;
    ComPtr<IMessage> message;
    if (FAILED(mFramework.Messages().CreateMessage(id, 0, 0, 0, nullptr, &noParameters, message.Put())) ||
        !message)
        return false;
    return mFramework.Dispatcher().Dispatch(message.Get(), handler.Get()) == S_OK;
}

HRESULT RecordingDocument::saveSettings() {
    const auto document = mModule.Query<ICustomDocument2>(IID_ICustomDocument2);
    if (!document)
        return E_UNEXPECTED;
    HRESULT result = S_OK;
    for (LONG index = 0; index < 2; ++index) {
        ComPtr<IPersist> persist;
        DWORD word = 0;
        if (document->GetSettingsObject(index, kSettingsObjectKind, &word, persist.Put()) != S_OK ||
            !persist) {
            result = SUCCEEDED(result) ? E_FAIL : result;
            continue;
        }
        const auto stream = persist.Query<IPersistStreamInit>(IID_IPersistStreamInit);
        MemoryStream* memory = MemoryStream::Create();
        const HRESULT saved = stream ? stream->Save(memory, TRUE) : E_NOINTERFACE;
        if (saved == S_OK)
            mStreams[static_cast<std::size_t>(index)] = memory->Bytes();
        else if (SUCCEEDED(result))
            result = saved;
        memory->Release();
    }
    return result;
}

void RecordingDocument::closeModuleDocument() {
    if (!mModule)
        return;
    mComments.clear();
    if (const auto document = mModule.Query<ICustomDocument2>(IID_ICustomDocument2)) {
        document->DetachSender();
        mFramework.Views().RemoveDocument(document.Get());
    }
    mManager->releaseClients();
    mObservers.clear();
    mObjects.clear();
    mModule.Reset();
}

// --- IHostDocument, IHostDocObject ----------------------------------------------------------------

HRESULT RecordingDocument::GetDocumentId(DWORD* id) {
    if (!id)
        return E_POINTER;
    *id = mId;
    return S_OK;
}

HRESULT RecordingDocument::GetDataSource(IUnknown** dataSource) {
    if (!dataSource)
        return E_POINTER;
    *dataSource = static_cast<IDocumentData*>(mData.Get());
    (*dataSource)->AddRef();
    return S_OK;
}

HRESULT RecordingDocument::FindObject(DWORD id, IUnknown** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (mModule && id == mModuleId) {
        *object = ComPtr<IUnknown>(mModule).Detach();
        return S_OK;
    }
    for (const auto& [key, kept] : mObjects)
        if (key == id) {
            *object = kept.Get();
            (*object)->AddRef();
            return S_OK;
        }
    return S_FALSE;
}

HRESULT RecordingDocument::GetServiceProvider(IHostServiceProvider** provider) {
    if (!provider)
        return E_POINTER;
    const DWORD id = static_cast<DWORD>(mFramework.MessageIds().NumberOf(kAnalysisManagerGuid)) << 16 |
                     kAnalysisManagerService;
    *provider = new Services(mManager, id);
    return S_OK;
}

HRESULT RecordingDocument::GetSelectionSource(IUnknown** source) {
    if (!source)
        return E_POINTER;
    *source = static_cast<IDocumentSelection*>(new Selection(*this));
    return S_OK;
}

HRESULT RecordingDocument::Redraw(DWORD) {
    ++mRedraws;
    return S_OK;
}

HRESULT RecordingDocument::GetState(IHostDocState** state) {
    if (!state)
        return E_POINTER;
    *state = new State(*this);
    return S_OK;
}

HRESULT RecordingDocument::GetDataObject(DWORD, IHostDataObject** data) {
    if (data)
        *data = nullptr;
    return E_NOTIMPL;
}

HRESULT RecordingDocument::GetSelection(DWORD, IHostSelection** selection) {
    if (selection)
        *selection = nullptr;
    return S_FALSE;
}

// --- ISubject -------------------------------------------------------------------------------------

HRESULT RecordingDocument::Notify(DWORD id, ULONG_PTR payload) {
    DocumentNotice notice{id, payload, std::nullopt};
    const DWORD loopChannel =
        (static_cast<DWORD>(mFramework.MessageIds().NumberOf(kRecordingNoticeGuid)) << 16) |
        kLoopChannelNotice;
    if (id == loopChannel && payload != 0)
        notice.loopChannel = *reinterpret_cast<const VirtualChannelRef*>(payload);
    mNotices.push_back(notice);
    const auto observers = mObservers;
    for (const ComPtr<IObserver>& observer : observers)
        observer->Notify(static_cast<ISubject*>(this), id, 0, payload);
    return S_OK;
}

HRESULT RecordingDocument::Attach(IObserver* observer) {
    if (!observer)
        return E_POINTER;
    mObservers.emplace_back(observer);
    return S_OK;
}

HRESULT RecordingDocument::Detach(IObserver* observer) {
    for (auto it = mObservers.begin(); it != mObservers.end(); ++it)
        if (it->Get() == observer) {
            mObservers.erase(it);
            return S_OK;
        }
    return S_FALSE;
}

// --- IDocumentStorage -----------------------------------------------------------------------------

// persist null: the module document's own settings object of the stream.
HRESULT RecordingDocument::LoadSettings(IUnknown*, LONG index, IUnknown* persist, DWORD, DWORD,
                                        BSTR* message) {
    if (message)
        *message = nullptr;
    if (index != 0 && index != 1)
        return E_INVALIDARG;
    const auto& bytes = mStreams[static_cast<std::size_t>(index)];
    if (!bytes)
        return S_FALSE;
    ComPtr<IPersistStreamInit> target =
        QueryInterfacePtr<IPersistStreamInit>(persist, IID_IPersistStreamInit);
    if (!target) {
        const auto document = mModule.Query<ICustomDocument2>(IID_ICustomDocument2);
        ComPtr<IPersist> object;
        DWORD word = 0;
        if (document)
            document->GetSettingsObject(index, kSettingsObjectKind, &word, object.Put());
        target = object.Query<IPersistStreamInit>(IID_IPersistStreamInit);
    }
    if (!target)
        return E_NOINTERFACE;
    MemoryStream* stream = MemoryStream::Create(*bytes);
    ++mSettingsReads;
    const HRESULT hr = target->Load(stream);
    stream->Release();
    mLoadResults[static_cast<std::size_t>(index)] = hr;
    return hr;
}

// --- IRecordingView -------------------------------------------------------------------------------

HRESULT RecordingDocument::GetShownRange(HostTickPosition* start, HostTickPosition* end) {
    if (!start || !end)
        return E_POINTER;
    *start = {0, 0};
    return mData->GetDataEnd(0, end);
}

HRESULT RecordingDocument::GetCompression(double* ticksPerPixel) {
    if (!ticksPerPixel)
        return E_POINTER;
    *ticksPerPixel = 1.0;
    return S_OK;
}

HRESULT RecordingDocument::BeginSelection() {
    mViewCalls.push_back({17});
    return S_OK;
}

HRESULT RecordingDocument::SelectValueRange(LONG channel, const double* range) {
    if (!range)
        return E_POINTER;
    mViewCalls.push_back({20, channel, {range[0], range[1]}});
    return S_OK;
}

HRESULT RecordingDocument::SelectRange(DWORD, const SelectionKind*, HostTickPosition start,
                                       HostTickPosition end) {
    ViewCall call{29};
    call.start = start;
    call.end = end;
    mViewCalls.push_back(call);
    setSelection(std::make_pair(start, end));
    return S_OK;
}

// --- IMessageHandler, IChildDataHost --------------------------------------------------------------

// Messages the module's document sends the host: view messages change the document's views, a unit change
// gives a channel its new conversion; each is kept.
HRESULT RecordingDocument::OnMessage(IMessage* message) {
    DWORD id = 0;
    if (!message || FAILED(message->GetId(&id)))
        return 0;
    mHostMessages.push_back(ReadHostMessage(message));
    constexpr DWORD kUnitChange = 0x800C0083;
    if (id == kShowComment2MessageId)
        return mComments.take(message) == S_OK ? 1 : 0;
    if (id == kUnitChange)
        return applyUnitChange(message) ? 1 : 0;
    return mViews.Handle(mHostMessages.back()) ? 1 : 0;
}

HRESULT RecordingDocument::GetEditLock(DWORD, LONG* locked) {
    if (!locked)
        return E_POINTER;
    *locked = mEditLock;
    return S_OK;
}

HRESULT RecordingDocument::GetWindow(HWND__** window) {
    if (!window)
        return E_POINTER;
    *window = mDataWindow;
    return mDataWindow != nullptr ? S_OK : S_FALSE;
}

HRESULT RecordingDocument::ShowPosition(HostTickPosition position, DWORD, DWORD, DWORD, DWORD) {
    mShownPositions.push_back(position);
    return S_OK;
}

namespace {

#pragma pack(push, 1)
// The values of a unit-change message after its type code.
struct UnitChange {
    std::uint32_t typeCode;
    std::int32_t channel;
    std::uint32_t hasScaling;
    IAutoOvoString* range;
    IAutoOvoString* rawPrefix;
    IAutoOvoString* shownPrefix;
    std::int32_t decimals;
};
#pragma pack(pop)

// "raw 1->calibrated 1;raw 2->calibrated 2\nunit": the four points and the unit text.
bool SplitRange(const std::u16string& text, std::u16string (&points)[4], std::u16string& unit) {
    const auto line = text.find(u'\n');
    const auto semicolon = text.find(u';');
    if (line == std::u16string::npos || semicolon == std::u16string::npos || semicolon > line)
        return false;
    const std::u16string first = text.substr(0, semicolon),
                         second = text.substr(semicolon + 1, line - semicolon - 1);
    const auto a = first.find(u"->"), b = second.find(u"->");
    if (a == std::u16string::npos || b == std::u16string::npos)
        return false;
    points[0] = first.substr(0, a);
    points[2] = first.substr(a + 2);
    points[1] = second.substr(0, b);
    points[3] = second.substr(b + 2);
    unit = text.substr(line + 1);
    return true;
}

} // namespace

// A computed channel's new unit: the line through the message's two points, from the channel's
// conversion now, in the message's unit.
bool RecordingDocument::applyUnitChange(IMessage* message) {
    const void* data = nullptr;
    if (FAILED(message->GetData(&data)) || !data)
        return false;
    UnitChange change;
    std::memcpy(&change, data, sizeof change);
    std::u16string points[4], unitBase;
    if (!SplitRange(ReadString(change.range), points, unitBase))
        return false;
    const std::u16string shown = ReadString(change.shownPrefix) + unitBase;
    const auto [prefixCode, base] = UnitName::split(Utf16ToUtf8(shown));
    ComPtr<IUnknown> current;
    mData->GetChannelUnit(change.channel, kDataAnyRecord, 0, current.Put());
    const auto conversion = current.Query<IUnitConversion>(IID_IUnitConversion);
    UnitRawInfo raw;
    ComPtr<IAutoOvoString> rawName;
    if (!conversion || FAILED(conversion->GetConversionInfo(&raw, rawName.Put(), nullptr, nullptr)))
        return false;
    const auto text = [](const std::u16string& s) { return ComPtr<IAutoOvoString>::Adopt(MakeString(s)); };
    ComPtr<IUnknown> made;
    const HRESULT hr = mFramework.Units().MakeTwoPointConversion(
        0, &raw, rawName.Get(), text(points[0]).Get(), text(points[1]).Get(), text(points[2]).Get(),
        text(points[3]).Get(), text(base).Get(), prefixCode, static_cast<DWORD>(change.decimals), 0,
        made.Put(), nullptr, nullptr, nullptr);
    if (FAILED(hr) || !made || FAILED(mData->applyUnit(change.channel, made.Get())))
        return false;
    ++mUnitChanges;
    return true;
}

HRESULT RecordingDocument::GetTarget(IMessageHandler** target) {
    if (target)
        *target = nullptr;
    return E_NOTIMPL;
}

HRESULT RecordingDocument::GetChildData(DWORD, DWORD typeId, IUnknown** data) {
    if (!data)
        return E_POINTER;
    *data = mData->childData(typeId);
    if (!*data)
        return S_FALSE;
    (*data)->AddRef();
    return S_OK;
}

} // namespace Vantrel

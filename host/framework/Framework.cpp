#include "host/framework/Framework.h"

#include "platform/win32/activation.h"

namespace Vantrel {

Framework::Framework() {
    ClassRegistry& classes = Classes();
    classes.AddService(kHostMessageServiceKind, static_cast<IHostMessageService*>(mMessages.Get()));
    classes.AddService(kHostViewServiceKind, static_cast<IHostViewService*>(mViews.Get()));
    classes.AddService(kHostDocumentServiceKind, static_cast<IHostDocumentService*>(mDocuments.Get()));
    classes.AddService(kDocClassServiceKind, static_cast<IDocClassService*>(mDocClasses.Get()));
    classes.AddService(kHostCommandUIServiceKind, static_cast<IHostCommandUIService*>(mCommandUI.Get()));
    classes.AddService(kCommandFactoryKind, static_cast<ICommandFactory*>(mCommands.Get()));
    // The unit service's kind is the number of its GUID in the high word.
    classes.AddService(static_cast<DWORD>(MessageIds().NumberOf(kUnitServiceGuid)) << 16,
                       static_cast<IUnitService*>(mUnits.Get()));
    classes.AddService((static_cast<DWORD>(MessageIds().NumberOf(kProgressClassGuid)) << 16) |
                           kProgressClassNumber,
                       static_cast<IProgressFactory*>(mProgress.Get()));
}

Framework::~Framework() {
    ReleaseModuleObjects();
}

int Framework::Requests(REFIID iid) const {
    std::lock_guard guard(mRequestLock);
    auto it = mRequests.find(GuidToString(iid));
    return it == mRequests.end() ? 0 : it->second;
}

HRESULT Framework::Register() {
    if (mCookie != 0)
        return S_FALSE;
    return CoRegisterClassObject(CLSID_ZARFrameWork, this, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                 &mCookie);
}

void Framework::Revoke() {
    if (mCookie != 0)
        CoRevokeClassObject(mCookie);
    mCookie = 0;
}

namespace {

// The host's command target of a document class: passes the commands of the
// class's menu items to the class (not held: the class holds the command that
// holds this target).
class CommandTarget : public ComObject<ICAFCommandHandler> {
public:
    explicit CommandTarget(ICAFCommandHandler* documentClass) : mClass(documentClass) {}
    void* find(REFIID iid) override {
        return iid == IID_ICAFCommandHandler ? static_cast<ICAFCommandHandler*>(this) : nullptr;
    }
    HRESULT OnCommand(DWORD id) override { return mClass->OnCommand(id); }
    HRESULT OnCommandUpdate(DWORD id, ICommandState* state) override {
        return mClass->OnCommandUpdate(id, state);
    }
    HRESULT OnCommandEvent(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) override {
        return mClass->OnCommandEvent(id, kind, word1, word2);
    }

private:
    ICAFCommandHandler* mClass;
};

} // namespace

HostCommand* Framework::AttachMenus(ICustomDocClass* documentClass) {
    auto handler = ComPtr<IUnknown>(documentClass).Query<ICAFCommandHandler>(IID_ICAFCommandHandler);
    if (!handler)
        return nullptr;
    auto target = ComPtr<CommandTarget>::Adopt(new CommandTarget(handler.Get()));
    const std::size_t before = Commands().Commands().size();
    documentClass->AttachCommandTarget(static_cast<ICAFCommandHandler*>(target.Get()), 0);
    return Commands().Commands().size() > before ? Commands().Commands().back() : nullptr;
}

void Framework::ReleaseModuleObjects() {
    Documents().CloseDocuments();
    Commands().ReleaseCommands();
    MessageClasses().ReleaseClasses();
    Classes().ReleaseClasses();
}

HRESULT Framework::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    {
        std::lock_guard guard(mRequestLock);
        ++mRequests[GuidToString(iid)];
    }
    if (iid == IID_IUnknown) {
        AddRef();
        *out = static_cast<IUnknown*>(this);
        return S_OK;
    }
    IUnknown* services[] = {static_cast<IClassRegistry*>(mClasses.Get()),
                            static_cast<IMessageIdService*>(mMessageIds.Get()),
                            static_cast<IMessageFactory*>(mMessageClasses.Get()),
                            static_cast<IMessageDispatcher*>(mDispatcher.Get()),
                            static_cast<ISubjectService*>(mSubjects.Get()),
                            static_cast<ISubject*>(mObjects.Get())};
    for (IUnknown* service : services)
        if (SUCCEEDED(service->QueryInterface(iid, out)))
            return S_OK;
    return E_NOINTERFACE;
}

} // namespace Vantrel

#include "host/framework/Framework.h"

#include "platform/win32/activation.h"

namespace Vantrel {

Framework::Framework() {
    ClassRegistry& classes = Classes();
    classes.AddService(kHostMessageServiceKind, static_cast<IHostMessageService*>(m_messages.Get()));
    classes.AddService(kHostViewServiceKind, static_cast<IHostViewService*>(m_views.Get()));
    classes.AddService(kHostDocumentServiceKind, static_cast<IHostDocumentService*>(m_documents.Get()));
    classes.AddService(kDocClassServiceKind, static_cast<IDocClassService*>(m_docClasses.Get()));
    classes.AddService(kHostCommandUIServiceKind, static_cast<IHostCommandUIService*>(m_commandUI.Get()));
    classes.AddService(kCommandFactoryKind, static_cast<ICommandFactory*>(m_commands.Get()));
}

Framework::~Framework() {
    ReleaseModuleObjects();
}

int Framework::Requests(REFIID iid) const {
    std::lock_guard guard(m_requestLock);
    auto it = m_requests.find(GuidToString(iid));
    return it == m_requests.end() ? 0 : it->second;
}

HRESULT Framework::Register() {
    if (m_cookie != 0)
        return S_FALSE;
    return CoRegisterClassObject(CLSID_ZARFrameWork, this, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                 &m_cookie);
}

void Framework::Revoke() {
    if (m_cookie != 0)
        CoRevokeClassObject(m_cookie);
    m_cookie = 0;
}

namespace {

// The host's command target of a document class: passes the commands of the
// class's menu items to the class (not held: the class holds the command that
// holds this target).
class CommandTarget : public ComObject<ICAFCommandHandler> {
public:
    explicit CommandTarget(ICAFCommandHandler* documentClass) : m_class(documentClass) {}
    void* find(REFIID iid) override {
        return iid == IID_ICAFCommandHandler ? static_cast<ICAFCommandHandler*>(this) : nullptr;
    }
    HRESULT OnCommand(DWORD id) override { return m_class->OnCommand(id); }
    HRESULT OnCommandUpdate(DWORD id, ICommandState* state) override {
        return m_class->OnCommandUpdate(id, state);
    }
    HRESULT OnCommandEvent(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) override {
        return m_class->OnCommandEvent(id, kind, word1, word2);
    }

private:
    ICAFCommandHandler* m_class;
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
        std::lock_guard guard(m_requestLock);
        ++m_requests[GuidToString(iid)];
    }
    if (iid == IID_IUnknown) {
        AddRef();
        *out = static_cast<IUnknown*>(this);
        return S_OK;
    }
    IUnknown* services[] = {static_cast<IClassRegistry*>(m_classes.Get()),
                            static_cast<IMessageIdService*>(m_messageIds.Get()),
                            static_cast<IMessageFactory*>(m_messageClasses.Get()),
                            static_cast<IMessageDispatcher*>(m_dispatcher.Get()),
                            static_cast<ISubjectService*>(m_subjects.Get()),
                            static_cast<ISubject*>(m_objects.Get())};
    for (IUnknown* service : services)
        if (SUCCEEDED(service->QueryInterface(iid, out)))
            return S_OK;
    return E_NOINTERFACE;
}

} // namespace Vantrel

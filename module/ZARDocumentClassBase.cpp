#include "module/ZARDocumentClassBase.h"

#include "module/Boundary.h"
#include "module/HostServices.h"
#include "module/MessageIds.h"

namespace Tarvik {

ZARDocumentClassBase::ZARDocumentClassBase(Ovo::String name, const GUID& classGuid, const GUID& documentGuid,
                                           WORD typeNumber, DWORD flags, DWORD argument)
    : m_name(std::move(name)), m_documentGuid(&documentGuid), m_classGuid(classGuid),
      m_typeNumber(typeNumber), m_flags(flags) {
    IDocClassService* service = nullptr;
    GetRegistryService(kDocClassServiceKind, IID_IDocClassService, reinterpret_cast<void**>(&service));
    if (service == nullptr)
        return;
    service->CreateInner(&m_inner, Identity(), argument);
    HoldDuringConstruction();
    if (m_inner != nullptr &&
        SUCCEEDED(m_inner->QueryInterface(IID_IHostDocHandler, reinterpret_cast<void**>(&m_hostHandler))))
        m_hostHandler->Release();
    EndConstructionHold();
    service->Release();
}

ZARDocumentClassBase::~ZARDocumentClassBase() {
    if (m_inner != nullptr)
        m_inner->Release();
    SetCommand(nullptr);
}

HRESULT ZARDocumentClassBase::QueryInterface(REFIID iid, void** out) {
    HRESULT hr = Ovo::QueryInterfaceMap({{IID_ICAFClassObject, static_cast<ICustomDocClass*>(this)},
                                         {IID_ICustomDocClass, static_cast<ICustomDocClass*>(this)},
                                         {IID_ICAFCommandHandler, CommandPart()},
                                         {IID_IObserver, ObserverPart()},
                                         {IID_IMessageHandler, Self()}},
                                        iid, out);
    if (hr == E_NOINTERFACE && m_inner != nullptr)
        return m_inner->QueryInterface(iid, out);
    return hr;
}

HRESULT ZARDocumentClassBase::GetClassId(DWORD* id) {
    if (id == nullptr)
        return E_POINTER;
    WORD space = MessageSpace(*m_documentGuid);
    *id = space == 0 ? 0 : MakeMessageId(space, m_typeNumber);
    return S_OK;
}

HRESULT ZARDocumentClassBase::GetTypeGuid(const GUID** type) {
    if (type == nullptr)
        return E_POINTER;
    *type = &m_classGuid;
    return S_OK;
}

HRESULT ZARDocumentClassBase::IsTypeGuid(const GUID* type) {
    if (type == nullptr)
        return S_FALSE;
    return type == &m_classGuid || *type == m_classGuid ? S_OK : S_FALSE;
}

HRESULT ZARDocumentClassBase::GetName(BSTR* name) {
    if (name == nullptr)
        return S_OK;
    SysFreeString(*name);
    *name = m_name.AllocBSTR();
    return S_OK;
}

HRESULT ZARDocumentClassBase::GetFlags(DWORD* flags) {
    if (flags == nullptr)
        return E_POINTER;
    *flags = m_flags;
    return S_OK;
}

HRESULT ZARDocumentClassBase::CreateDocument(ULONG_PTR, IUnknown* creator, DWORD flags, IUnknown** document,
                                             ULONG_PTR) {
    if (document == nullptr)
        return E_POINTER;
    *document = nullptr;
    return GuardBoundary([&] {
        IUnknown* created = NewDocument(creator, flags);
        created->AddRef();
        *document = created;
        return S_OK;
    });
}

HRESULT ZARDocumentClassBase::AttachCommandTarget(IUnknown* object, ULONG_PTR value) {
    ICAFCommandHandler* handler = nullptr;
    if (object == nullptr ||
        FAILED(object->QueryInterface(IID_ICAFCommandHandler, reinterpret_cast<void**>(&handler))))
        return S_OK;
    HRESULT hr = GuardBoundary([&] {
        MenuHook(handler, value);
        return S_OK;
    });
    handler->Release();
    return hr;
}

HRESULT ZARDocumentClassBase::GetDocumentGuid(const GUID** guid) {
    if (guid == nullptr)
        return E_POINTER;
    *guid = m_documentGuid;
    return S_OK;
}

void ZARDocumentClassBase::SetCommand(ICAFCommand* command) {
    if (command != nullptr)
        command->AddRef();
    if (m_command != nullptr)
        m_command->Release();
    m_command = command;
}

ICAFCommandHandler* ZARDocumentClassBase::HostCommandHandler() const {
    ICAFCommandHandler* handler = nullptr;
    if (m_hostHandler != nullptr)
        m_hostHandler->QueryInterface(IID_ICAFCommandHandler, reinterpret_cast<void**>(&handler));
    return handler;
}

HRESULT ZARDocumentClassBase::OnCommand(DWORD id) {
    if (ICAFCommandHandler* host = HostCommandHandler()) {
        HRESULT hr = host->OnCommand(id);
        host->Release();
        if (hr == S_OK)
            return S_OK;
    }
    return ZAREventHandlerT::OnCommand(id);
}

HRESULT ZARDocumentClassBase::OnCommandUpdate(DWORD id, ICommandState* state) {
    if (ICAFCommandHandler* host = HostCommandHandler()) {
        HRESULT hr = host->OnCommandUpdate(id, state);
        host->Release();
        if (hr == S_OK)
            return S_OK;
    }
    return ZAREventHandlerT::OnCommandUpdate(id, state);
}

HRESULT ZARDocumentClassBase::OnCommandEvent(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) {
    if (ICAFCommandHandler* host = HostCommandHandler()) {
        HRESULT hr = host->OnCommandEvent(id, kind, word1, word2);
        host->Release();
        if (hr == S_OK)
            return S_OK;
    }
    return ZAREventHandlerT::OnCommandEvent(id, kind, word1, word2);
}

} // namespace Tarvik

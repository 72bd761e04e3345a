#include "module/ZARDocument.h"

#include "module/HostServices.h"

namespace Tarvik {

namespace {

template <class I> void ReleaseHeld(I*& p) {
    if (p != nullptr)
        p->Release();
    p = nullptr;
}

} // namespace

ZARDocument::ZARDocument(IUnknown* creator, IUnknown* owner, DWORD flags) : m_flags(flags), m_owner(owner) {
    if (creator != nullptr &&
        SUCCEEDED(creator->QueryInterface(IID_IHostDocument, reinterpret_cast<void**>(&m_creator))))
        m_creator->Release();
    if (m_owner != nullptr) {
        m_owner->AddRef();
        m_owner->QueryInterface(IID_IHostDocHandler, reinterpret_cast<void**>(&m_ownerHandler));
    }
    IHostDocumentService* service = nullptr;
    GetRegistryService(kHostDocumentServiceKind, IID_IHostDocumentService,
                       reinterpret_cast<void**>(&service));
    if (service == nullptr)
        return;
    HoldDuringConstruction();
    service->RegisterDocument(m_owner, creator, Identity(), (flags >> 30) & 1, &m_hostDocumentObject);
    EndConstructionHold();
    service->Release();
}

ZARDocument::~ZARDocument() {
    ReleaseHeld(m_hostDataSource);
    ReleaseHeld(m_hostSubject);
    ReleaseHeld(m_hostObserver);
    ReleaseHeld(m_hostHandler);
    ReleaseHeld(m_ownerHandler);
    ReleaseHeld(m_owner);
    ReleaseHeld(m_hostDocumentObject);
}

HRESULT ZARDocument::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_ICustomDocument2, static_cast<ICustomDocument2*>(this)},
                                   {IID_ICustomDocument, static_cast<ICustomDocument2*>(this)},
                                   {IID_ICAFCommandHandler, CommandPart()},
                                   {IID_IObserver, ObserverPart()},
                                   {IID_IMessageHandler, Self()}},
                                  iid, out);
}

HRESULT ZARDocument::GetName(BSTR* name) {
    if (name == nullptr)
        return S_OK;
    SysFreeString(*name);
    *name = DocumentName().AllocBSTR();
    return S_OK;
}

HRESULT ZARDocument::GetKind(WORD* kind) {
    if (kind == nullptr)
        return E_POINTER;
    *kind = 0xFFFF;
    return S_OK;
}

HRESULT ZARDocument::DetachSender() {
    ZARMessageSender::Detach();
    return S_OK;
}

HRESULT ZARDocument::GetCreationFlags(DWORD* flags) {
    if (flags == nullptr)
        return E_POINTER;
    *flags = m_flags;
    return S_OK;
}

HRESULT ZARDocument::GetOwnerDocument(IUnknown** owner) {
    if (owner == nullptr)
        return E_POINTER;
    if (m_ownerDocument == nullptr && m_owner != nullptr &&
        SUCCEEDED(
            m_owner->QueryInterface(IID_IHostOwnerDocument, reinterpret_cast<void**>(&m_ownerDocument))))
        m_ownerDocument->Release();
    *owner = m_ownerDocument;
    if (m_ownerDocument != nullptr)
        m_ownerDocument->AddRef();
    return m_ownerDocument != nullptr ? S_OK : E_NOINTERFACE;
}

template <class I> I* ZARDocument::HostPart(I*& cache, REFIID iid) {
    if (cache == nullptr && m_hostDocumentObject != nullptr)
        m_hostDocumentObject->QueryInterface(iid, reinterpret_cast<void**>(&cache));
    return cache;
}

HRESULT ZARDocument::Notify(ISubject* subject, DWORD id, DWORD reserved, ULONG_PTR payload) {
    if (IObserver* host = HostPart(m_hostObserver, IID_IObserver))
        host->Notify(subject, id, reserved, payload);
    return ZAREventHandlerT::Notify(subject, id, reserved, payload);
}

HRESULT ZARDocument::OnMessage(IMessage* message) {
    if (AcceptsOwnMessage(message) && ZAREventHandlerBase::DispatchMessage(message) == 1)
        return 1;
    IMessageHandler* host = HostPart(m_hostHandler, IID_IMessageHandler);
    return host == nullptr ? 0 : host->OnMessage(message);
}

HRESULT ZARDocument::CallHostDocument(DWORD id, ULONG_PTR payload) {
    ISubject* subject = HostPart(m_hostSubject, IID_ISubject);
    return subject == nullptr ? E_NOINTERFACE : subject->Notify(id, payload);
}

IUnknown* ZARDocument::GetHostDataSource() {
    IHostDocument* document = nullptr;
    if (m_hostDataSource == nullptr && m_hostDocumentObject != nullptr &&
        SUCCEEDED(
            m_hostDocumentObject->QueryInterface(IID_IHostDocument, reinterpret_cast<void**>(&document)))) {
        document->GetDataSource(&m_hostDataSource);
        document->Release();
    }
    return m_hostDataSource;
}

} // namespace Tarvik

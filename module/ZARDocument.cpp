#include "module/ZARDocument.h"

#include "module/HostServices.h"

namespace Tarvik {

ZARDocument::ZARDocument(IUnknown* creator, IUnknown* owner, DWORD flags) : mFlags(flags), mOwner(owner) {
    if (creator != nullptr &&
        SUCCEEDED(creator->QueryInterface(IID_IHostDocument, reinterpret_cast<void**>(&mCreator))))
        mCreator->Release();
    if (mOwner)
        mOwner->QueryInterface(IID_IHostDocHandler, mOwnerHandler.PutVoid());
    ComPtr<IHostDocumentService> service;
    GetRegistryService(kHostDocumentServiceKind, IID_IHostDocumentService, service.PutVoid());
    if (!service)
        return;
    HoldDuringConstruction();
    service->RegisterDocument(mOwner.Get(), creator, Identity(), (flags >> 30) & 1,
                              mHostDocumentObject.Put());
    EndConstructionHold();
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
    *flags = mFlags;
    return S_OK;
}

HRESULT ZARDocument::GetOwnerDocument(IUnknown** owner) {
    if (owner == nullptr)
        return E_POINTER;
    if (mOwnerDocument == nullptr && mOwner &&
        SUCCEEDED(mOwner->QueryInterface(IID_IHostOwnerDocument, reinterpret_cast<void**>(&mOwnerDocument))))
        mOwnerDocument->Release();
    *owner = mOwnerDocument;
    if (mOwnerDocument != nullptr)
        mOwnerDocument->AddRef();
    return mOwnerDocument != nullptr ? S_OK : E_NOINTERFACE;
}

HRESULT ZARDocument::GetSettingsObject(LONG, DWORD, DWORD* word, IPersist** persist) {
    if (word != nullptr)
        *word = 0;
    if (persist != nullptr)
        *persist = nullptr;
    return S_FALSE;
}

HRESULT ZARDocument::GetTitle(BSTR* title) {
    return GetName(title);
}

HRESULT ZARDocument::GetTitleObject(IAutoOvoString** title) {
    if (title == nullptr)
        return E_POINTER;
    *title = DocumentName().GetInterface();
    return S_OK;
}

HRESULT ZARDocument::GetDocumentWord(DWORD* word) {
    if (word == nullptr)
        return E_POINTER;
    *word = mDocumentWord;
    return S_OK;
}

HRESULT ZARDocument::SetDocumentWord(DWORD word) {
    mDocumentWord = word;
    return S_OK;
}

template <class I> I* ZARDocument::HostPart(ComPtr<I>& cache, REFIID iid) {
    if (!cache && mHostDocumentObject)
        mHostDocumentObject->QueryInterface(iid, cache.PutVoid());
    return cache.Get();
}

HRESULT ZARDocument::Notify(ISubject* subject, DWORD id, DWORD reserved, ULONG_PTR payload) {
    if (IObserver* host = HostPart(mHostObserver, IID_IObserver))
        host->Notify(subject, id, reserved, payload);
    return ZAREventHandlerT::Notify(subject, id, reserved, payload);
}

HRESULT ZARDocument::OnMessage(IMessage* message) {
    if (AcceptsOwnMessage(message) && ZAREventHandlerBase::DispatchMessage(message) == 1)
        return 1;
    IMessageHandler* host = HostPart(mHostHandler, IID_IMessageHandler);
    return host == nullptr ? 0 : host->OnMessage(message);
}

HRESULT ZARDocument::CallHostDocument(DWORD id, ULONG_PTR payload) {
    ISubject* subject = HostPart(mHostSubject, IID_ISubject);
    return subject == nullptr ? E_NOINTERFACE : subject->Notify(id, payload);
}

IUnknown* ZARDocument::GetHostDataSource() {
    if (!mHostDataSource) {
        if (const auto document = mHostDocumentObject.Query<IHostDocument>(IID_IHostDocument))
            document->GetDataSource(mHostDataSource.Put());
    }
    return mHostDataSource.Get();
}

} // namespace Tarvik

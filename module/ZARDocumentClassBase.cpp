#include "module/ZARDocumentClassBase.h"

#include "module/Boundary.h"
#include "module/HostServices.h"
#include "module/MessageIds.h"

namespace Tarvik {

ZARDocumentClassBase::ZARDocumentClassBase(Ovo::String name, const GUID& classGuid, const GUID& documentGuid,
                                           WORD typeNumber, DWORD flags, DWORD argument)
    : mName(std::move(name)), mDocumentGuid(&documentGuid), mClassGuid(classGuid), mTypeNumber(typeNumber),
      mFlags(flags) {
    ComPtr<IDocClassService> service;
    GetRegistryService(kDocClassServiceKind, IID_IDocClassService, service.PutVoid());
    if (!service)
        return;
    service->CreateInner(mInner.Put(), Identity(), argument);
    HoldDuringConstruction();
    // The query's reference goes back at once: the handler is part of the inner object this one holds.
    if (mInner &&
        SUCCEEDED(mInner->QueryInterface(IID_IHostDocHandler, reinterpret_cast<void**>(&mHostHandler))))
        mHostHandler->Release();
    EndConstructionHold();
}

ZARDocumentClassBase::~ZARDocumentClassBase() = default;

HRESULT ZARDocumentClassBase::QueryInterface(REFIID iid, void** out) {
    HRESULT hr = Ovo::QueryInterfaceMap({{IID_ICAFClassObject, static_cast<ICustomDocClass*>(this)},
                                         {IID_ICustomDocClass, static_cast<ICustomDocClass*>(this)},
                                         {IID_ICAFCommandHandler, CommandPart()},
                                         {IID_IObserver, ObserverPart()},
                                         {IID_IMessageHandler, Self()}},
                                        iid, out);
    if (hr == E_NOINTERFACE && mInner)
        return mInner->QueryInterface(iid, out);
    return hr;
}

HRESULT ZARDocumentClassBase::GetClassId(DWORD* id) {
    if (id == nullptr)
        return E_POINTER;
    WORD space = MessageSpace(*mDocumentGuid);
    *id = space == 0 ? 0 : MakeMessageId(space, mTypeNumber);
    return S_OK;
}

HRESULT ZARDocumentClassBase::GetTypeGuid(const GUID** type) {
    if (type == nullptr)
        return E_POINTER;
    *type = &mClassGuid;
    return S_OK;
}

HRESULT ZARDocumentClassBase::IsTypeGuid(const GUID* type) {
    if (type == nullptr)
        return S_FALSE;
    return type == &mClassGuid || *type == mClassGuid ? S_OK : S_FALSE;
}

HRESULT ZARDocumentClassBase::GetName(BSTR* name) {
    if (name == nullptr)
        return S_OK;
    SysFreeString(*name);
    *name = mName.AllocBSTR();
    return S_OK;
}

HRESULT ZARDocumentClassBase::GetFlags(DWORD* flags) {
    if (flags == nullptr)
        return E_POINTER;
    *flags = mFlags;
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
    ComPtr<ICAFCommandHandler> handler;
    if (object == nullptr || FAILED(object->QueryInterface(IID_ICAFCommandHandler, handler.PutVoid())))
        return S_OK;
    return GuardBoundary([&] {
        MenuHook(handler.Get(), value);
        return S_OK;
    });
}

HRESULT ZARDocumentClassBase::GetDocumentGuid(const GUID** guid) {
    if (guid == nullptr)
        return E_POINTER;
    *guid = mDocumentGuid;
    return S_OK;
}

void ZARDocumentClassBase::SetCommand(ICAFCommand* command) {
    mCommand = ComPtr<ICAFCommand>(command);
}

ComPtr<ICAFCommandHandler> ZARDocumentClassBase::HostCommandHandler() const {
    return QueryInterfacePtr<ICAFCommandHandler>(mHostHandler, IID_ICAFCommandHandler);
}

HRESULT ZARDocumentClassBase::OnCommand(DWORD id) {
    if (const auto host = HostCommandHandler()) {
        HRESULT hr = host->OnCommand(id);
        if (hr == S_OK)
            return S_OK;
    }
    return ZAREventHandlerT::OnCommand(id);
}

HRESULT ZARDocumentClassBase::OnCommandUpdate(DWORD id, ICommandState* state) {
    if (const auto host = HostCommandHandler()) {
        HRESULT hr = host->OnCommandUpdate(id, state);
        if (hr == S_OK)
            return S_OK;
    }
    return ZAREventHandlerT::OnCommandUpdate(id, state);
}

HRESULT ZARDocumentClassBase::OnCommandEvent(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) {
    if (const auto host = HostCommandHandler()) {
        HRESULT hr = host->OnCommandEvent(id, kind, word1, word2);
        if (hr == S_OK)
            return S_OK;
    }
    return ZAREventHandlerT::OnCommandEvent(id, kind, word1, word2);
}

} // namespace Tarvik

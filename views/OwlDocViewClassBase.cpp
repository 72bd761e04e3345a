#include "views/OwlDocViewClassBase.h"

#include "module/HostServices.h"

namespace Tarvik {

OwlDocViewClassBase::OwlDocViewClassBase(const Ovo::String& className, const GUID* documentType, DWORD flags,
                                         const Ovo::String& menuName, OWL::TModule* module)
    : className_(className), menuName_(menuName.IsEmpty() ? className : menuName),
      documentType_(documentType), flags_(flags), module_(module) {
    HoldDuringConstruction();
    IViewClassService* service = nullptr;
    if (SUCCEEDED(GetRegistryService(kViewClassServiceKind, IID_IViewClassService,
                                     reinterpret_cast<void**>(&service))) &&
        service != nullptr) {
        service->CreateInner(static_cast<IDocViewClass*>(this), IID_IUnknown,
                             reinterpret_cast<void**>(&inner_));
        service->Release();
    }
    if (ISubject* objects = GetObjectRegistryService()) {
        objects->Notify(kObjectRegistryAdd, reinterpret_cast<ULONG_PTR>(static_cast<IObjInfo*>(&debug_)));
        registered_ = true;
    }
    EndConstructionHold();
}

OwlDocViewClassBase::~OwlDocViewClassBase() {
    if (registered_)
        if (ISubject* objects = GetObjectRegistryService())
            objects->Notify(kObjectRegistryRemove,
                            reinterpret_cast<ULONG_PTR>(static_cast<IObjInfo*>(&debug_)));
    if (inner_ != nullptr)
        inner_->Release();
    if (command_ != nullptr)
        command_->Release();
}

HRESULT OwlDocViewClassBase::QueryInterface(REFIID iid, void** out) {
    IUnknown* primary = static_cast<IDocViewClass*>(this);
    HRESULT hr = Ovo::QueryInterfaceMap(
        {{IID_ICAFClassObject, primary}, {IID_IViewClass, primary}, {IID_IDocViewClass, primary}}, iid, out);
    if (hr == E_NOINTERFACE && inner_ != nullptr)
        hr = inner_->QueryInterface(iid, out);
    return hr;
}

HRESULT OwlDocViewClassBase::GetTypeGuid(const GUID** type) {
    if (type == nullptr)
        return E_POINTER;
    *type = documentType_;
    return S_OK;
}

HRESULT OwlDocViewClassBase::GetNameBSTR(BSTR* name) {
    return (menuName_.IsEmpty() ? className_ : menuName_).PutBSTR(name);
}

HRESULT OwlDocViewClassBase::IsTypeGuid(const GUID* type) {
    if (type == nullptr || documentType_ == nullptr)
        return S_FALSE;
    return type == documentType_ || *type == *documentType_ ? S_OK : S_FALSE;
}

HRESULT OwlDocViewClassBase::GetName(BSTR* name) {
    return className_.PutBSTR(name);
}

HRESULT OwlDocViewClassBase::GetResourceModule(HINSTANCE* module) {
    if (module == nullptr)
        return E_POINTER;
    *module = module_ ? module_->GetHandle() : nullptr;
    return S_OK;
}

HRESULT OwlDocViewClassBase::GetFlags(DWORD* flags) {
    if (flags == nullptr)
        return E_POINTER;
    *flags = flags_;
    return S_OK;
}

HRESULT OwlDocViewClassBase::AttachHostObject(IUnknown* hostObject) {
    if (hostObject == nullptr)
        return S_OK;
    IViewRegistry* registry = nullptr;
    if (SUCCEEDED(hostObject->QueryInterface(IID_IViewRegistry, reinterpret_cast<void**>(&registry)))) {
        registry->AttachViewClass(static_cast<IDocViewClass*>(this));
        registry->Release();
    }
    ICAFCommandHandler* handler = nullptr;
    if (SUCCEEDED(hostObject->QueryInterface(IID_ICAFCommandHandler, reinterpret_cast<void**>(&handler)))) {
        AttachCommandTarget(handler);
        handler->Release();
    }
    return S_OK;
}

HRESULT OwlDocViewClassBase::Lock() {
    InterlockedIncrement(&lockCount_);
    return S_OK;
}

HRESULT OwlDocViewClassBase::Unlock() {
    InterlockedDecrement(&lockCount_);
    return S_OK;
}

HRESULT OwlDocViewClassBase::GetLockCount(ULONG_PTR, ULONG_PTR, LONG* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = lockCount_;
    return S_OK;
}

// The command object of the view's id space replaces the one held before.
HRESULT OwlDocViewClassBase::AttachCommandTarget(ICAFCommandHandler* handler) {
    DWORD typeId = 0;
    GetClassId(&typeId);
    const GUID* space = nullptr;
    IMessageIdService* ids = GetMessageIdService();
    ICommandFactory* factory = GetCommandFactory();
    if (ids == nullptr || factory == nullptr || FAILED(ids->IdToGuid(HIWORD(typeId), &space)))
        return S_OK;
    ICAFCommand* command = nullptr;
    factory->CreateCommand(space, handler, reinterpret_cast<ULONG_PTR>(static_cast<IDocViewClass*>(this)),
                           &command);
    if (command_ != nullptr)
        command_->Release();
    command_ = command;
    return S_OK;
}

} // namespace Tarvik

#include "views/OwlDocViewClassBase.h"

#include "module/HostServices.h"

namespace Tarvik {

OwlDocViewClassBase::OwlDocViewClassBase(const Ovo::String& className, const GUID* documentType, DWORD flags,
                                         const Ovo::String& menuName, OWL::TModule* module)
    : mClassName(className), mMenuName(menuName.IsEmpty() ? className : menuName),
      mDocumentType(documentType), mFlags(flags), mModule(module) {
    HoldDuringConstruction();
    ComPtr<IViewClassService> service;
    if (SUCCEEDED(GetRegistryService(kViewClassServiceKind, IID_IViewClassService, service.PutVoid())) &&
        service)
        service->CreateInner(static_cast<IDocViewClass*>(this), IID_IUnknown, mInner.PutVoid());
    EndConstructionHold();
}

OwlDocViewClassBase::~OwlDocViewClassBase() = default;

HRESULT OwlDocViewClassBase::QueryInterface(REFIID iid, void** out) {
    IUnknown* primary = static_cast<IDocViewClass*>(this);
    HRESULT hr = Ovo::QueryInterfaceMap(
        {{IID_ICAFClassObject, primary}, {IID_IViewClass, primary}, {IID_IDocViewClass, primary}}, iid, out);
    if (hr == E_NOINTERFACE && mInner)
        hr = mInner->QueryInterface(iid, out);
    return hr;
}

HRESULT OwlDocViewClassBase::GetTypeGuid(const GUID** type) {
    if (type == nullptr)
        return E_POINTER;
    *type = mDocumentType;
    return S_OK;
}

HRESULT OwlDocViewClassBase::GetNameBSTR(BSTR* name) {
    return (mMenuName.IsEmpty() ? mClassName : mMenuName).PutBSTR(name);
}

HRESULT OwlDocViewClassBase::IsTypeGuid(const GUID* type) {
    if (type == nullptr || mDocumentType == nullptr)
        return S_FALSE;
    return type == mDocumentType || *type == *mDocumentType ? S_OK : S_FALSE;
}

HRESULT OwlDocViewClassBase::GetName(BSTR* name) {
    return mClassName.PutBSTR(name);
}

HRESULT OwlDocViewClassBase::GetResourceModule(HINSTANCE* module) {
    if (module == nullptr)
        return E_POINTER;
    *module = mModule ? mModule->GetHandle() : nullptr;
    return S_OK;
}

HRESULT OwlDocViewClassBase::GetFlags(DWORD* flags) {
    if (flags == nullptr)
        return E_POINTER;
    *flags = mFlags;
    return S_OK;
}

HRESULT OwlDocViewClassBase::AttachHostObject(IUnknown* hostObject) {
    if (hostObject == nullptr)
        return S_OK;
    if (const auto registry = QueryInterfacePtr<IViewRegistry>(hostObject, IID_IViewRegistry))
        registry->AttachViewClass(static_cast<IDocViewClass*>(this));
    if (const auto handler = QueryInterfacePtr<ICAFCommandHandler>(hostObject, IID_ICAFCommandHandler))
        AttachCommandTarget(handler.Get());
    return S_OK;
}

HRESULT OwlDocViewClassBase::Lock() {
    InterlockedIncrement(&mLockCount);
    return S_OK;
}

HRESULT OwlDocViewClassBase::Unlock() {
    InterlockedDecrement(&mLockCount);
    return S_OK;
}

HRESULT OwlDocViewClassBase::GetLockCount(ULONG_PTR, ULONG_PTR, LONG* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = mLockCount;
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
    ComPtr<ICAFCommand> command;
    factory->CreateCommand(space, handler, reinterpret_cast<ULONG_PTR>(static_cast<IDocViewClass*>(this)),
                           command.Put());
    mCommand = std::move(command);
    return S_OK;
}

} // namespace Tarvik

#include "host/framework/ClassRegistry.h"

#include "host/framework/Text.h"

namespace Vantrel {

ClassRegistry::~ClassRegistry() {
    ReleaseClasses();
}

void ClassRegistry::AddService(DWORD kind, IUnknown* service) {
    mServices[kind] = service;
}

ICAFClassObject* ClassRegistry::FindClass(DWORD typeId) const {
    for (const auto& [id, object] : mClasses)
        if (id == typeId)
            return object;
    return nullptr;
}

void ClassRegistry::ReleaseClasses() {
    auto classes = std::move(mClasses);
    mClasses.clear();
    for (auto& entry : classes)
        entry.second->Release();
}

int ClassRegistry::ServiceRequests(DWORD kind) const {
    auto it = mRequests.find(kind);
    return it == mRequests.end() ? 0 : it->second;
}

HRESULT ClassRegistry::GetService(DWORD kind, REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    ++mRequests[kind];
    if (const auto made = mObjectClasses.find(kind); made != mObjectClasses.end()) {
        const ComPtr<IUnknown> object = made->second();
        return object ? object->QueryInterface(iid, out) : E_FAIL;
    }
    if (const auto it = mServices.find(kind); it != mServices.end())
        return it->second->QueryInterface(iid, out);
    // A registered class whose class object is also its object (an event-drawing class).
    if (ICAFClassObject* registered = FindClass(kind))
        return registered->QueryInterface(iid, out);
    return E_NOINTERFACE;
}

HRESULT ClassRegistry::RegisterClassObject(ICAFClassObject* classObject) {
    if (classObject == nullptr)
        return E_POINTER;
    RegisteredClass entry;
    classObject->GetClassId(&entry.typeId);
    BSTR description = nullptr;
    classObject->GetNameBSTR(&description);
    entry.description = TakeBstr(description);
    classObject->GetTypeGuid(&entry.classGuid);
    entry.accepted = !mRefuse;
    mRegistrations.push_back(entry);
    if (mRefuse)
        return E_FAIL;
    classObject->AddRef();
    mClasses.emplace_back(entry.typeId, classObject);
    return S_OK;
}

} // namespace Vantrel

#include "host/framework/ClassRegistry.h"

#include "host/framework/Text.h"

namespace Vantrel {

ClassRegistry::~ClassRegistry() {
    ReleaseClasses();
}

void ClassRegistry::AddService(DWORD kind, IUnknown* service) {
    m_services[kind] = service;
}

ICAFClassObject* ClassRegistry::FindClass(DWORD typeId) const {
    for (const auto& [id, object] : m_classes)
        if (id == typeId)
            return object;
    return nullptr;
}

void ClassRegistry::ReleaseClasses() {
    auto classes = std::move(m_classes);
    m_classes.clear();
    for (auto& entry : classes)
        entry.second->Release();
}

int ClassRegistry::ServiceRequests(DWORD kind) const {
    auto it = m_requests.find(kind);
    return it == m_requests.end() ? 0 : it->second;
}

HRESULT ClassRegistry::GetService(DWORD kind, REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    ++m_requests[kind];
    auto it = m_services.find(kind);
    if (it == m_services.end())
        return E_NOINTERFACE;
    return it->second->QueryInterface(iid, out);
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
    entry.accepted = !m_refuse;
    m_registrations.push_back(entry);
    if (m_refuse)
        return E_FAIL;
    classObject->AddRef();
    m_classes.emplace_back(entry.typeId, classObject);
    return S_OK;
}

} // namespace Vantrel

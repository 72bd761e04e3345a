#include "platform/win32/activation.h"

#include <mutex>
#include <vector>

#include "platform/win32/com_ptr.h"

namespace {

struct Registration {
    DWORD cookie;
    CLSID clsid;
    IUnknown* object;
};

struct ClassTable {
    std::mutex lock;
    std::vector<Registration> entries;
    std::vector<Registration> system; // cookie 0: never revoked
    DWORD nextCookie = 1;
};

ClassTable& Table() {
    static ClassTable table;
    return table;
}

// The registered object with one added reference, or null.
IUnknown* Find(REFCLSID clsid) {
    ClassTable& table = Table();
    std::lock_guard guard(table.lock);
    for (auto it = table.entries.rbegin(); it != table.entries.rend(); ++it) {
        if (it->clsid == clsid) {
            it->object->AddRef();
            return it->object;
        }
    }
    for (const Registration& r : table.system) {
        if (r.clsid == clsid) {
            r.object->AddRef();
            return r.object;
        }
    }
    return nullptr;
}

thread_local int t_oleDepth = 0;
std::mutex gOleLock;
std::optional<HRESULT> gForcedOleResult;

} // namespace

HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, COSERVERINFO*, REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if ((context & (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER)) == 0)
        return REGDB_E_CLASSNOTREG;
    IUnknown* object = Find(clsid);
    if (object == nullptr)
        return REGDB_E_CLASSNOTREG;
    HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (outer != nullptr)
        return CLASS_E_NOAGGREGATION;
    ComPtr<IClassFactory> factory;
    const HRESULT hr = CoGetClassObject(clsid, context, nullptr, IID_IClassFactory, factory.PutVoid());
    if (FAILED(hr))
        return hr;
    return factory->CreateInstance(nullptr, iid, out);
}

HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* object, DWORD, DWORD flags, DWORD* cookie) {
    if (object == nullptr || cookie == nullptr)
        return E_POINTER;
    if (flags != REGCLS_MULTIPLEUSE)
        return E_INVALIDARG;
    ClassTable& table = Table();
    object->AddRef();
    std::lock_guard guard(table.lock);
    *cookie = table.nextCookie++;
    table.entries.push_back({*cookie, clsid, object});
    return S_OK;
}

HRESULT CoRevokeClassObject(DWORD cookie) {
    ClassTable& table = Table();
    IUnknown* object = nullptr;
    {
        std::lock_guard guard(table.lock);
        for (auto it = table.entries.begin(); it != table.entries.end(); ++it) {
            if (it->cookie == cookie) {
                object = it->object;
                table.entries.erase(it);
                break;
            }
        }
    }
    if (object == nullptr)
        return CO_E_OBJNOTREG;
    object->Release();
    return S_OK;
}

HRESULT OleInitialize(LPVOID) {
    HRESULT hr;
    {
        std::lock_guard guard(gOleLock);
        hr = gForcedOleResult.value_or(t_oleDepth == 0 ? S_OK : S_FALSE);
    }
    if (SUCCEEDED(hr))
        ++t_oleDepth;
    return hr;
}

void OleUninitialize() {
    if (t_oleDepth > 0)
        --t_oleDepth;
}

namespace win32 {

void SetOleInitializeResult(std::optional<HRESULT> result) {
    std::lock_guard guard(gOleLock);
    gForcedOleResult = result;
}

int OleInitializeDepth() {
    return t_oleDepth;
}

void InstallSystemClass(REFCLSID clsid, IUnknown* object) {
    if (object == nullptr)
        return;
    ClassTable& table = Table();
    object->AddRef();
    std::lock_guard guard(table.lock);
    table.system.push_back({0, clsid, object});
}

int RegisteredClassObjectCount() {
    ClassTable& table = Table();
    std::lock_guard guard(table.lock);
    return static_cast<int>(table.entries.size());
}

} // namespace win32

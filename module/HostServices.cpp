#include "module/HostServices.h"

#include <atomic>
#include <mutex>

#include "module/FrameworkLoader.h"
#include "module/MessageIds.h"
#include "module/ModuleExit.h"
#include "platform/win32/activation.h"
#include "platform/win32/sync.h"

namespace Tarvik {

namespace {

// One getter's cache and lock. The lock is created on the first fetch and
// deleted, with the cache forgotten, when the module exits.
template <class I> class ServiceCache {
public:
    template <class Fetch> I* Get(Fetch fetch) {
        if (I* cached = mCache.load(std::memory_order_acquire))
            return cached;
        EnsureLock();
        EnterCriticalSection(&mLock);
        I* service = mCache.load(std::memory_order_acquire);
        if (service == nullptr) {
            try {
                service = Fetched(fetch());
            } catch (...) {
                LeaveCriticalSection(&mLock);
                throw;
            }
        }
        LeaveCriticalSection(&mLock);
        return service;
    }

private:
    void EnsureLock() {
        static std::mutex creation;
        std::lock_guard guard(creation);
        if (mCreated)
            return;
        mCreated = true;
        InitializeCriticalSection(&mLock);
        AtModuleExit([this] {
            mCache.store(nullptr);
            DeleteCriticalSection(&mLock);
            mCreated = false;
        });
    }
    // Keeps the fetched pointer without the reference it came with.
    I* Fetched(void* fetched) {
        I* service = static_cast<I*>(fetched);
        if (service != nullptr) {
            service->Release();
            mCache.store(service, std::memory_order_release);
        }
        return service;
    }

    std::atomic<I*> mCache{nullptr};
    CRITICAL_SECTION mLock;
    bool mCreated = false;
};

void* FetchDirect(REFCLSID clsid, REFIID iid) {
    void* out = nullptr;
    if (FAILED(CoGetClassObject(clsid, CLSCTX_ALL, nullptr, iid, &out))) {
        EnsureZarFrameworkLoaded();
        CoGetClassObject(clsid, CLSCTX_ALL, nullptr, iid, &out);
    }
    return out;
}

void* FetchFromRegistry(DWORD kind, REFIID iid) {
    void* out = nullptr;
    if (IClassRegistry* registry = GetClassRegistry())
        registry->GetService(kind, iid, &out);
    return out;
}

template <class I> I* Direct(ServiceCache<I>& cache, REFCLSID clsid, REFIID iid) {
    return cache.Get([&] { return FetchDirect(clsid, iid); });
}

template <class I> I* FromRegistry(ServiceCache<I>& cache, DWORD kind, REFIID iid) {
    return cache.Get([&] { return FetchFromRegistry(kind, iid); });
}

} // namespace

IClassRegistry* GetClassRegistry() {
    static ServiceCache<IClassRegistry> cache;
    return Direct(cache, CLSID_ZARFrameWork, IID_IClassRegistry);
}

IMessageIdService* GetMessageIdService() {
    static ServiceCache<IMessageIdService> cache;
    return Direct(cache, CLSID_ZARFrameWork, IID_IMessageIdService);
}

IMessageFactory* GetMessageFactory() {
    static ServiceCache<IMessageFactory> cache;
    return Direct(cache, CLSID_ZARFrameWork, IID_IMessageFactory);
}

ISubjectService* GetSubjectService() {
    static ServiceCache<ISubjectService> cache;
    return Direct(cache, CLSID_ZARFrameWork, IID_ISubjectService);
}

ISubject* GetObjectRegistryService() {
    static ServiceCache<ISubject> cache;
    return Direct(cache, CLSID_ZARFrameWork, IID_ISubject);
}

IMessageDispatcher* GetMessageDispatcher() {
    static ServiceCache<IMessageDispatcher> cache;
    return Direct(cache, CLSID_ZARFrameWork, IID_IMessageDispatcher);
}

ITestRegistry* GetTestRegistry() {
    static ServiceCache<ITestRegistry> cache;
    return Direct(cache, CLSID_TestRegistry, IID_ITestRegistry);
}

IHostApplication* GetHostApplication() {
    static ServiceCache<IHostApplication> cache;
    return Direct(cache, CLSID_HostApplication, IID_IHostApplication);
}

IUnitService* GetUnitService() {
    static ServiceCache<IUnitService> cache;
    return cache.Get([] {
        WORD space = MessageSpace(kUnitServiceGuid);
        return space == 0 ? nullptr : FetchFromRegistry(MakeMessageId(space, 0), IID_IUnitService);
    });
}

IHostMessageService* GetHostMessageService() {
    static ServiceCache<IHostMessageService> cache;
    return FromRegistry(cache, kHostMessageServiceKind, IID_IHostMessageService);
}

IHostViewService* GetHostViewService() {
    static ServiceCache<IHostViewService> cache;
    return FromRegistry(cache, kHostViewServiceKind, IID_IHostViewService);
}

IHostCommandUIService* GetHostCommandUIService() {
    static ServiceCache<IHostCommandUIService> cache;
    return FromRegistry(cache, kHostCommandUIServiceKind, IID_IHostCommandUIService);
}

ICommandFactory* GetCommandFactory() {
    static ServiceCache<ICommandFactory> cache;
    return FromRegistry(cache, kCommandFactoryKind, IID_ICommandFactory);
}

ISharedHostObject* GetSharedHostObject() {
    static ServiceCache<ISharedHostObject> cache;
    return FromRegistry(cache, kSharedHostObjectKind, IID_ISharedHostObject);
}

IGraphService* GetHostGraphService() {
    static ServiceCache<IGraphService> cache;
    return cache.Get([] {
        WORD space = MessageSpace(kGraphSpaceGuid);
        return space == 0 ? nullptr
                          : FetchFromRegistry(MakeMessageId(space, kGraphServiceNumber), IID_IGraphService);
    });
}

HRESULT GetRegistryService(DWORD kind, REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    IClassRegistry* registry = GetClassRegistry();
    return registry == nullptr ? E_FAIL : registry->GetService(kind, iid, out);
}

} // namespace Tarvik

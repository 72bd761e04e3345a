#pragma once
// The host as a module sees it: the framework, the application object and the
// test registry, registered with COM for the host's life, and the loaded
// module. Shutting down gives the module's objects back before the module is
// unloaded.

#include "host/framework/Framework.h"
#include "host/framework/HostApplication.h"
#include "host/framework/TestRegistry.h"
#include "host/loader/ModuleLoader.h"
#include "host/testbed/TestBed.h"

namespace Vantrel {

class Host {
public:
    // Registers the framework with COM unless told not to (then a module loads
    // it from the framework library itself).
    explicit Host(bool registerFramework = true);
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;
    ~Host();

    Framework& Zar() { return *mFramework.Get(); }
    HostApplication& Application() { return *mApplication.Get(); }
    TestRegistry& Tests() { return *mTests.Get(); }
    // The test documents and the formula calculation the module's self-tests build on.
    TestBed& SelfTestBed() { return mTestBed; }
    ModuleLoader& Module() { return mLoader; }

    // The host without its test registry class (as a host that has none).
    void RevokeTestRegistry();

    HRESULT LoadModule(const std::u16string& path = DefaultModulePath());
    // Releases what the module gave the host, then unloads it.
    void UnloadModule();

private:
    ComPtr<Framework> mFramework = ComPtr<Framework>::Adopt(new Framework);
    TestBed mTestBed{*mFramework.Get()};
    ComPtr<HostApplication> mApplication = ComPtr<HostApplication>::Adopt(new HostApplication);
    ComPtr<TestRegistry> mTests = ComPtr<TestRegistry>::Adopt(new TestRegistry);
    ModuleLoader mLoader;
    DWORD mApplicationCookie = 0;
    DWORD mTestsCookie = 0;
};

} // namespace Vantrel

#include "host/loader/Host.h"

#include "platform/win32/activation.h"

namespace Vantrel {

Host::Host(bool registerFramework) {
    if (registerFramework)
        mFramework->Register();
    CoRegisterClassObject(CLSID_HostApplication, mApplication.Get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                          &mApplicationCookie);
    CoRegisterClassObject(CLSID_TestRegistry, mTests.Get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                          &mTestsCookie);
}

Host::~Host() {
    UnloadModule();
    RevokeTestRegistry();
    CoRevokeClassObject(mApplicationCookie);
    mFramework->Revoke();
}

void Host::RevokeTestRegistry() {
    if (mTestsCookie != 0)
        CoRevokeClassObject(mTestsCookie);
    mTestsCookie = 0;
}

HRESULT Host::LoadModule(const std::u16string& path) {
    return mLoader.Load(path, mApplication.Get());
}

void Host::UnloadModule() {
    mTests->ReleaseTests();
    mFramework->ReleaseModuleObjects();
    mLoader.Unload();
}

} // namespace Vantrel

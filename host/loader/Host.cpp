#include "host/loader/Host.h"

#include "platform/win32/activation.h"

namespace Vantrel {

Host::Host(bool registerFramework) {
    if (registerFramework)
        m_framework->Register();
    CoRegisterClassObject(CLSID_HostApplication, m_application.Get(), CLSCTX_INPROC_SERVER,
                          REGCLS_MULTIPLEUSE, &m_applicationCookie);
    CoRegisterClassObject(CLSID_TestRegistry, m_tests.Get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                          &m_testsCookie);
}

Host::~Host() {
    UnloadModule();
    RevokeTestRegistry();
    CoRevokeClassObject(m_applicationCookie);
    m_framework->Revoke();
}

void Host::RevokeTestRegistry() {
    if (m_testsCookie != 0)
        CoRevokeClassObject(m_testsCookie);
    m_testsCookie = 0;
}

HRESULT Host::LoadModule(const std::u16string& path) {
    return m_loader.Load(path, m_application.Get());
}

void Host::UnloadModule() {
    m_tests->ReleaseTests();
    m_framework->ReleaseModuleObjects();
    m_loader.Unload();
}

} // namespace Vantrel

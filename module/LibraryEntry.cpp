#include "module/LibraryEntry.h"

#include "module/Boundary.h"
#include "module/ModuleStatics.h"
#include "module/ModuleVersion.h"
#include "platform/owl/TModule.h"
#include "platform/win32/modules.h"
#include "platform/win32/resources.h"
#include "resources/ModuleResources.h"

namespace Tarvik {

namespace {

HINSTANCE g_instance = nullptr;
OWL::TModule* g_module = nullptr;

} // namespace

HINSTANCE ModuleInstance() {
    return g_instance;
}

OWL::TModule* ModuleObject() {
    return g_module;
}

BOOL LibraryEntry(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        InitModuleStatics(DefaultRegistrars());
        g_instance = instance;
        g_module = new OWL::TModule(nullptr, instance);
        RegisterModuleResources(instance);
        DisableThreadLibraryCalls(instance);
        GuardBoundary([] {
            ModuleVersionText();
            return S_OK;
        });
    } else if (reason == DLL_PROCESS_DETACH) {
        delete g_module;
        g_module = nullptr;
        if (g_instance != nullptr)
            UnregisterResources(g_instance);
        TeardownModuleStatics();
    }
    return TRUE;
}

} // namespace Tarvik

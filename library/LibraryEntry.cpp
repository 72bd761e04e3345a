#include "library/LibraryEntry.h"

#include "library/DocumentUiInstall.h"
#include "library/ModuleStatics.h"
#include "module/Boundary.h"
#include "module/ModuleInstance.h"
#include "module/ModuleVersion.h"
#include "platform/owl/TModule.h"
#include "platform/win32/modules.h"
#include "platform/win32/resources.h"
#include "resources/ModuleResources.h"

namespace Tarvik {

BOOL LibraryEntry(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        InitModuleStatics(DefaultRegistrars());
        SetModuleInstance(instance);
        SetModuleObject(new OWL::TModule(nullptr, instance));
        RegisterModuleResources(instance);
        InstallDocumentUi();
        DisableThreadLibraryCalls(instance);
        GuardBoundary([] {
            ModuleVersionText();
            return S_OK;
        });
    } else if (reason == DLL_PROCESS_DETACH) {
        delete ModuleObject();
        SetModuleObject(nullptr);
        if (ModuleInstance() != nullptr)
            UnregisterResources(ModuleInstance());
        TeardownModuleStatics();
    }
    return TRUE;
}

} // namespace Tarvik

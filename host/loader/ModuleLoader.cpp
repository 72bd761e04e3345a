#include "host/loader/ModuleLoader.h"

#include "platform/win32/modules.h"

namespace Vantrel {

ModuleLoader::~ModuleLoader() {
    Unload();
}

HRESULT ModuleLoader::Load(const std::u16string& path, IUnknown* host) {
    Unload();
    HMODULE module = LoadLibraryW(path.c_str());
    if (module == nullptr)
        return E_FAIL;
    auto entry = reinterpret_cast<EntryFn>(GetProcAddress(module, "DllMain"));
    auto registration = reinterpret_cast<RegisterFn>(GetProcAddress(module, "DllRegisterClassObjects"));
    if (entry == nullptr || registration == nullptr) {
        FreeLibrary(module);
        return E_FAIL;
    }
    mModule = module;
    mEntry = entry;
    mRegister = registration;
    mAttachResult = mEntry(mModule, DLL_PROCESS_ATTACH, nullptr);
    return Register(host);
}

HRESULT ModuleLoader::Register(IUnknown* host) {
    return mRegister == nullptr ? E_FAIL : mRegister(host);
}

void ModuleLoader::Unload() {
    if (mModule == nullptr)
        return;
    mEntry(mModule, DLL_PROCESS_DETACH, nullptr);
    FreeLibrary(mModule);
    mModule = nullptr;
    mEntry = nullptr;
    mRegister = nullptr;
}

std::u16string DefaultModulePath() {
    return TARVIK_MODULE_PATH;
}

} // namespace Vantrel

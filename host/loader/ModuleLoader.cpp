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
    m_module = module;
    m_entry = entry;
    m_register = registration;
    m_attachResult = m_entry(m_module, DLL_PROCESS_ATTACH, nullptr);
    return Register(host);
}

HRESULT ModuleLoader::Register(IUnknown* host) {
    return m_register == nullptr ? E_FAIL : m_register(host);
}

void ModuleLoader::Unload() {
    if (m_module == nullptr)
        return;
    m_entry(m_module, DLL_PROCESS_DETACH, nullptr);
    FreeLibrary(m_module);
    m_module = nullptr;
    m_entry = nullptr;
    m_register = nullptr;
}

std::u16string DefaultModulePath() {
    return TARVIK_MODULE_PATH;
}

} // namespace Vantrel

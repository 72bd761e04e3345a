#pragma once
// Loads an extension module the way the host does: open the library, call its
// entry with process attach, call DllRegisterClassObjects with the host's
// application interface; on unload, the entry with process detach, then close
// the library.

#include <string>

#include "platform/win32/unknown.h"

namespace Vantrel {

class ModuleLoader {
public:
    ModuleLoader() = default;
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;
    ~ModuleLoader();

    // S_OK when loaded and registered; E_FAIL when the library or one of its
    // exports is missing (nothing stays loaded); otherwise the registration's
    // result (the module stays loaded).
    HRESULT Load(const std::u16string& path, IUnknown* host);
    // Detach and close; nothing when not loaded.
    void Unload();

    bool Loaded() const { return mModule != nullptr; }
    HMODULE Instance() const { return mModule; }
    BOOL AttachResult() const { return mAttachResult; }
    // Calls the module's DllRegisterClassObjects again.
    HRESULT Register(IUnknown* host);

private:
    using EntryFn = BOOL (*)(HINSTANCE, DWORD, LPVOID);
    using RegisterFn = HRESULT (*)(IUnknown*);

    HMODULE mModule = nullptr;
    EntryFn mEntry = nullptr;
    RegisterFn mRegister = nullptr;
    BOOL mAttachResult = FALSE;
};

// Where the built module is (the build's libtarvik.so).
std::u16string DefaultModulePath();

} // namespace Vantrel

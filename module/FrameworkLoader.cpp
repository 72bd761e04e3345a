#include "module/FrameworkLoader.h"

#include <filesystem>

#include "module/ModuleExit.h"
#include "module/XHResult.h"
#include "platform/user/msgbox_api.h"
#include "platform/vantrel/IClassRegistry.h"
#include "platform/win32/activation.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/modules.h"

namespace Tarvik {

namespace {

constexpr DWORD kOleAttempted = 1;
constexpr DWORD kLibraryLoaded = 2;

using DllGetClassObjectFn = HRESULT (*)(REFCLSID, REFIID, void**);

// Process-wide framework-loading state; the flags are not locked: loading runs
// inside the lock of the getter that found the framework missing.
struct LoaderState {
    DWORD flags = 0;
    HMODULE* holder = nullptr; // the framework library, in a heap cell
    DWORD cookie = 0;          // of the framework's class object
};

LoaderState gState;

void UnloadFramework() {
    if (gState.cookie != 0)
        CoRevokeClassObject(gState.cookie);
    gState.cookie = 0;
    if (gState.holder != nullptr) {
        FreeLibrary(*gState.holder);
        delete gState.holder;
        gState.holder = nullptr;
    }
}

[[noreturn]] void FailLoad(const std::u16string& path) {
    std::u16string text = (u"Strev failed to load " + path).substr(0, 511);
    MessageBoxW(nullptr, text.c_str(), u"Strev load failed", MB_OK);
    ExitProcess(static_cast<UINT>(-1));
    throw XHResult(E_FAIL); // not reached: ExitProcess ends the process
}

HMODULE* LoadFrameworkLibrary() {
    gState.holder = nullptr;
    gState.cookie = 0;
    std::u16string path = FrameworkLibraryPath();
    gState.holder = new HMODULE(LoadLibraryW(path.c_str()));
    auto entry = reinterpret_cast<DllGetClassObjectFn>(GetProcAddress(*gState.holder, "DllGetClassObject"));
    if (entry == nullptr)
        FailLoad(path);
    ComPtr<IUnknown> object;
    HRESULT hr = entry(CLSID_ZARFrameWork, IID_IUnknown, object.PutVoid());
    if (FAILED(hr) || !object)
        throw XHResult(FAILED(hr) ? hr : E_POINTER);
    hr = CoRegisterClassObject(CLSID_ZARFrameWork, object.Get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                               &gState.cookie);
    if (FAILED(hr))
        throw XHResult(hr);
    return gState.holder;
}

} // namespace

std::u16string FrameworkLibraryPath() {
    WCHAR buffer[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    std::filesystem::path path{std::u16string(buffer)};
    path.replace_filename(std::filesystem::path(std::u16string(kZarFrameworkLibrary)));
    return path.lexically_normal().u16string();
}

void EnsureZarFrameworkLoaded() {
    ComPtr<IUnknown> probe;
    if (SUCCEEDED(CoGetClassObject(CLSID_ZARFrameWork, CLSCTX_ALL, nullptr, IID_IUnknown, probe.PutVoid())))
        return;
    if (gState.flags == 0)
        AtModuleExit([] { gState.flags = 0; });
    if ((gState.flags & kOleAttempted) == 0) {
        gState.flags |= kOleAttempted;
        // S_FALSE (already initialised on this thread) is a success like S_OK,
        // and like it must be balanced.
        HRESULT hr = OleInitialize(nullptr);
        if (FAILED(hr))
            throw XOvo(hr);
        AtModuleExit(OleUninitialize);
    }
    if ((gState.flags & kLibraryLoaded) == 0) {
        gState.flags |= kLibraryLoaded;
        AtModuleExit(UnloadFramework);
        LoadFrameworkLibrary();
    }
}

} // namespace Tarvik

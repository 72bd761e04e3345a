#include "platform/shell/ShellLink.h"

#include <sys/stat.h>

#include <atomic>
#include <fstream>
#include <string>

#include "platform/win32/activation.h"
#include "platform/win32/utf.h"

namespace {

std::string Narrow(LPCWSTR text) {
    return text ? win32::Utf16ToUtf8(text) : std::string();
}

class ShellLink final : public IShellLinkW, public IPersistFile {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IShellLinkW)
            *out = static_cast<IShellLinkW*>(this);
        else if (iid == IID_IPersistFile || iid == IID_IPersist)
            *out = static_cast<IPersistFile*>(this);
        else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++mRefs; }
    ULONG Release() override {
        const ULONG left = --mRefs;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT GetPath(LPWSTR path, int size, WIN32_FIND_DATAW*, DWORD) override {
        if (path == nullptr || size <= 0)
            return E_INVALIDARG;
        const std::u16string target = win32::Utf8ToUtf16(mTarget);
        const std::size_t n = std::min(target.size(), static_cast<std::size_t>(size - 1));
        target.copy(path, n);
        path[n] = u'\0';
        return target.empty() ? S_FALSE : S_OK;
    }
    HRESULT Resolve(HWND, DWORD) override {
        if (!mLoaded)
            return E_UNEXPECTED;
        struct stat status {};
        return !mTarget.empty() && stat(mTarget.c_str(), &status) == 0 ? S_OK : HRESULT_FILE_NOT_FOUND;
    }
    HRESULT SetPath(LPCWSTR path) override {
        mTarget = Narrow(path);
        mLoaded = true;
        return S_OK;
    }

    HRESULT GetClassID(CLSID* clsid) override {
        if (clsid == nullptr)
            return E_POINTER;
        *clsid = CLSID_ShellLink;
        return S_OK;
    }
    HRESULT Load(LPCWSTR fileName, DWORD) override {
        std::ifstream file(Narrow(fileName));
        std::string line;
        if (!file || !std::getline(file, line))
            return STG_E_FILENOTFOUND;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        mTarget = line;
        mLoaded = true;
        return S_OK;
    }

private:
    ~ShellLink() = default;

    std::atomic<ULONG> mRefs{1};
    std::string mTarget;
    bool mLoaded = false;
};

class ShellLinkClass final : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr)
            return E_POINTER;
        *out = (iid == IID_IUnknown || iid == IID_IClassFactory) ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    // A static object: counting changes nothing.
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (out == nullptr)
            return E_POINTER;
        *out = nullptr;
        if (outer != nullptr)
            return CLASS_E_NOAGGREGATION;
        auto* link = new ShellLink;
        const HRESULT hr = static_cast<IShellLinkW*>(link)->QueryInterface(iid, out);
        static_cast<IShellLinkW*>(link)->Release();
        return hr;
    }
    HRESULT LockServer(BOOL) override { return S_OK; }
};

// Installed when the library is loaded, as the shell's classes are on a machine.
const bool gInstalled = [] {
    static ShellLinkClass shellLinkClass;
    win32::InstallSystemClass(CLSID_ShellLink, &shellLinkClass);
    return true;
}();

} // namespace

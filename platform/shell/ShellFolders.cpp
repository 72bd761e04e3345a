#include <map>
#include <mutex>
#include <variant>

#include "platform/shell/shlobj.h"
#include "platform/win32/modules.h"

namespace {

struct Folders {
    std::mutex lock;
    std::map<int, std::variant<std::u16string, HRESULT>> entries;
};

Folders& Table() {
    static Folders folders;
    return folders;
}

int Key(int csidl) {
    return csidl & ~CSIDL_FLAG_MASK;
}

} // namespace

HRESULT SHGetFolderPathW(HWND, int csidl, HANDLE, DWORD, LPWSTR path) {
    if (path == nullptr)
        return E_INVALIDARG;
    path[0] = u'\0';
    Folders& folders = Table();
    std::lock_guard guard(folders.lock);
    const auto it = folders.entries.find(Key(csidl));
    if (it == folders.entries.end())
        return E_FAIL;
    if (const HRESULT* failure = std::get_if<HRESULT>(&it->second))
        return *failure;
    const std::u16string& folder = std::get<std::u16string>(it->second);
    if (folder.size() >= MAX_PATH)
        return E_INVALIDARG;
    folder.copy(path, folder.size());
    path[folder.size()] = u'\0';
    return S_OK;
}

namespace shell {

void SetFolderPath(int csidl, std::u16string path) {
    Folders& folders = Table();
    std::lock_guard guard(folders.lock);
    folders.entries[Key(csidl)] = std::move(path);
}

void SetFolderFailure(int csidl, HRESULT hr) {
    Folders& folders = Table();
    std::lock_guard guard(folders.lock);
    folders.entries[Key(csidl)] = hr;
}

void ResetFolders() {
    Folders& folders = Table();
    std::lock_guard guard(folders.lock);
    folders.entries.clear();
}

} // namespace shell

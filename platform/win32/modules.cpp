#include "platform/win32/modules.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>

#include "platform/win32/text.h"

namespace {

struct ProcessState {
    std::mutex lock;
    std::u16string executablePath;
    struct Library {
        std::u16string path; // the path it was opened by
        int loads = 0;
    };
    std::map<void*, Library> libraries;
    std::set<void*> noThreadCalls;
    std::function<void(UINT)> exitHook;
};

ProcessState& State() {
    static ProcessState state;
    return state;
}

std::u16string RealExecutablePath() {
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return std::filesystem::path(std::string(buffer, static_cast<std::size_t>(n))).u16string();
}

std::u16string ExecutablePath() {
    ProcessState& state = State();
    std::lock_guard guard(state.lock);
    if (state.executablePath.empty())
        state.executablePath = RealExecutablePath();
    return state.executablePath;
}

std::size_t FolderEnd(std::u16string_view path) {
    std::size_t slash = path.find_last_of(u"/\\");
    return slash == std::u16string_view::npos ? 0 : slash + 1;
}

void* Open(const std::u16string& path) {
    return dlopen(std::filesystem::path(path).c_str(), RTLD_NOW | RTLD_LOCAL);
}

} // namespace

HMODULE LoadLibraryW(LPCWSTR fileName) {
    if (fileName == nullptr)
        return nullptr;
    std::u16string name = win32::SharedObjectName(fileName);
    void* handle = nullptr;
    std::u16string opened = name;
    if (FolderEnd(name) == 0) {
        std::u16string exe = ExecutablePath();
        opened = exe.substr(0, FolderEnd(exe)) + name;
        handle = Open(opened);
    }
    if (handle == nullptr) {
        opened = name;
        handle = Open(opened);
    }
    if (handle == nullptr)
        return nullptr;
    ProcessState& state = State();
    std::lock_guard guard(state.lock);
    ProcessState::Library& library = state.libraries[handle];
    library.path = opened;
    ++library.loads;
    return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
    if (module == nullptr || name == nullptr)
        return nullptr;
    return reinterpret_cast<FARPROC>(dlsym(module, name));
}

BOOL FreeLibrary(HMODULE module) {
    ProcessState& state = State();
    {
        std::lock_guard guard(state.lock);
        auto it = state.libraries.find(module);
        if (it == state.libraries.end())
            return FALSE;
        if (--it->second.loads == 0)
            state.libraries.erase(it);
    }
    return dlclose(module) == 0 ? TRUE : FALSE;
}

DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size) {
    std::u16string path;
    if (module == nullptr) {
        path = ExecutablePath();
    } else {
        ProcessState& state = State();
        std::lock_guard guard(state.lock);
        auto it = state.libraries.find(module);
        if (it == state.libraries.end())
            return 0;
        path = it->second.path;
    }
    if (buffer == nullptr || size == 0)
        return 0;
    const std::size_t n = win32::CopyTruncated(path, buffer, size);
    return n < path.size() ? size : static_cast<DWORD>(n);
}

BOOL DisableThreadLibraryCalls(HMODULE module) {
    ProcessState& state = State();
    std::lock_guard guard(state.lock);
    state.noThreadCalls.insert(module);
    return TRUE;
}

void ExitProcess(UINT exitCode) {
    std::function<void(UINT)> hook;
    {
        ProcessState& state = State();
        std::lock_guard guard(state.lock);
        hook = state.exitHook;
    }
    if (hook)
        hook(exitCode);
    std::exit(static_cast<int>(exitCode));
}

namespace win32 {

void SetExecutablePath(std::u16string path) {
    ProcessState& state = State();
    std::lock_guard guard(state.lock);
    state.executablePath = std::move(path);
}

std::u16string SharedObjectName(std::u16string_view libraryName) {
    std::size_t folder = FolderEnd(libraryName);
    std::u16string_view file = libraryName.substr(folder);
    std::size_t dot = file.find_last_of(u'.');
    if (dot == std::u16string_view::npos || file.size() - dot != 4)
        return std::u16string(libraryName);
    if (!SameIgnoringCase(file.substr(dot), u".dll"))
        return std::u16string(libraryName);
    std::u16string result(libraryName.substr(0, folder));
    result += u"lib";
    for (char16_t c : file.substr(0, dot))
        result += AsciiLower(c);
    result += u".so";
    return result;
}

bool ThreadLibraryCallsDisabled(HMODULE module) {
    ProcessState& state = State();
    std::lock_guard guard(state.lock);
    return state.noThreadCalls.count(module) != 0;
}

void SetExitHook(std::function<void(UINT)> hook) {
    ProcessState& state = State();
    std::lock_guard guard(state.lock);
    state.exitHook = std::move(hook);
}

} // namespace win32

DWORD GetCurrentProcessId() {
    return static_cast<DWORD>(getpid());
}

DWORD GetCurrentThreadId() {
    return 1;
}

namespace {
thread_local DWORD lastError = 0;
}

DWORD GetLastError() {
    return lastError;
}

void SetLastError(DWORD error) {
    lastError = error;
}

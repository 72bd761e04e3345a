#include "platform/win32/process.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "platform/win32/modules.h"
#include "platform/win32/utf.h"

namespace {

struct ProcessHandle {
    DWORD pid;
    DWORD access;
};

struct HandleTable {
    std::mutex lock;
    std::map<std::uintptr_t, ProcessHandle> open;
    std::uintptr_t next = 0x1004; // multiples of 4, as the system's handles are
};

HandleTable& Handles() {
    static HandleTable table;
    return table;
}

bool Alive(DWORD pid) {
    return pid != 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// The executable of a running process; empty when it has ended or hides it.
std::string ImagePath(DWORD pid) {
    const std::string link = "/proc/" + std::to_string(pid) + "/exe";
    std::string path(4096, '\0');
    const ssize_t n = readlink(link.c_str(), path.data(), path.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= path.size())
        return {};
    path.resize(static_cast<std::size_t>(n));
    return path;
}

} // namespace

HANDLE OpenProcess(DWORD access, BOOL, DWORD pid) {
    if (!Alive(pid)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HandleTable& table = Handles();
    std::lock_guard guard(table.lock);
    const std::uintptr_t value = table.next;
    table.next += 4;
    table.open.emplace(value, ProcessHandle{pid, access});
    return reinterpret_cast<HANDLE>(value);
}

DWORD GetProcessImageFileNameW(HANDLE process, LPWSTR buffer, DWORD size) {
    ProcessHandle handle{};
    {
        HandleTable& table = Handles();
        std::lock_guard guard(table.lock);
        const auto it = table.open.find(reinterpret_cast<std::uintptr_t>(process));
        if (it == table.open.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return 0;
        }
        handle = it->second;
    }
    if ((handle.access & (PROCESS_QUERY_INFORMATION | PROCESS_QUERY_LIMITED_INFORMATION)) == 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return 0;
    }
    const std::string image = ImagePath(handle.pid);
    if (image.empty()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    const std::u16string path = win32::Utf8ToUtf16(image);
    if (buffer == nullptr || path.size() >= size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    path.copy(buffer, path.size());
    buffer[path.size()] = u'\0';
    return static_cast<DWORD>(path.size());
}

BOOL CloseHandle(HANDLE handle) {
    HandleTable& table = Handles();
    std::lock_guard guard(table.lock);
    if (table.open.erase(reinterpret_cast<std::uintptr_t>(handle)) == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

namespace win32 {

int OpenHandleCount() {
    HandleTable& table = Handles();
    std::lock_guard guard(table.lock);
    return static_cast<int>(table.open.size());
}

} // namespace win32

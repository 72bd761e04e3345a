#pragma once
// Other processes of the machine, as far as a program may look at them: a
// handle to a live process and the path of its executable image. Processes
// are the machine's real ones (Linux process ids); the image path is the real
// file, not a device path, so its last element is the executable's name.

#include "platform/win32/types.h"

inline constexpr DWORD PROCESS_VM_READ = 0x0010;
inline constexpr DWORD PROCESS_QUERY_INFORMATION = 0x0400;
inline constexpr DWORD PROCESS_QUERY_LIMITED_INFORMATION = 0x1000;

inline constexpr DWORD ERROR_ACCESS_DENIED = 5;
inline constexpr DWORD ERROR_INVALID_HANDLE = 6;
inline constexpr DWORD ERROR_INVALID_PARAMETER = 87;
inline constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;

// A handle to the live process pid with the access asked; null (last error
// ERROR_INVALID_PARAMETER) when there is no such process. The handle is closed
// with CloseHandle.
HANDLE OpenProcess(DWORD access, BOOL inherit, DWORD pid);
// The full path of the process's executable, with its terminator; the number
// of characters written without it. 0 when the handle lacks query access
// (ERROR_ACCESS_DENIED), the process has ended (ERROR_INVALID_HANDLE) or the
// path does not fit (ERROR_INSUFFICIENT_BUFFER).
DWORD GetProcessImageFileNameW(HANDLE process, LPWSTR buffer, DWORD size);
// FALSE (ERROR_INVALID_HANDLE) for a handle that is not open.
BOOL CloseHandle(HANDLE handle);

namespace win32 {
// Handles opened and not yet closed.
int OpenHandleCount();
} // namespace win32

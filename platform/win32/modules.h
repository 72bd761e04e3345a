#pragma once
// Libraries and the process: LoadLibraryW over dlopen, the executable's path,
// thread notifications and the end of the process.
//
// Library names. The module is written against Windows library names; a name
// whose extension is ".dll" (any case) names the shared object "lib" + the
// lower-cased file name without extension + ".so" in the same folder, so
// "C:/Apps/Zar.dll" opens "C:/Apps/libzar.so" and "Tarvik.dll" opens
// "libtarvik.so". Any other name is used as it stands. A name without a folder
// is looked for beside the executable first, then along the loader's path.
//
// LoadLibraryW does not call a library's entry: the host's loader calls it
// (the entry's exported name is "DllMain").

#include <functional>
#include <string>
#include <string_view>

#include "platform/win32/types.h"

using FARPROC = void (*)();

inline constexpr DWORD DLL_PROCESS_DETACH = 0;
inline constexpr DWORD DLL_PROCESS_ATTACH = 1;
inline constexpr DWORD DLL_THREAD_ATTACH = 2;
inline constexpr DWORD DLL_THREAD_DETACH = 3;

inline constexpr DWORD MAX_PATH = 260;

// Null when the library cannot be opened.
HMODULE LoadLibraryW(LPCWSTR fileName);
// Null when the library has no such export.
FARPROC GetProcAddress(HMODULE module, LPCSTR name);
// Drops one load of the library; FALSE for a handle LoadLibraryW did not give.
BOOL FreeLibrary(HMODULE module);
// The path of the executable (null module) or of a loaded library, copied into
// buffer with its terminator. When it does not fit, size - 1 units and a
// terminator are written and size is returned; 0 for an unknown module.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size);
// Recorded: the library asks not to be told of threads.
BOOL DisableThreadLibraryCalls(HMODULE module);
// Ends the process with the exit code, through the exit hook when one is set.
void ExitProcess(UINT exitCode);
DWORD GetCurrentProcessId();
// The calling thread's last error code, as failing platform calls leave it.
DWORD GetLastError();
void SetLastError(DWORD error);
// The one user-interface thread's id (every window belongs to it).
DWORD GetCurrentThreadId();

namespace win32 {

// The path GetModuleFileNameW answers for the executable; empty restores the
// real executable's path.
void SetExecutablePath(std::u16string path);
// The shared object a library name opens (see above), before any search.
std::u16string SharedObjectName(std::u16string_view libraryName);
bool ThreadLibraryCallsDisabled(HMODULE module);
// Called by ExitProcess in place of ending the process; a hook that returns
// lets ExitProcess end the process after all.
void SetExitHook(std::function<void(UINT)> hook);

} // namespace win32

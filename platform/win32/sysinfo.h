#pragma once
// System and operating-system version information.
//
// GetSystemInfo describes a fixed machine: an x86 processor, 4 KiB pages and a
// 64 KiB allocation granularity. GetVersionExW answers from a process-wide
// version record that tests replace with SetOsVersion (Windows NT 6.1 by
// default); it accepts the 276-byte OSVERSIONINFOW and the 284-byte
// OSVERSIONINFOEXW, filling the extended fields only for the latter.

#include <string>

#include "platform/win32/types.h"

struct SYSTEM_INFO {
    WORD wProcessorArchitecture;
    WORD wReserved;
    DWORD dwPageSize;
    LPVOID lpMinimumApplicationAddress;
    LPVOID lpMaximumApplicationAddress;
    DWORD_PTR dwActiveProcessorMask;
    DWORD dwNumberOfProcessors;
    DWORD dwProcessorType;
    DWORD dwAllocationGranularity;
    WORD wProcessorLevel;
    WORD wProcessorRevision;
};

struct OSVERSIONINFOW {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    WCHAR szCSDVersion[128];
};
static_assert(sizeof(OSVERSIONINFOW) == 276);

// The extended record: the short record followed by the service-pack and
// product fields.
struct OSVERSIONINFOEXW : OSVERSIONINFOW {
    WORD wServicePackMajor;
    WORD wServicePackMinor;
    WORD wSuiteMask;
    BYTE wProductType;
    BYTE wReserved;
};
static_assert(sizeof(OSVERSIONINFOEXW) == 284);

inline constexpr DWORD VER_PLATFORM_WIN32_NT = 2;
inline constexpr WORD PROCESSOR_ARCHITECTURE_INTEL = 0;

struct OsVersion {
    DWORD major = 6;
    DWORD minor = 1;
    DWORD build = 7601;
    DWORD platformId = VER_PLATFORM_WIN32_NT;
    std::u16string servicePack = u"Service Pack 1";
    WORD servicePackMajor = 1;
    bool fails = false; // GetVersionExW returns FALSE and writes nothing
};

const OsVersion& GetOsVersion();
void SetOsVersion(const OsVersion& version);

void GetSystemInfo(SYSTEM_INFO* info);
// Takes an OSVERSIONINFOW or OSVERSIONINFOEXW, told apart by its size field.
BOOL GetVersionExW(OSVERSIONINFOW* info);

// Memory of a 32-bit process: dwLength must be sizeof(MEMORYSTATUSEX).
struct MEMORYSTATUSEX {
    DWORD dwLength;
    DWORD dwMemoryLoad;
    ULONGLONG ullTotalPhys;
    ULONGLONG ullAvailPhys;
    ULONGLONG ullTotalPageFile;
    ULONGLONG ullAvailPageFile;
    ULONGLONG ullTotalVirtual;
    ULONGLONG ullAvailVirtual;
    ULONGLONG ullAvailExtendedVirtual;
};
static_assert(sizeof(MEMORYSTATUSEX) == 64);

// The process's pseudo-handle.
HANDLE GetCurrentProcess();
// Answers the status the switches set; FALSE with ERROR_INVALID_PARAMETER for
// a wrong dwLength, or with the switched error.
BOOL GlobalMemoryStatusEx(MEMORYSTATUSEX* status);
// Recorded; (-1, -1) asks to trim the working set. FALSE with the switched error.
BOOL SetProcessWorkingSetSize(HANDLE process, SIZE_T minimum, SIZE_T maximum);

namespace win32 {

// What the memory calls answer. An error of 0 lets the call succeed.
struct MemorySwitches {
    ULONGLONG totalVirtual = 0x7FFE0000ull; // a 32-bit process's 2 GB
    ULONGLONG availVirtual = 0x60000000ull;
    ULONGLONG totalPhys = 0x200000000ull;
    ULONGLONG availPhys = 0x100000000ull;
    DWORD statusError = 0;
    DWORD workingSetError = 0;
    int workingSetTrims = 0; // SetProcessWorkingSetSize (-1, -1) calls so far
};
MemorySwitches& CurrentMemorySwitches();
void ResetMemorySwitches();

} // namespace win32

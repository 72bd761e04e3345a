#include "platform/win32/sysinfo.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/win32/modules.h"

namespace {

OsVersion& Current() {
    static OsVersion version;
    return version;
}

} // namespace

const OsVersion& GetOsVersion() {
    return Current();
}

void SetOsVersion(const OsVersion& version) {
    Current() = version;
}

void GetSystemInfo(SYSTEM_INFO* info) {
    *info = SYSTEM_INFO{};
    info->wProcessorArchitecture = PROCESSOR_ARCHITECTURE_INTEL;
    info->dwPageSize = 4096;
    info->lpMinimumApplicationAddress = reinterpret_cast<LPVOID>(std::uintptr_t{0x10000});
    info->lpMaximumApplicationAddress = reinterpret_cast<LPVOID>(std::uintptr_t{0x7FFEFFFF});
    info->dwActiveProcessorMask = 1;
    info->dwNumberOfProcessors = 1;
    info->dwProcessorType = 586;
    info->dwAllocationGranularity = 65536;
    info->wProcessorLevel = 6;
}

BOOL GetVersionExW(OSVERSIONINFOW* info) {
    const OsVersion& v = Current();
    if (info == nullptr || v.fails ||
        (info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOW) &&
         info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOEXW)))
        return FALSE;
    info->dwMajorVersion = v.major;
    info->dwMinorVersion = v.minor;
    info->dwBuildNumber = v.build;
    info->dwPlatformId = v.platformId;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    std::copy_n(v.servicePack.begin(), std::min<std::size_t>(v.servicePack.size(), 127), info->szCSDVersion);
    if (info->dwOSVersionInfoSize == sizeof(OSVERSIONINFOEXW)) {
        auto* ex = static_cast<OSVERSIONINFOEXW*>(info);
        ex->wServicePackMajor = v.servicePackMajor;
        ex->wServicePackMinor = 0;
        ex->wSuiteMask = 0;
        ex->wProductType = 1;
        ex->wReserved = 0;
    }
    return TRUE;
}

namespace win32 {

MemorySwitches& CurrentMemorySwitches() {
    static MemorySwitches switches;
    return switches;
}

void ResetMemorySwitches() {
    CurrentMemorySwitches() = MemorySwitches{};
}

} // namespace win32

HANDLE GetCurrentProcess() {
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));
}

BOOL GlobalMemoryStatusEx(MEMORYSTATUSEX* status) {
    constexpr DWORD kInvalidParameter = 87;
    const win32::MemorySwitches& m = win32::CurrentMemorySwitches();
    if (status == nullptr || status->dwLength != sizeof(MEMORYSTATUSEX)) {
        SetLastError(kInvalidParameter);
        return FALSE;
    }
    if (m.statusError != 0) {
        SetLastError(m.statusError);
        return FALSE;
    }
    status->dwMemoryLoad = m.totalPhys ? static_cast<DWORD>(100 - m.availPhys * 100 / m.totalPhys) : 0;
    status->ullTotalPhys = m.totalPhys;
    status->ullAvailPhys = m.availPhys;
    status->ullTotalPageFile = m.totalPhys * 2;
    status->ullAvailPageFile = m.availPhys * 2;
    status->ullTotalVirtual = m.totalVirtual;
    status->ullAvailVirtual = m.availVirtual;
    status->ullAvailExtendedVirtual = 0;
    return TRUE;
}

BOOL SetProcessWorkingSetSize(HANDLE, SIZE_T minimum, SIZE_T maximum) {
    win32::MemorySwitches& m = win32::CurrentMemorySwitches();
    if (m.workingSetError != 0) {
        SetLastError(m.workingSetError);
        return FALSE;
    }
    if (minimum == static_cast<SIZE_T>(-1) && maximum == static_cast<SIZE_T>(-1))
        ++m.workingSetTrims;
    return TRUE;
}

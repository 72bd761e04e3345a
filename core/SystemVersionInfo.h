#pragma once
// The processor and operating-system version record, filled once.

#include "platform/win32/sysinfo.h"

namespace Ovo {

struct SystemVersionInfo {
    SYSTEM_INFO system;
    // Filled through the 276-byte OSVERSIONINFOW form: the extended fields stay 0,
    // and a failing query leaves everything but the size field 0.
    OSVERSIONINFOEXW version;
    // The negated allocation granularity: rounds an address down to an
    // allocation boundary.
    DWORD allocationMask;
};

const SystemVersionInfo& GetSystemVersionInfo();

} // namespace Ovo

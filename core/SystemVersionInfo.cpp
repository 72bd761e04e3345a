#include "core/SystemVersionInfo.h"

namespace Ovo {

namespace {

SystemVersionInfo Query() {
    SystemVersionInfo info{};
    GetSystemInfo(&info.system);
    info.version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
    GetVersionExW(&info.version);
    info.allocationMask = 0u - info.system.dwAllocationGranularity;
    return info;
}

} // namespace

const SystemVersionInfo& GetSystemVersionInfo() {
    static const SystemVersionInfo info = Query();
    return info;
}

} // namespace Ovo

#pragma once
// The module's resources: its string table and its version information.

#include <span>

#include "platform/win32/resources.h"
#include "platform/win32/version.h"

namespace Tarvik {

std::span<const StringResource> ModuleStringTable();
VersionInfo ModuleVersionInfo();
// Registers the string table and the version resource for the module instance.
void RegisterModuleResources(HMODULE instance);

} // namespace Tarvik

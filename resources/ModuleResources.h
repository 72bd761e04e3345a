#pragma once
// The module's resources: its string table, its version information, its
// pictures (ModuleImages.h) and its dialog templates (ModuleDialogs.h).

#include <span>

#include "platform/win32/resources.h"
#include "platform/win32/version.h"

namespace Tarvik {

std::span<const StringResource> ModuleStringTable();
VersionInfo ModuleVersionInfo();
// Registers the string table, the version resource, the pictures and the
// dialog templates for the module instance.
void RegisterModuleResources(HMODULE instance);

} // namespace Tarvik

#pragma once
// The host application's string table, which belongs to its executable: it is
// registered for the null module handle.

#include <span>

#include "platform/win32/resources.h"

namespace Vantrel {

std::span<const StringResource> HostStringTable();
void RegisterHostResources();

} // namespace Vantrel

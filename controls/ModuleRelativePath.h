#pragma once
// Paths beside the host's executable.

#include "core/String.h"

namespace Tarvik {

// The drive and folder of the host's executable joined with relativeName;
// empty when the result would not fit a path of 260 characters.
Ovo::String GetModuleRelativePath(const Ovo::String& relativeName);

} // namespace Tarvik

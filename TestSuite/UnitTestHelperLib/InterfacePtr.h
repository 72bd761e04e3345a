#pragma once
// The test routines hold interfaces through the module's owning pointer.

#include "core/InterfacePtr.h"

namespace ExtLib {

using Ovo::InterfacePtr;

} // namespace ExtLib

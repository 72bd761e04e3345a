#pragma once
// Narrow text in the process's 8-bit code page as a module string.

#include "core/String.h"

namespace Tarvik {

// A null text gives the empty string.
Ovo::String AnsiToWide(const char* text);

} // namespace Tarvik

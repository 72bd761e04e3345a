#pragma once
// Texts that cross from the module: BSTRs and string interfaces.

#include <string>

#include "core/IAutoOvoString.h"

namespace Vantrel {

// The BSTR's text; frees it.
std::u16string TakeBstr(BSTR text);
// The text of a string interface (null gives the empty text).
std::u16string ReadString(IAutoOvoString* text);
// As ReadString, then releases the interface.
std::u16string TakeString(IAutoOvoString* text);
// A new host string with one reference, handed to the module.
IAutoOvoString* MakeString(std::u16string_view text);

} // namespace Vantrel

#pragma once
// The host's text is std::u16string. Texts that cross from and to the module: BSTRs and string
// interfaces; UTF-8 for the host's own input and output.

#include <optional>
#include <string>
#include <string_view>

#include "platform/vantrel/IAutoOvoString.h"
#include "platform/win32/utf.h"

namespace Vantrel {

// The BSTR's text; frees it.
std::u16string TakeBstr(BSTR text);
// The text of a string interface (null gives the empty text).
std::u16string ReadString(IAutoOvoString* text);
// As ReadString, then releases the interface.
std::u16string TakeString(IAutoOvoString* text);
// A new host string with one reference, handed to the module.
IAutoOvoString* MakeString(std::u16string_view text);
// A new BSTR holding the text.
BSTR MakeBstr(std::u16string_view text);
// String id of a module's string table; nullopt when the module has none or it is empty.
std::optional<std::u16string> ModuleString(HMODULE module, UINT id);

using win32::Utf16ToUtf8;
using win32::Utf8ToUtf16;

} // namespace Vantrel

#pragma once
// The host's text is std::u16string. Texts that cross from and to the module: BSTRs and string
// interfaces; UTF-8 for the host's own input and output.

#include <string>
#include <string_view>

#include "platform/vantrel/IAutoOvoString.h"

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

// UTF-8 and UTF-16 both ways; ill-formed input (invalid UTF-8, unpaired surrogates) gives U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

} // namespace Vantrel

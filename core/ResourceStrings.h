#pragma once
// Resource strings: entries of a module's string table loaded into Ovo::String,
// in the running application's language when the table has it, else in any.

#include <optional>

#include "core/String.h"
#include "platform/win32/resources.h"

namespace Ovo {

// The language of the current application, or none when the window framework
// has no application (then only the any-language lookup runs).
void SetApplicationLanguage(std::optional<LANGID> language);
std::optional<LANGID> ApplicationLanguage();

// Entry id & 15 of a loaded string block: a pointer to its 16-bit length,
// followed by the units. Null when the block is missing or the entry would
// run past its end.
const WCHAR* FindResourceStringInBlock(UINT id, HMODULE module, HRSRC block);

// The entry's text; empty when it is missing or empty.
String LoadStringResource(UINT id, HMODULE module);

// The text of entry id of the module's table (a null module: the host
// executable's). Id 0, a missing or an empty entry give the empty string. With
// substitute set, the host's placeholder words are replaced by its names.
void LoadResString(String& out, HMODULE module, UINT id, bool substitute);

} // namespace Ovo

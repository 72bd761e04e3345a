#pragma once

#include "host/frontend/LoopTable.h"
#include "host/recording/ChannelInfo.h"
#include "platform/win32/types.h"

#include <functional>
#include <optional>
#include <string>

namespace Vantrel {

/// A text of the module's string table by id, UTF-8; none when the table has no such entry.
using ModuleTextLookup = std::function<std::optional<std::string>(UINT id)>;

/// The entry of a loaded module's string table (its RT_STRING resources, any language).
std::optional<std::string> moduleString(HMODULE module, UINT id);

/// A loop parameter (id 1 to 29) as the module names it: its abbreviation, the module's text of
/// the parameter's string id (the usual abbreviation when the module has none), and its unit,
/// composed from the pressure (P) and volume (V) channel units as "P*V", "V/min", "P/V", "P*V/s",
/// "P/s", "V/s", "P", "V" (none when a channel unit it needs is empty), or "bpm", "%", "ms", none.
/// Throws std::out_of_range for another id.
NamedColumn loopParameterColumn(int id, const ChannelInfo& pressure, const ChannelInfo& volume,
                                const ModuleTextLookup& text);

} // namespace Vantrel

#pragma once
// The names and units of the loop parameters (LoopParamId), as tables and
// plots show them.

#include <cstdint>

#include "core/String.h"
#include "core/Unit.h"
#include "platform/win32/types.h"

namespace Tarvik {

// The abbreviation ("SW") or, with longName, the long name ("Stroke Work") of id from module's
// string table; each text is loaded once. An id outside 1 to 29 gives "Bogus".
Ovo::String GetLoopParamName(HMODULE module, std::int32_t id, bool longName);

// The unit of id from the units of the pressure and the volume channel: a plain pressure or volume
// keeps its unit, composed units join the texts ("mmHg*ml", "ml/min", "mmHg/s") with no prefix of
// their own; HR "bpm", EF "%", Tau "ms", CE none. An id outside 1 to 29 gives an empty text with
// the volume's prefix.
Ovo::Unit GetLoopParamUnitText(std::int32_t id, const Ovo::Unit& pressure, const Ovo::Unit& volume);

} // namespace Tarvik

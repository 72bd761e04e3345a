#pragma once
// The classes that draw the module's events on the host's traces: their id
// space and their numbers in it (views/TEventDrawClass.h makes them).

#include "platform/win32/guid.h"
#include "platform/win32/types.h"

namespace Tarvik {

inline constexpr GUID TarvikEventDrawGUID = MakeGuid("{0D0E1186-D51E-4BDF-9E09-43D2B88CFC45}");
inline constexpr WORD kLoopEventDrawClass = 0;
inline constexpr WORD kEdpEventDrawClass = 1;

} // namespace Tarvik

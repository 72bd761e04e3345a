#pragma once
// The module's seven calculation classes, in the order their class objects are
// constructed and linked into the module's class-object list: "TarvikAnalyzer",
// "PVEcgEdpDet", "PVEdpDet", "PVMaxDet", "Tarvik Parameter Selector",
// "Tarvik PVA Parameter Selector", "PvaCalc". (The list, walked from its head,
// meets them in the reverse order.)

#include <array>

#include "platform/vantrel/ICalcEnumClass2.h"

namespace CalcEnums {

const std::array<ICalcEnumClass2*, 7>& CalcClassObjects();

} // namespace CalcEnums

#pragma once
// The units a conductance or volume calibration may be given in, in the order
// of their choice lists. Built once, on first use.

#include <vector>

#include "core/Unit.h"

namespace Ovo {

// {"S", milli} (millisiemens), then {"RVU", no prefix}; the first is the default.
const std::vector<Unit>& GetConductanceUnitChoices();
// {"L", micro sign}, then {"L", milli}.
const std::vector<Unit>& GetVolumeUnitChoices();

// The lists copied into out, which is cleared first.
void GetConductanceUnitChoices(std::vector<Unit>& out);
void GetVolumeUnitChoices(std::vector<Unit>& out);

// The index of the first choice equal to unit (same base text and the same
// prefix character: "u" does not match the micro sign), or -1.
int FindConductanceUnitIndex(const Unit& unit);
int FindVolumeUnitIndex(const Unit& unit);

} // namespace Ovo

#pragma once
// What the three two-point calibration steps share: two points, each a recorded
// value (in the channel's own unit) and a known value, and the checks made on
// them. Values not entered hold the empty value; text an edit field could not
// read holds the not-a-number value (core/NumericHelpers.h).

#include "workflow/StepMessage.h"

namespace Tarvik {

struct TwoPointValues {
    double recorded1;
    double known1;
    double recorded2;
    double known2;
};

// String ids of a step's messages.
struct TwoPointTexts {
    UINT notANumberCaption;
    UINT recordedNotANumber; // with %1 = "first" or "second"
    UINT knownNotANumber;    // with %1 = "first" or "second"
    UINT recordedEqual;
    UINT knownEqual;
    UINT setupIncomplete;
    UINT fillIn;
};

// The first failing test: a recorded value that is no number (first, then second), a known value
// that is no number, equal recorded values, equal known values (ApproxEqual). Empty values pass.
StepMessage ValidateTwoPoint(const TwoPointValues& values, const TwoPointTexts& texts);

// setupIncomplete: the workflow is in use and the set-up step has a message. Then: any value
// missing, applied (complete), or ready but not applied (a silent message).
StepMessage CheckTwoPoint(const TwoPointValues& values, bool applied, bool setupIncomplete,
                          const TwoPointTexts& texts);

// The text of string id with %1 replaced by argument.
Ovo::String FormatModuleString(UINT id, const Ovo::String& argument);

} // namespace Tarvik

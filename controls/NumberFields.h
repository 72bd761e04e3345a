#pragma once
// Numbers in edit fields (core/NumberText.h has the text rules).

#include "platform/user/handles.h"

// The empty value (its exact bit pattern) empties the field; any other NaN,
// the not-a-number value among them, leaves the field's text as the user
// typed it; every other value, infinities too, shows FormatDoubleForDisplay.
void SetWindowTextFromDouble(HWND window, double value);

#pragma once
// Quiet text for an edit control: once installed, setting the edit's text
// (WM_SETTEXT) sends no EN_CHANGE to its parent; what the user types still
// does. The edit's previous window procedure comes back when it is destroyed.

#include "platform/user/handles.h"

// Subclasses the edit; false when it is not a window.
bool InstallQuietText(HWND edit);

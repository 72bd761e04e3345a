#pragma once
// The catheter system's control program ("CVX.exe"): found on the machine,
// brought to the front when it runs, started when it does not. Used by the
// calibration steps (whose launch controls are enabled only when it is
// installed) and by the automation command that opens it.
//
// Where it is looked for, in order: the Program Files folder's
// "Corvane Instruments\CVX Station\CVX Station Control Interface\CVX.exe";
// the shortcut "CVX Station Control Interface.lnk" anywhere below the user's
// Start-menu programs; the same below the all-users Start-menu programs. A
// found path is kept for the life of the process; a search that finds nothing
// keeps nothing, so the next call searches again. No operation reports to the
// user or throws.

#include "core/String.h"
#include "platform/user/handles.h"

namespace Tarvik {

// True when the program's path is known and the file system has something at it.
bool IsControlSoftwareInstalled();
// Brings a running instance forward (restored, then foreground) or starts the
// program in its own folder; false when it was not found.
bool OpenControlSoftware();
// The kept path, or the result of a new search; empty when nothing was found.
Ovo::String GetControlSoftwarePath();
// The first top-level window of a "CVX.exe" process whose title holds "cvx"
// (both ignoring case); null when there is none.
HWND FindControlSoftwareWindow();

// Forgets the kept path, as a new process starts (tests).
void ForgetControlSoftwarePath();

} // namespace Tarvik

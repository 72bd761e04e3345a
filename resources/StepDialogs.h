#pragma once
// The templates of the workflow's step dialogs: child dialogs 160 dialog
// units wide without a caption, registered as the module's RT_DIALOG
// resources 124 (set-up), 135 (pressure), 136 (conductance), 137 (sampling),
// 138 (cuvette), 139 (analyse), 140 (saline), 141 (alpha) and 142 (volume),
// with the modal bolus edit dialog 143 and the results copy dialog 121.

#include <vector>

#include "platform/win32/resources.h"
#include "platform/win32/types.h"

namespace Tarvik {

std::vector<BYTE> StepDialogTemplate(WORD id);
void RegisterStepDialogs(HMODULE instance);

} // namespace Tarvik

#pragma once
// The templates of the module's dialogs, registered as its RT_DIALOG resources:
// 134 the set-up dialog ("Tarvik Settings ") and 123 the workflow-mode dialog.
// They hold the controls that carry the set-up model's fields and the buttons.

#include <vector>

#include "platform/win32/types.h"

namespace Tarvik {

inline constexpr WORD kSetupDialogTemplate = 134;
inline constexpr WORD kWorkflowModeDialogTemplate = 123;

std::vector<BYTE> SetupDialogTemplate();
std::vector<BYTE> WorkflowModeDialogTemplate();
// Registers both for the module instance.
void RegisterModuleDialogs(HMODULE instance);

} // namespace Tarvik

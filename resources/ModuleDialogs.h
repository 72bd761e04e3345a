#pragma once
// The module's dialog templates, registered as its RT_DIALOG resources:
// 134 the set-up dialog ("Tarvik Settings "), 123 the workflow-mode dialog,
// 1004 the table's significant-figures dialog and "INVALIDSETTINGSDLG" the
// settings-warning dialog.

#include <vector>

#include "platform/win32/resources.h"
#include "platform/win32/types.h"

namespace Tarvik {

inline constexpr WORD kSetupDialogTemplate = 134;
inline constexpr WORD kWorkflowModeDialogTemplate = 123;
inline constexpr WORD kSigFigDialog = 1004;
inline constexpr const char16_t* kInvalidSettingsDialog = u"INVALIDSETTINGSDLG";
// The haemodynamics table's options ("Tarvik Hemodynamics Options").
inline constexpr WORD kHemoTableOptionsDialog = 118;

std::vector<BYTE> SetupDialogTemplate();
std::vector<BYTE> WorkflowModeDialogTemplate();
// Registers them all for the module instance.
void RegisterModuleDialogs(HMODULE instance);

} // namespace Tarvik

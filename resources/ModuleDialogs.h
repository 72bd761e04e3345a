#pragma once
// The module's dialog templates (RT_DIALOG): the table's significant-figures
// dialog (1004) and the settings-warning dialog ("INVALIDSETTINGSDLG").

#include "platform/win32/resources.h"

namespace Tarvik {

inline constexpr WORD kSigFigDialog = 1004;
inline constexpr const char16_t* kInvalidSettingsDialog = u"INVALIDSETTINGSDLG";

// Registers the templates for the module instance, in US English.
void RegisterModuleDialogs(HMODULE instance);

} // namespace Tarvik

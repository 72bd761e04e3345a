#pragma once
// Opening and closing a theme for a control that draws plainly when it has
// none: a theme library that cannot be bound counts as no theme.

#include "platform/theme/uxtheme.h"
#include "platform/win32/sysinfo.h"

// Windows NT of version 5.1 or major version 6 or more.
bool PlatformThemes();
bool PlatformThemes(const OSVERSIONINFOW& version);
// The theme, or null (no such class, themes off, or no library).
HTHEME TryOpenTheme(HWND window, LPCWSTR classList);
// Closes an open theme and clears the handle; failures are not reported.
void CloseTheme(HTHEME& theme);

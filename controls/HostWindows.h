#pragma once
// What the host application shows for the module, and the channel titles of
// a host document.

#include <map>

#include "core/String.h"
#include "platform/user/handles.h"
#include "platform/win32/unknown.h"

// The host application's message box, task-modal with the error icon
// (MB_TASKMODAL | MB_ICONERROR), and the button pressed; 1 (as if OK) without
// a host application.
int ShowHostErrorBox(HWND owner, LPCWSTR text, LPCWSTR caption, DWORD helpContext);

// Channel index to title, for indices 0 to n - 1 with n the document's channel
// count but at least 1; a title the document cannot give is empty.
std::map<int, Ovo::String> BuildChannelTitleMap(IUnknown* hostDocument);

#pragma once
// Thin wrappers through which a document reaches the host's command, menu and
// view services. Each clears its out pointer first and answers the service's
// result, or E_NOINTERFACE when the service cannot be had. Texts go to the host
// as the string objects of Ovo::String.

#include "core/String.h"
#include "platform/vantrel/CommandService.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

// The top-level menu (kind 56) named path, with its key word.
HRESULT AddHostTopMenu(const Ovo::String& path, const Ovo::String& key);
// A menu entry (kind 2): the text of string textId of module; a keyed entry also has its key word (null
// for none), a PNG image of the module and the host's flags. A path ending "|-" is a separator, one
// ending "|" a submenu; both have command id 0.
HRESULT AddHostMenuEntry(ICAFCommand* command, HINSTANCE module, const Ovo::String& path, DWORD commandId,
                         UINT textId, const Ovo::String* key, WORD imageId, WORD flags);
// The menu item of a command id; null when the host has none.
ComPtr<ICommandState> FindHostCommandItem(DWORD commandId);
// Tells the command service that command states changed (its subject interface, 0x80090000).
HRESULT NotifyHostCommandStatesChanged();

HRESULT OpenHostView(DWORD viewKind, IUnknown** view);
HRESULT OpenHostViewOfClass(ULONG_PTR value1, ULONG_PTR value2, DWORD word, IUnknown** view);
HRESULT HostViewServiceCall14(ULONG_PTR value1, ULONG_PTR value2, ULONG_PTR value3, IUnknown** object);

} // namespace Tarvik

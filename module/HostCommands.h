#pragma once
// Thin wrappers through which a document reaches the host's command, menu and
// view services. Each clears its out pointer first and answers the service's
// result, or E_NOINTERFACE when the service cannot be had. Texts go to the host
// as the string objects of Ovo::String.

#include "core/String.h"
#include "platform/vantrel/CommandService.h"

namespace Tarvik {

// A command with the two 16-bit flag words (high, low) and three further texts.
HRESULT AddHostCommand(ICAFCommand* owner, const Ovo::String& name, const Ovo::String& description,
                       const Ovo::String& label, WORD flagsHigh, WORD flagsLow, const Ovo::String& text1,
                       const Ovo::String& text2, const Ovo::String& text3, IUnknown** item);
HRESULT AddHostTopMenu(const Ovo::String& key, const Ovo::String& name, IUnknown** item);
HRESULT AddHostMenuCommand(ICAFCommand* command, HINSTANCE module, UINT textId, const Ovo::String& path,
                           IUnknown** item);
HRESULT AddHostMenuCommandWithKey(ICAFCommand* command, HINSTANCE module, UINT textId,
                                  const Ovo::String& path, DWORD word, const Ovo::String& key,
                                  const Ovo::String& text, DWORD kind, IUnknown** item);
// The module's extension menu: the text of string 2010.
HRESULT AddHostExtensionMenu(HINSTANCE module, const Ovo::String& path, IUnknown** item);
// "-" is a separator; any other text a plain entry.
HRESULT AddHostMenuSeparator(const Ovo::String& text, IUnknown** item);
// Tells the command service that command states changed.
HRESULT RemoveHostMenuCommands();

HRESULT OpenHostView(DWORD viewKind, IUnknown** view);
HRESULT OpenHostViewOfClass(ULONG_PTR value1, ULONG_PTR value2, DWORD word, IUnknown** view);
HRESULT HostViewServiceCall14(ULONG_PTR value1, ULONG_PTR value2, ULONG_PTR value3, IUnknown** object);

} // namespace Tarvik

#pragma once
// The module's two entry points, as the host's loader calls them: the library
// entry (process attach builds the module's statics, registers its resources,
// turns off thread notifications and gives the host the version text; detach
// undoes it in reverse) and the registration of every class object with the
// host.

#include "platform/win32/unknown.h"

namespace Tarvik {

// Always TRUE. Attach sets the module instance and object (module/ModuleInstance.h).
BOOL LibraryEntry(HINSTANCE instance, DWORD reason, LPVOID reserved);

// Registers, in this order: the class-object list (newest first), the document
// class, the nine view classes, the two event-drawing classes, the automation
// message classes (newest first), then hands the five self-tests to the test
// registry. E_FAIL for a null host; E_NOINTERFACE when one of the host's
// registries cannot be had (what could be registered is); otherwise S_OK,
// whatever the registries answered.
HRESULT RegisterClassObjects(IUnknown* host);

} // namespace Tarvik

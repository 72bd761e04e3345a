#pragma once
// The instance the library was attached with and the window framework's module
// object made for it. The library entry sets both; everything else only reads.

#include "core/String.h"
#include "platform/win32/unknown.h"

namespace OWL {
class TModule;
}

namespace Tarvik {

// The instance the module was attached with (null before).
HINSTANCE ModuleInstance();
// The window framework's module object of the library, made on attach and
// deleted on detach; the module's windows, dialogs and resources go through it.
OWL::TModule* ModuleObject();

// The text of entry id of the module's string table (empty when missing).
Ovo::String LoadModuleString(UINT id);

void SetModuleInstance(HINSTANCE instance);
// The caller keeps ownership of the module object.
void SetModuleObject(OWL::TModule* module);

} // namespace Tarvik

#pragma once
// Loading the host's application framework when COM does not know it: the
// module initialises OLE once, opens "Zar.dll" from the folder of the host's
// executable, registers the framework's class object with COM, and at module
// exit revokes it and frees the library.

#include <string>

#include "platform/win32/types.h"

namespace Tarvik {

// Returns when the framework is registered with COM (also after loading it).
// Throws XOvo when OLE cannot be initialised and XHResult when the library's
// class object cannot be had or registered; a library that is missing or has
// no "DllGetClassObject" ends the process after a message box.
void EnsureZarFrameworkLoaded();

// The path the framework library is looked for at.
std::u16string FrameworkLibraryPath();

} // namespace Tarvik

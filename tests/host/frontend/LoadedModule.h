#pragma once

#include "host/frontend/ModuleHost.h"

namespace Vantrel::Testing {

/// The analysis module, loaded once for the whole test program as the host loads it: a process
/// loads the library once, and its class objects register themselves once.
inline ModuleHost& loadedModule() {
    static ModuleHost host;
    return host;
}

} // namespace Vantrel::Testing

#pragma once
// The module's string table registered for a module handle of the test's own, so that module code
// linked into a test loads its texts as it does from the library.

#include "resources/ModuleResources.h"

namespace TarvikTest {

inline HMODULE StringTableModule() {
    static const HMODULE module = [] {
        static int instance;
        const HMODULE handle = reinterpret_cast<HMODULE>(&instance);
        Tarvik::RegisterModuleResources(handle);
        return handle;
    }();
    return module;
}

} // namespace TarvikTest

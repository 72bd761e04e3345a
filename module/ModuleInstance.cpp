#include "module/ModuleInstance.h"

namespace Tarvik {

namespace {

HINSTANCE gInstance = nullptr;
OWL::TModule* gModule = nullptr;

} // namespace

HINSTANCE ModuleInstance() {
    return gInstance;
}

OWL::TModule* ModuleObject() {
    return gModule;
}

void SetModuleInstance(HINSTANCE instance) {
    gInstance = instance;
}

void SetModuleObject(OWL::TModule* module) {
    gModule = module;
}

} // namespace Tarvik

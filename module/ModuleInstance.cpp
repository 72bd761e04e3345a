#include "module/ModuleInstance.h"

namespace Tarvik {

namespace {

HINSTANCE g_instance = nullptr;
OWL::TModule* g_module = nullptr;

} // namespace

HINSTANCE ModuleInstance() {
    return g_instance;
}

OWL::TModule* ModuleObject() {
    return g_module;
}

void SetModuleInstance(HINSTANCE instance) {
    g_instance = instance;
}

void SetModuleObject(OWL::TModule* module) {
    g_module = module;
}

} // namespace Tarvik

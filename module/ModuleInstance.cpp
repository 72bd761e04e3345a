#include "module/ModuleInstance.h"

#include "core/ResourceStrings.h"

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

Ovo::String LoadModuleString(UINT id) {
    Ovo::String text;
    Ovo::LoadResString(text, gInstance, id, false);
    return text;
}

void SetModuleInstance(HINSTANCE instance) {
    gInstance = instance;
}

void SetModuleObject(OWL::TModule* module) {
    gModule = module;
}

} // namespace Tarvik

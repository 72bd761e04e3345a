#include "host/frontend/ModuleHost.h"

#include <stdexcept>

namespace Vantrel {

ModuleHost::ModuleHost() {
    throw std::runtime_error("the analysis module (libtarvik.so) is not part of this build");
}

ModuleHost::~ModuleHost() = default;

LoopParameterNamer ModuleHost::parameterNamer() const {
    return {};
}

} // namespace Vantrel

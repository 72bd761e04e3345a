#pragma once

#include "host/engine/ComPtr.h"
#include "host/frontend/EngineLoopAnalyzer.h"
#include "platform/vantrel/ICalcService.h"

namespace Vantrel {

/// The analysis module as the host runs it: loaded for the life of the object, with the
/// calculation classes it registered, looked up by the names formulas use.
class ModuleHost {
public:
    /// Throws std::runtime_error when the module cannot be loaded.
    ModuleHost();
    ModuleHost(const ModuleHost&) = delete;
    ModuleHost& operator=(const ModuleHost&) = delete;
    ~ModuleHost();

    ComPtr<ICalcService> calcClasses() const { return mClasses; }
    /// Names and units of the loop parameters, as the module's texts give them.
    LoopParameterNamer parameterNamer() const;

private:
    ComPtr<ICalcService> mClasses;
};

} // namespace Vantrel

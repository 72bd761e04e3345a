#pragma once

#include "host/engine/ComPtr.h"
#include "host/frontend/EngineLoopAnalyzer.h"
#include "platform/vantrel/ICalcService.h"
#include "platform/win32/types.h"

namespace Vantrel {

/// The analysis module as the host runs it: present for the life of the object, with the
/// calculation classes it registers, looked up by the names formulas use, and its resources.
class ModuleHost {
public:
    /// Throws std::runtime_error when the module cannot be had.
    ModuleHost();
    ModuleHost(const ModuleHost&) = delete;
    ModuleHost& operator=(const ModuleHost&) = delete;
    ~ModuleHost();

    ComPtr<ICalcService> calcClasses() const { return mClasses; }
    /// Names and units of the loop parameters, the names from the module's string table.
    LoopParameterNamer parameterNamer() const;

private:
    ComPtr<ICalcService> mClasses;
    HMODULE mInstance = nullptr;
};

} // namespace Vantrel

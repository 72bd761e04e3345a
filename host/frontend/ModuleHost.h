#pragma once

#include "host/engine/CalcClassCatalog.h"
#include "host/frontend/LoopAnalyzer.h"
#include "platform/vantrel/DocumentClass.h"
#include "platform/vantrel/ICalcService.h"
#include "platform/win32/com_ptr.h"

#include <memory>
#include <string_view>

struct IDocViewClass;

namespace Vantrel {

class Framework;
class Host;
class HostApplication;

/// The analysis module loaded as the host loads it (Host::LoadModule: the library, its entry,
/// DllRegisterClassObjects with the host), for the life of the object, with the calculation
/// classes it registered, looked up by the names formulas use.
class ModuleHost {
public:
    /// Throws std::runtime_error when the module cannot be loaded or registers no loop analyser or no
    /// document class.
    ModuleHost();
    ModuleHost(const ModuleHost&) = delete;
    ModuleHost& operator=(const ModuleHost&) = delete;
    /// Unloads the module; nothing it handed out may be held any more.
    ~ModuleHost();

    ComPtr<ICalcService> calcClasses() const { return ComPtr<ICalcService>(mClasses.Get()); }
    /// The same classes, with how often each was run.
    const CalcClassCatalog& catalog() const { return *mClasses.Get(); }
    /// The class of the module's document, which the host opens in a recording document.
    ComPtr<ICustomDocClass> documentClass() const { return mDocumentClass; }
    /// A view class the module registered, by its name; null when it has none of that name.
    ComPtr<IDocViewClass> viewClass(std::u16string_view name) const;
    Framework& framework();
    HostApplication& application();
    /// Names and units of the loop parameters, the names from the module's string table.
    LoopParameterNamer parameterNamer() const;

private:
    std::unique_ptr<Host> mHost;
    ComPtr<CalcClassCatalog> mClasses;
    ComPtr<ICustomDocClass> mDocumentClass;
};

} // namespace Vantrel

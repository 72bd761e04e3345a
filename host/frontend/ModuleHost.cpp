#include "host/frontend/ModuleHost.h"

#include "analysis/CalcEnumClasses.h"
#include "host/engine/CalcClassCatalog.h"
#include "host/frontend/LoopParameterNames.h"
#include "platform/win32/resources.h"
#include "resources/ModuleResources.h"

namespace Vantrel {

namespace {

// The instance handle the linked-in module's resources are registered under.
int moduleImage;

} // namespace

// The module is linked in: its calculation classes come from its class-object list and its
// resources are registered as its library entry registers them, until the loader hands the host
// the class objects and the instance of the loaded library.
ModuleHost::ModuleHost() : mInstance(reinterpret_cast<HMODULE>(&moduleImage)) {
    Tarvik::RegisterModuleResources(mInstance);
    auto catalog = ComPtr<CalcClassCatalog>::adopt(new CalcClassCatalog);
    for (ICalcEnumClass2* calcClass : CalcEnums::CalcClassObjects())
        catalog->add(calcClass);
    mClasses = ComPtr<ICalcService>(catalog.get());
}

ModuleHost::~ModuleHost() {
    UnregisterResources(mInstance);
}

LoopParameterNamer ModuleHost::parameterNamer() const {
    const HMODULE instance = mInstance;
    return [instance](int id, const ChannelInfo& pressure, const ChannelInfo& volume) {
        return loopParameterColumn(id, pressure, volume,
                                   [instance](UINT text) { return moduleString(instance, text); });
    };
}

} // namespace Vantrel

#include "host/frontend/ModuleHost.h"

#include "analysis/CalcEnumClasses.h"
#include "host/engine/CalcClassCatalog.h"
#include "host/frontend/LoopParameterNames.h"

namespace Vantrel {

// The module's calculation classes come from its class-object list, linked in, until the loader
// hands the host the class objects the loaded module registers.
ModuleHost::ModuleHost() {
    auto catalog = ComPtr<CalcClassCatalog>::adopt(new CalcClassCatalog);
    for (ICalcEnumClass2* calcClass : CalcEnums::CalcClassObjects())
        catalog->add(calcClass);
    mClasses = ComPtr<ICalcService>(catalog.get());
}

ModuleHost::~ModuleHost() = default;

LoopParameterNamer ModuleHost::parameterNamer() const {
    return [](int id, const ChannelInfo& pressure, const ChannelInfo& volume) {
        return loopParameterColumn(id, pressure, volume, {});
    };
}

} // namespace Vantrel

#include "library/ModuleStatics.h"

#include "module/MessageIds.h"
#include "module/ModuleExit.h"

namespace Tarvik {

namespace {

bool gBuilt = false;

} // namespace

ModuleStatics& Statics() {
    static ModuleStatics statics;
    return statics;
}

bool ModuleStaticsBuilt() {
    return gBuilt;
}

void InitModuleStatics(const ModuleRegistrars& registrars) {
    if (gBuilt)
        return;
    gBuilt = true;
    ModuleStatics& statics = Statics();
    if (registrars.channelCalculation)
        registrars.channelCalculation(statics.classObjects);
    statics.automation = std::make_unique<Ovo::AutomationMessageClasses>(statics.messageClasses);
    if (registrars.calculationClasses)
        registrars.calculationClasses(statics.classObjects);
}

void TeardownModuleStatics() {
    RunModuleExitList();
    ModuleStatics& statics = Statics();
    statics.messageClasses.Clear();
    statics.automation.reset();
    statics.classObjects.Clear();
    ResetMessageIds();
    gBuilt = false;
}

} // namespace Tarvik

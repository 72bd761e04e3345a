#pragma once
// The module's static data, built by one function in one fixed order when the
// library is attached and torn down in the reverse order when it is detached
// (in place of static constructors, whose order across files is not fixed).
//
// Order of building: the channel-calculation class object (pushed on the
// class-object list); the 26 automation message classes (pushed on the message
// class list); the calculation classes (pushed on the class-object list in
// their fixed order). Lists hold their nodes newest first.
//
// Teardown: the module's exit-time list (service locks, the framework library,
// OLE), then the message classes and lists, then the cached message ids.

#include <functional>
#include <memory>

#include "module/AutomationMessageClasses.h"
#include "module/ClassObjectList.h"

namespace Tarvik {

// How other subsystems put their class objects on the list: each pushes its
// nodes with ClassObjectList::PushFront, in its own fixed order.
struct ModuleRegistrars {
    std::function<void(ClassObjectList&)> channelCalculation;
    std::function<void(ClassObjectList&)> calculationClasses;
};

// The registrars of the module's subsystems (library/ClassObjectRegistrars.cpp).
ModuleRegistrars DefaultRegistrars();

struct ModuleStatics {
    ClassObjectList classObjects;
    Ovo::MessageClassList messageClasses;
    std::unique_ptr<Ovo::AutomationMessageClasses> automation;
};

// Builds the statics; a second call without teardown does nothing.
void InitModuleStatics(const ModuleRegistrars& registrars);
// Also forgets what the module fetched from the host when the statics were
// never built.
void TeardownModuleStatics();
bool ModuleStaticsBuilt();
// The statics (built or not: an unbuilt module has empty lists).
ModuleStatics& Statics();

} // namespace Tarvik

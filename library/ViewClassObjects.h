#pragma once
// The class objects of the module's nine views and two event-drawing classes,
// in the order they are registered with the host.

#include <vector>

#include "views/OwlDocViewClassBase.h"
#include "views/TEventDrawClass.h"

namespace Tarvik {

// New class objects without a reference, over the library's window-framework module.
std::vector<ICAFClassObject*> MakeViewClassObjects();

} // namespace Tarvik

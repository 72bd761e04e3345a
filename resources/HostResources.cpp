#include "resources/HostResources.h"

namespace Vantrel {

void RegisterHostResources() {
    RegisterStringTable(nullptr, HostStringTable());
}

} // namespace Vantrel

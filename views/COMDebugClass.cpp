#include "views/COMDebugClass.h"

#include "module/HostServices.h"

namespace Tarvik {

RegisteredDebugPart::RegisteredDebugPart(IUnknown* owner) : mPart(owner) {
    if (ISubject* objects = GetObjectRegistryService())
        mRegistered = SUCCEEDED(
            objects->Notify(kObjectRegistryAdd, reinterpret_cast<ULONG_PTR>(static_cast<IObjInfo*>(&mPart))));
}

RegisteredDebugPart::~RegisteredDebugPart() {
    if (!mRegistered)
        return;
    if (ISubject* objects = GetObjectRegistryService())
        objects->Notify(kObjectRegistryRemove, reinterpret_cast<ULONG_PTR>(static_cast<IObjInfo*>(&mPart)));
}

} // namespace Tarvik

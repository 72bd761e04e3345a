#include "host/engine/VirtualChannelObject.h"

#include "host/framework/UnitConversion.h"

namespace Vantrel {

VirtualChannelObject::VirtualChannelObject(LONG channel, std::function<void(LONG)> drop)
    : mChannel(channel), mDrop(std::move(drop)) {}

HRESULT VirtualChannelObject::GetUnit(IUnknown** unit) {
    if (!unit)
        return E_POINTER;
    if (mUnit) {
        *unit = mUnit.Get();
        mUnit->AddRef();
        return S_OK;
    }
    *unit = static_cast<IUnitConversion*>(UnitConversion::fromText("").Detach());
    return S_OK;
}

HRESULT VirtualChannelObject::GetFlags(DWORD* flags) {
    if (!flags)
        return E_POINTER;
    *flags = kCalcFlagsComputed;
    return S_OK;
}

HRESULT VirtualChannelObject::DropData() {
    if (mDrop)
        mDrop(mChannel);
    return S_OK;
}

void* VirtualChannelObject::find(REFIID iid) {
    if (iid == IID_IChannelInfo)
        return static_cast<IChannelInfo*>(this);
    if (iid == IID_IChannelDataReset)
        return static_cast<IChannelDataReset*>(this);
    if (iid == IID_IChannelCalcFlags)
        return static_cast<IChannelCalcFlags*>(this);
    return nullptr;
}

} // namespace Vantrel

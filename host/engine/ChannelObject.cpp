#include "host/engine/ChannelObject.h"

namespace Vantrel {

ChannelObject::ChannelObject(const Recording& recording, std::size_t channel)
    : mRecording(recording), mChannel(channel) {}

void* ChannelObject::find(REFIID iid) {
    if (iid == IID_IChannelInfo)
        return static_cast<IChannelInfo*>(this);
    if (iid == IID_IChannelDataReset)
        return static_cast<IChannelDataReset*>(this);
    return nullptr;
}

HRESULT ChannelObject::GetUnit(IUnknown** unit) {
    if (!unit)
        return E_POINTER;
    *unit = nullptr;
    const std::string& text = mRecording.channels()[mChannel].unit;
    if (text.empty())
        return S_FALSE;
    if (!mConversion)
        mConversion = UnitConversion::fromText(text);
    *unit = static_cast<IUnitConversion*>(ComPtr<UnitConversion>(mConversion).Detach());
    return S_OK;
}

HRESULT ChannelObject::DropData() {
    ++mDrops;
    return S_OK;
}

} // namespace Vantrel

#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/IChannelLookup.h"

#include <functional>

namespace Vantrel {

/// A virtual channel as the host's channel object: its events carry no unit (an empty unit text
/// without prefix), and dropping its data makes its owner compute them again when they are next read.
class VirtualChannelObject : public ComObject<IChannelInfo, IChannelDataReset> {
public:
    VirtualChannelObject(LONG channel, std::function<void(LONG)> drop);

    LONG channel() const { return mChannel; }
    /// Forgets the owner; DropData then does nothing.
    void detach() { mDrop = nullptr; }

    HRESULT GetUnit(IUnknown** unit) override;
    HRESULT DropData() override;

private:
    void* find(REFIID iid) override;

    LONG mChannel;
    std::function<void(LONG)> mDrop;
};

} // namespace Vantrel

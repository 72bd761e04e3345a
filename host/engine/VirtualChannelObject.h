#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/IChannelLookup.h"
#include "platform/win32/com_ptr.h"

#include <functional>

namespace Vantrel {

/// A virtual channel as the host's channel object: its values carry no unit (an empty unit text
/// without prefix) until one is given to it, and dropping its data makes its owner compute them
/// again when they are next read. It is computed by a calculation (IChannelCalcFlags,
/// kCalcFlagsComputed): a new unit reaches it by a unit-change message.
class VirtualChannelObject : public ComObject<IChannelInfo, IChannelDataReset, IChannelCalcFlags> {
public:
    VirtualChannelObject(LONG channel, std::function<void(LONG)> drop);

    LONG channel() const { return mChannel; }
    /// Forgets the owner; DropData then does nothing.
    void detach() { mDrop = nullptr; }
    /// The unit conversion the channel shows from now on; null: none.
    void setUnit(ComPtr<IUnknown> unit) { mUnit = std::move(unit); }

    static constexpr DWORD kCalcFlagsComputed = 0x40000000;

    HRESULT GetUnit(IUnknown** unit) override;
    HRESULT DropData() override;
    HRESULT GetFlags(DWORD* flags) override;

private:
    void* find(REFIID iid) override;

    LONG mChannel;
    std::function<void(LONG)> mDrop;
    ComPtr<IUnknown> mUnit;
};

} // namespace Vantrel

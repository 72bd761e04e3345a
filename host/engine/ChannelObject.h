#pragma once

#include "host/engine/ComObject.h"
#include "host/framework/UnitConversion.h"
#include "host/recording/Recording.h"
#include "platform/vantrel/IChannelLookup.h"

namespace Vantrel {

/// A channel of a recording as the host's channel object: its unit conversion (IChannelInfo; the
/// recording's unit text as raw unit, unscaled, one object for the channel's life) and the drop of
/// computed data (IChannelDataReset), which a recorded channel does not have. The recording must
/// outlive it.
class ChannelObject : public ComObject<IChannelInfo, IChannelDataReset> {
public:
    ChannelObject(const Recording& recording, std::size_t channel);

    std::size_t channel() const { return mChannel; }
    /// How often DropData was called.
    int drops() const { return mDrops; }

    HRESULT GetUnit(IUnknown** unit) override;
    HRESULT DropData() override;

private:
    void* find(REFIID iid) override;

    const Recording& mRecording;
    std::size_t mChannel;
    int mDrops = 0;
    ComPtr<UnitConversion> mConversion;
};

} // namespace Vantrel

#pragma once

#include "host/engine/ComObject.h"
#include "host/framework/UnitConversion.h"
#include "host/recording/Recording.h"
#include "platform/vantrel/IChannelLookup.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace Vantrel {

/// A channel of a recording as the host's channel object: its unit conversion (IChannelInfo; the
/// recording's unit text as raw unit, unscaled, one object for the channel's life), the drop of
/// computed data (IChannelDataReset), which a recorded channel does not have, and the channel
/// calculation the user may have set on it (IChannelCalcSettings). The recording must outlive it.
///
/// A record (block) may carry a unit of its own, as when the unit was changed between blocks, or
/// none: unitIn answers the record's own object, else the channel's.
class ChannelObject : public ComObject<IChannelInfo, IChannelDataReset, IChannelCalcSettings> {
public:
    ChannelObject(const Recording& recording, std::size_t channel);

    std::size_t channel() const { return mChannel; }
    /// How often DropData was called.
    int drops() const { return mDrops; }

    /// Gives a record a unit of its own (its own object, even for the channel's unit text); an empty
    /// text gives the record no unit.
    void setRecordUnit(std::int32_t record, const std::string& unitText);
    /// The unit object of the channel in record (kDataAnyRecord: the channel's), with one reference;
    /// S_FALSE and null when there is none.
    HRESULT unitIn(std::int32_t record, IUnknown** unit);

    /// A channel calculation reading source; keepsUnit: it shows the unit of the source's data.
    void setCalculation(LONG source, bool keepsUnit) { mCalculation = Calculation{source, keepsUnit}; }
    void clearCalculation() { mCalculation.reset(); }

    HRESULT GetUnit(IUnknown** unit) override;
    HRESULT DropData() override;
    HRESULT GetCalculation(LONG* sourceChannel, SHORT* keepsUnit) override;

private:
    struct Calculation {
        LONG source;
        bool keepsUnit;
    };

    void* find(REFIID iid) override;

    const Recording& mRecording;
    std::size_t mChannel;
    int mDrops = 0;
    ComPtr<UnitConversion> mConversion;
    std::map<std::int32_t, ComPtr<UnitConversion>> mRecordUnits; // null: the record has no unit
    std::optional<Calculation> mCalculation;
};

} // namespace Vantrel

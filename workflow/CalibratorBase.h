#pragma once
// Tarvik::CalibratorBase: turns a calibration step's values into a unit
// conversion of the host's kind, which the document installs on the channel.
// Each calibrator keeps, per channel, the conversion the channel had before a
// calibration was applied (its ChannelUnitCache, filled, saved and loaded by the
// document) and builds the calibrated conversion from it: the host's unit
// service makes the line through two points (raw value, calibrated value) given
// as texts, a raw text carrying the raw unit's prefix character ("1.5m").
//
// The document deletes each calibrator through its own type.

#include <cstdint>

#include "core/ChannelUnitCache.h"
#include "core/String.h"
#include "core/Unit.h"
#include "platform/vantrel/IUnitService.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

class ModelDocument;

class CalibratorBase {
public:
    // On true, *conversion holds the channel's calibrated conversion with a reference for the
    // caller; on false it is null or untouched. Never throws.
    virtual bool GetCalibratedConversion(std::int32_t channel, IUnknown** conversion) = 0;
    virtual bool IsApplied() = 0;
    // The unit of the calibrated channel.
    virtual Ovo::Unit GetUnit(std::int32_t channel) = 0;

    Ovo::ChannelUnitCache& Cache() { return mCache; }

protected:
    explicit CalibratorBase(ModelDocument& document);
    ~CalibratorBase();

    // What a conversion tells of its raw and scaled sides (the 16-bit words cleared before the
    // call, as the host expects).
    struct ConversionInfo {
        UnitRawInfo raw;
        Ovo::String rawUnitName;
        UnitScalingInfo scaling;
        Ovo::String scaledUnitName;
        // The raw unit: its name with the prefix of the raw prefix code.
        Ovo::Unit RawUnit() const;
    };
    static bool GetConversionInfo(IUnknown* conversion, ConversionInfo& info);

    // Steps every calibrated conversion starts with: when the calibration is not applied, the cached
    // conversion is the answer (done true, result as given); otherwise the cached conversion, fetched
    // from the host when missing, and its information (done false, result true when there is one).
    struct Start {
        ComPtr<IUnknown> cached;
        ConversionInfo info;
        bool done = false;
        bool result = false;
    };
    Start BeginCalibratedConversion(std::int32_t channel, IUnknown** conversion);

    // Asks the unit service for the line through (raw1, calibrated1) and (raw2, calibrated2): raw
    // values in raw base units, written in the raw unit; calibrated values in the target unit.
    bool MakeTwoPointConversion(const ConversionInfo& info, double raw1, double raw2, double calibrated1,
                                double calibrated2, const Ovo::Unit& target, IUnknown** conversion);

    ModelDocument& mDocument;
    Ovo::ChannelUnitCache mCache;
};

} // namespace Tarvik

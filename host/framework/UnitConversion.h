#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/IUnitService.h"
#include "platform/win32/com_ptr.h"

#include <array>
#include <string>
#include <string_view>

namespace Vantrel {

/// What a channel's unit conversion holds: its raw unit, the line to its scaled unit, and the texts
/// of the two points the line was made from (raw 1, raw 2, calibrated 1, calibrated 2; empty for a
/// conversion that was not made from points).
struct ConversionRecord {
    UnitRawInfo raw;
    std::u16string rawUnit;
    UnitScalingInfo scaling;
    std::u16string scaledUnit;
    std::array<std::u16string, 4> points;
};

/// A channel's unit conversion (IUnitConversion), which also names the unit its values are shown in
/// (IUnitName: the scaled unit when it scales, else the raw unit). It does not change once made.
class UnitConversion : public ComObject<IUnitConversion, IUnitName> {
public:
    explicit UnitConversion(ConversionRecord record);

    /// A conversion without scaling whose raw unit is the unit text ("mmHg", "mV"), split as
    /// UnitName::split does.
    static ComPtr<UnitConversion> fromText(std::string_view unitText);
    /// The record of a conversion of this host; null for any other object.
    static const ConversionRecord* recordOf(IUnknown* object);

    const ConversionRecord& record() const { return mRecord; }
    /// A raw value (in raw base units) in the unit the conversion shows (prefix applied).
    double shown(double raw) const;

    HRESULT GetConversionInfo(UnitRawInfo* raw, IAutoOvoString** rawUnitName, UnitScalingInfo* scaling,
                              IAutoOvoString** scaledUnitName) override;
    HRESULT GetPointText(LONG index, IAutoOvoString** text) override;
    HRESULT GetBaseText(IAutoOvoString** text) override;
    HRESULT GetPrefixCode(LONG* code) override;

private:
    void* find(REFIID iid) override;
    bool scales() const { return mRecord.scaling.hasScaling != 0; }

    const ConversionRecord mRecord;
};

/// 10 to the power of a prefix code (1 and 8, no prefix, give 1); 0 for a code outside 1..11.
double prefixCodeFactor(LONG code);

} // namespace Vantrel

#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/IUnitService.h"

namespace Vantrel {

/// The host's unit service: unit-name objects (UnitName) and unit conversions (UnitConversion). A
/// conversion is written to the module's binary streams as
///   u32 format 1;
///   raw side: f64 range low, f64 range high, f32 shown low, f32 shown high, u32 decimals,
///             u32 prefix code, u16 flags, string record of the raw unit;
///   scaling:  f64 scale, f64 offset, u32 decimals, u32 prefix code, u16 flags, u16 has-scaling,
///             string record of the scaled unit;
///   the four point texts as string records.
/// A channel the host knows nothing of has the unit "V" without prefix and no scaling.
class UnitService : public ComObject<IUnitService> {
public:
    /// E_INVALIDARG for a prefix code outside 1 .. 11.
    HRESULT CreateUnitName(LONG prefixCode, IAutoOvoString* baseText, IUnitName** out) override;
    HRESULT MakeTwoPointConversion(DWORD reserved, const UnitRawInfo* raw, IAutoOvoString* rawUnitName,
                                   IAutoOvoString* raw1, IAutoOvoString* raw2, IAutoOvoString* calibrated1,
                                   IAutoOvoString* calibrated2, IAutoOvoString* unitBase, LONG prefixCode,
                                   DWORD decimals, DWORD flags, IUnknown** conversion,
                                   IAutoOvoString** unitText, IAutoOvoString** pointsText,
                                   DWORD* pointCount) override;
    HRESULT CreateRawConversion(const UnitRawInfo* raw, IAutoOvoString* baseText,
                                IUnknown** conversion) override;
    HRESULT GetDefaultConversion(IUnknown** conversion) override;
    HRESULT GetConversionRecordSize(IUnknown* conversion, DWORD* size) override;
    /// E_FAIL on a short or malformed stream, an unknown format, a prefix code outside 1 .. 11 or a
    /// line that is not finite; *conversion stays null then.
    HRESULT ReadConversion(IBinInStream* in, IUnknown** conversion) override;
    /// E_INVALIDARG when the object is neither a conversion nor a unit name; E_FAIL when the stream
    /// fails.
    HRESULT WriteConversion(IBinOutStream* out, IUnknown* conversion) override;

private:
    void* find(REFIID iid) override;
};

/// The value of a point text: a number ("-1.5", "2e-3"; a comma may stand for the decimal point)
/// followed by an optional SI prefix character (E P T G M k m u µ n p f a), in base units. False for
/// anything else, or a value that is not finite.
bool parsePointText(std::u16string_view text, double& value);

} // namespace Vantrel

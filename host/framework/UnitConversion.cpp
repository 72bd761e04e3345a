#include "host/framework/UnitConversion.h"

#include "host/framework/Text.h"
#include "host/framework/UnitName.h"

namespace Vantrel {

double prefixCodeFactor(LONG code) {
    // Codes 1 to 11: none, a, f, p, n, micro, m, unity, k, M, G.
    static constexpr double factors[] = {1.0, 1e-18, 1e-15, 1e-12, 1e-9, 1e-6, 1e-3, 1.0, 1e3, 1e6, 1e9};
    return code >= 1 && code <= 11 ? factors[code - 1] : 0.0;
}

UnitConversion::UnitConversion(ConversionRecord record) : mRecord(std::move(record)) {}

ComPtr<UnitConversion> UnitConversion::fromText(std::string_view unitText) {
    auto [code, base] = UnitName::split(unitText);
    ConversionRecord record;
    record.raw.prefixCode = code;
    record.rawUnit = std::move(base);
    record.scaling.prefixCode = code;
    record.scaledUnit = record.rawUnit;
    return ComPtr<UnitConversion>::Adopt(new UnitConversion(std::move(record)));
}

const ConversionRecord* UnitConversion::recordOf(IUnknown* object) {
    ComPtr<IUnitConversion> conversion = ComPtr<IUnknown>(object).Query<IUnitConversion>(IID_IUnitConversion);
    auto* own = dynamic_cast<UnitConversion*>(conversion.Get());
    return own ? &own->mRecord : nullptr;
}

double UnitConversion::shown(double raw) const {
    if (!scales())
        return raw / prefixCodeFactor(mRecord.raw.prefixCode);
    return (mRecord.scaling.scale * raw + mRecord.scaling.offset) /
           prefixCodeFactor(mRecord.scaling.prefixCode);
}

void* UnitConversion::find(REFIID iid) {
    if (iid == IID_IUnitConversion)
        return static_cast<IUnitConversion*>(this);
    if (iid == IID_IUnitName)
        return static_cast<IUnitName*>(this);
    return nullptr;
}

HRESULT UnitConversion::GetConversionInfo(UnitRawInfo* raw, IAutoOvoString** rawUnitName,
                                          UnitScalingInfo* scaling, IAutoOvoString** scaledUnitName) {
    if (raw)
        *raw = mRecord.raw;
    if (rawUnitName)
        *rawUnitName = MakeString(mRecord.rawUnit);
    if (scaling)
        *scaling = mRecord.scaling;
    if (scaledUnitName)
        *scaledUnitName = MakeString(mRecord.scaledUnit);
    return S_OK;
}

HRESULT UnitConversion::GetPointText(LONG index, IAutoOvoString** text) {
    if (!text)
        return E_POINTER;
    *text = nullptr;
    if (index < 0 || index >= static_cast<LONG>(mRecord.points.size()))
        return E_INVALIDARG;
    *text = MakeString(mRecord.points[static_cast<std::size_t>(index)]);
    return S_OK;
}

HRESULT UnitConversion::GetBaseText(IAutoOvoString** text) {
    if (!text)
        return E_POINTER;
    *text = MakeString(scales() ? mRecord.scaledUnit : mRecord.rawUnit);
    return S_OK;
}

HRESULT UnitConversion::GetPrefixCode(LONG* code) {
    if (!code)
        return E_POINTER;
    *code = scales() ? mRecord.scaling.prefixCode : mRecord.raw.prefixCode;
    return S_OK;
}

} // namespace Vantrel

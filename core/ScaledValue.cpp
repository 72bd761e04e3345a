#include "core/ScaledValue.h"

ScaledValue MakeScaledValue(const Ovo::Unit& unit, double value) {
    return {value, Ovo::SiPrefixScale(unit.prefix), 1.0};
}

ScaledValue MakeScaledValueForPrefix(std::int32_t code, double value) {
    return {value, Ovo::PrefixCodeScale(code), 1.0};
}

ScaledValue ToBaseScaledValue(const ScaledValue& sv) {
    return {sv.value / sv.divisor * sv.scale, 1.0, 1.0};
}

ScaledValue RescaleValue(const ScaledValue& sv, std::int32_t scaleCode, std::int32_t divisorCode) {
    const double scale = Ovo::PrefixCodeScale(scaleCode);
    const double divisor = Ovo::PrefixCodeScale(divisorCode);
    const double base = sv.value / sv.divisor * sv.scale;
    return {base / scale * divisor, scale, divisor};
}

ScaledValue RescaleToPrefix(const Ovo::Unit& unit, const ScaledValue& sv) {
    return RescaleValue(sv, unit.PrefixCode(), 8);
}

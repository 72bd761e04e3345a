#pragma once
// A quantity held in the SI prefix of a unit: the base-unit quantity is
// value * scale / divisor, where scale and divisor are prefix factors (a
// power of ten, or 1). Models keep base-unit values; fields show them in the
// prefix of their channel's unit:
//   shown = RescaleValue({base, 1, 1}, unit.PrefixCode(), 8).value
//   base  = ToBaseScaledValue(MakeScaledValue(unit, parsed)).value

#include <cstdint>

#include "core/Unit.h"

struct ScaledValue {
    double value = 0;
    double scale = 1;
    double divisor = 1;

    friend bool operator==(const ScaledValue&, const ScaledValue&) = default;
};

// {value, SiPrefixScale of the unit's prefix (1 without one), 1}.
ScaledValue MakeScaledValue(const Ovo::Unit& unit, double value);
// {value, PrefixCodeScale(code), 1}.
ScaledValue MakeScaledValueForPrefix(std::int32_t code, double value);
// {value / divisor * scale, 1, 1}: the quantity in base units.
ScaledValue ToBaseScaledValue(const ScaledValue& sv);
// The same quantity with scale S = PrefixCodeScale(scaleCode) and divisor
// D = PrefixCodeScale(divisorCode): {base / S * D, S, D}.
ScaledValue RescaleValue(const ScaledValue& sv, std::int32_t scaleCode, std::int32_t divisorCode);
// The quantity in the prefix of unit, divisor 1: RescaleValue(sv, unit.PrefixCode(), 8).
ScaledValue RescaleToPrefix(const Ovo::Unit& unit, const ScaledValue& sv);

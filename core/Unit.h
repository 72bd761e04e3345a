#pragma once
// A unit: a base-unit text (a pressure or volume unit, "V", ...) and an SI
// prefix character. Prefix codes are the host unit service's numbering:
//   1 none, 2 a, 3 f, 4 p, 5 n, 6 micro, 7 m, 8 unity (none), 9 k, 10 M, 11 G.

#include <cstdint>
#include <string>

#include "platform/vantrel/IUnitService.h"

namespace Ovo {

// The power of ten of an SI prefix character (BIPM SI brochure): E 18, P 15, T 12, G 9, M 6,
// k 3, m -3, u or micro -6, n -9, p -12, f -15, a -18; any other character (and none) 0.
// Case-sensitive: 'K' and 'g' give 0.
int SiPrefixExponent(wchar_t prefix);
// 10 to the power SiPrefixExponent(prefix), by PowerOfTen: 'm' gives exactly 1 / 1000.
double SiPrefixScale(wchar_t prefix);
// The factor of a prefix code: 1.0 for codes without a prefix character (1, 8 and codes
// outside 2 to 11), else SiPrefixScale of the character.
double PrefixCodeScale(std::int32_t code);

class Unit {
public:
    static constexpr wchar_t kMicro = 0x00B5;

    Unit() = default;
    explicit Unit(std::wstring baseText, wchar_t prefixCharacter = 0)
        : base(std::move(baseText)), prefix(prefixCharacter) {}

    // The prefix code of the prefix character: none gives 1, "u" and micro 6, a character the
    // unit service has no code for 0.
    std::int32_t PrefixCode() const;
    // Codes 1, 8 and codes outside 2 to 11 give no prefix.
    void SetPrefixCode(std::int32_t code);
    // The prefix as a one-character text; empty without prefix.
    std::wstring PrefixText() const;
    // A value in base units expressed in this (prefixed) unit: value / SiPrefixScale(prefix).
    double ScaleFromBase(double value) const;
    // A unit-name object of the unit service for this unit; *out null without a service.
    HRESULT CreateUnitName(IUnitService* service, IUnitName** out) const;
    // Prefix and base text, as shown.
    std::wstring Text() const { return PrefixText() + base; }

    std::wstring base;
    wchar_t prefix = 0; // 0: no prefix

    friend bool operator==(const Unit&, const Unit&) = default;
};

// Fills unit from a unit-name object of the host: its base text and its prefix code. False, with
// unit unchanged, when name is null or does not answer.
bool UnitNameToUnit(IUnitName* name, Unit& unit);

} // namespace Ovo

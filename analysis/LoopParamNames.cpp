#include "analysis/LoopParamNames.h"

#include <array>
#include <mutex>

#include "analysis/LoopParameters.h"
#include "core/ResourceStrings.h"

namespace Tarvik {

namespace {

struct Names {
    UINT abbreviation;
    UINT longName;
};

// String-table ids of ids 1 to 29.
constexpr Names kNames[] = {{242, 112}, {241, 125}, {239, 113}, {231, 114}, {232, 115}, {233, 121},
                            {234, 122}, {235, 116}, {236, 117}, {248, 119}, {249, 118}, {237, 120},
                            {238, 123}, {230, 124}, {240, 130}, {243, 132}, {250, 131}, {126, 126},
                            {127, 127}, {128, 128}, {129, 129}, {164, 164}, {165, 165}, {166, 166},
                            {167, 167}, {244, 153}, {245, 245}, {246, 150}, {247, 154}};
static_assert(std::size(kNames) == LP_Last);

// Units: P pressure, V volume, then a fixed text.
enum class Kind { P, V, PV, VperMin, PperV, PVperS, PperS, VperS, Fixed };
struct UnitRow {
    Kind kind;
    const wchar_t* text;
};
constexpr UnitRow kUnits[] = {
    {Kind::PV, nullptr},     {Kind::VperMin, nullptr}, {Kind::V, nullptr},     {Kind::V, nullptr},
    {Kind::V, nullptr},      {Kind::V, nullptr},       {Kind::V, nullptr},     {Kind::P, nullptr},
    {Kind::P, nullptr},      {Kind::P, nullptr},       {Kind::P, nullptr},     {Kind::P, nullptr},
    {Kind::P, nullptr},      {Kind::Fixed, L"bpm"},    {Kind::Fixed, L"%"},    {Kind::PperV, nullptr},
    {Kind::PVperS, nullptr}, {Kind::PperS, nullptr},   {Kind::PperS, nullptr}, {Kind::VperS, nullptr},
    {Kind::VperS, nullptr},  {Kind::P, nullptr},       {Kind::P, nullptr},     {Kind::V, nullptr},
    {Kind::V, nullptr},      {Kind::PV, nullptr},      {Kind::PV, nullptr},    {Kind::Fixed, L""},
    {Kind::Fixed, L"ms"}};
static_assert(std::size(kUnits) == LP_Last);

} // namespace

Ovo::String GetLoopParamName(HMODULE module, std::int32_t id, bool longName) {
    if (id < LP_First || id > LP_Last)
        return L"Bogus";
    static std::array<Ovo::String, 2 * LP_Last> names;
    static std::array<std::once_flag, 2 * LP_Last> loaded;
    const std::size_t slot = static_cast<std::size_t>(id - LP_First) * 2 + (longName ? 1 : 0);
    std::call_once(loaded[slot], [&] {
        const Names& row = kNames[id - LP_First];
        Ovo::LoadResString(names[slot], module, longName ? row.longName : row.abbreviation, false);
    });
    return names[slot];
}

Ovo::Unit GetLoopParamUnitText(std::int32_t id, const Ovo::Unit& pressure, const Ovo::Unit& volume) {
    if (id < LP_First || id > LP_Last)
        return Ovo::Unit(L"", volume.prefix);
    const UnitRow& row = kUnits[id - LP_First];
    const std::wstring p = pressure.Text(), v = volume.Text();
    switch (row.kind) {
    case Kind::P:
        return pressure;
    case Kind::V:
        return volume;
    case Kind::PV:
        return Ovo::Unit(p + L"*" + v);
    case Kind::VperMin:
        return Ovo::Unit(v + L"/min");
    case Kind::PperV:
        return Ovo::Unit(p + L"/" + v);
    case Kind::PVperS:
        return Ovo::Unit(p + L"*" + v + L"/s");
    case Kind::PperS:
        return Ovo::Unit(p + L"/s");
    case Kind::VperS:
        return Ovo::Unit(v + L"/s");
    case Kind::Fixed:
        return Ovo::Unit(row.text);
    }
    return Ovo::Unit();
}

} // namespace Tarvik

// Names and units of the loop parameters.

#include <gtest/gtest.h>

#include "analysis/LoopParamNames.h"
#include "analysis/LoopParameters.h"
#include "tests/support/ModuleStrings.h"

namespace {

using namespace Tarvik;

HMODULE Module() {
    return TarvikTest::StringTableModule();
}

TEST(LoopParamNames, AbbreviationsAndLongNames) {
    struct Case {
        std::int32_t id;
        const wchar_t* abbreviation;
        const wchar_t* longName;
    };
    const Case cases[] = {
        {LP_SW, L"SW", L"Stroke Work"},
        {LP_CO, L"CO", L"Cardiac Output"},
        {LP_Pdev, L"Pdev", L"Developed Pressure"},
        {LP_Ea, L"Ea", L"Arterial Elastance"},
        {LP_dPdtMax, L"dP/dt max", L"dP/dt max"},
        {LP_PE, L"PE", L"PE"},
        {LP_CE, L"CE", L"Cardiac Efficiency"},
        {LP_Tau, L"Tau", L"Tau"},
        {0, L"Bogus", L"Bogus"},
        {30, L"Bogus", L"Bogus"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetLoopParamName(Module(), c.id, false).ToWString(), c.abbreviation) << c.id;
        EXPECT_EQ(GetLoopParamName(Module(), c.id, true).ToWString(), c.longName) << c.id;
    }
    for (LoopParamId id : kLoopParamDisplayOrder)
        EXPECT_FALSE(GetLoopParamName(Module(), id, true).IsEmpty()) << id;
}

TEST(LoopParamNames, UnitsAreComposedFromTheChannelUnits) {
    const Ovo::Unit pressure(L"mmHg"), volume(L"l", L'u');
    struct Case {
        std::int32_t id;
        const wchar_t* text;
        wchar_t prefix;
    };
    const Case cases[] = {
        {LP_SW, L"mmHg*ul", 0},
        {LP_CO, L"ul/min", 0},
        {LP_Vmax, L"l", L'u'},
        {LP_Ped, L"mmHg", 0},
        {LP_Ea, L"mmHg/ul", 0},
        {LP_PowMax, L"mmHg*ul/s", 0},
        {LP_dPdtMin, L"mmHg/s", 0},
        {LP_dVdtMax, L"ul/s", 0},
        {LP_HR, L"bpm", 0},
        {LP_EF, L"%", 0},
        {LP_CE, L"", 0},
        {LP_Tau, L"ms", 0},
        {0, L"", L'u'},
    };
    for (const Case& c : cases) {
        const Ovo::Unit unit = GetLoopParamUnitText(c.id, pressure, volume);
        EXPECT_EQ(unit.base, c.text) << c.id;
        EXPECT_EQ(unit.prefix, c.prefix) << c.id;
    }
}

} // namespace

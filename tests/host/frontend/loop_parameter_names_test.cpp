#include "host/frontend/LoopParameterNames.h"

#include "platform/win32/resources.h"

#include <gtest/gtest.h>

namespace Vantrel {
namespace {

const ChannelInfo kPressure{"Pressure", "mmHg"};
const ChannelInfo kVolume{"Volume", "uL"};

TEST(LoopParameterNames, ComposeEachUnitFromTheChannelUnits) {
    const struct {
        int id;
        NamedColumn column;
    } cases[] = {
        {1, {"SW", "mmHg*uL"}},      {2, {"CO", "uL/min"}},         {3, {"SV", "uL"}},
        {11, {"Pdev", "mmHg"}},      {14, {"HR", "bpm"}},           {15, {"EF", "%"}},
        {16, {"Ea", "mmHg/uL"}},     {17, {"PowMax", "mmHg*uL/s"}}, {18, {"dP/dt max", "mmHg/s"}},
        {21, {"dV/dt min", "uL/s"}}, {25, {"V@dP/dt min", "uL"}},   {28, {"CE", ""}},
        {29, {"Tau", "ms"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loopParameterColumn(c.id, kPressure, kVolume, {}), c.column) << c.id;
    // A channel without a unit leaves the units it takes part in empty, not "*" or "/min".
    const ChannelInfo noUnit{"P", ""};
    EXPECT_EQ(loopParameterColumn(1, noUnit, kVolume, {}).unit, "");
    EXPECT_EQ(loopParameterColumn(2, noUnit, kVolume, {}).unit, "uL/min");
    EXPECT_EQ(loopParameterColumn(2, kPressure, noUnit, {}).unit, "");
    EXPECT_EQ(loopParameterColumn(14, noUnit, noUnit, {}).unit, "bpm");
    EXPECT_THROW(loopParameterColumn(0, kPressure, kVolume, {}), std::out_of_range);
    EXPECT_THROW(loopParameterColumn(30, kPressure, kVolume, {}), std::out_of_range);
}

TEST(LoopParameterNames, TakeTheNamesFromTheModulesStringTable) {
    static int moduleImage;
    const auto module = reinterpret_cast<HMODULE>(&moduleImage);
    const StringResource entries[] = {{242, 0x0409, u"AT"}, {247, 0x0409, u"\u03C4"}, {241, 0x0409, u""}};
    RegisterStringTable(module, entries);
    const ModuleTextLookup lookup = [&](UINT id) { return moduleString(module, id); };
    EXPECT_EQ(loopParameterColumn(1, kPressure, kVolume, lookup).name, "AT");
    EXPECT_EQ(loopParameterColumn(29, kPressure, kVolume, lookup).name, "\xCF\x84");
    EXPECT_EQ(loopParameterColumn(2, kPressure, kVolume, lookup).name, "CO"); // empty entry
    EXPECT_EQ(loopParameterColumn(3, kPressure, kVolume, lookup).name, "SV"); // no entry in its block
    EXPECT_EQ(moduleString(module, 1000), std::nullopt);                      // no block
    UnregisterResources(module);
}

} // namespace
} // namespace Vantrel

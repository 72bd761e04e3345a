#include "host/frontend/LoopParameterNames.h"

#include "host/framework/Text.h"
#include "host/frontend/UnitText.h"
#include "platform/win32/resources.h"

#include <cstring>
#include <stdexcept>

namespace Vantrel {

namespace {

struct Parameter {
    UINT stringId;       // of the abbreviation in the module's string table
    const char* usual;   // the abbreviation that entry holds
    const char* pattern; // of its unit: "P" and "V" stand for the channels' units (composedUnit)
};

// By LoopParamId - 1.
constexpr Parameter kParameters[] = {
    {242, "SW", "P*V"},        {241, "CO", "V/min"},      {239, "SV", "V"},
    {231, "Vmax", "V"},        {232, "Vmin", "V"},        {233, "Ves", "V"},
    {234, "Ved", "V"},         {235, "Pmax", "P"},        {236, "Pmin", "P"},
    {248, "Pmean", "P"},       {249, "Pdev", "P"},        {237, "Pes", "P"},
    {238, "Ped", "P"},         {230, "HR", "bpm"},        {240, "EF", "%"},
    {243, "Ea", "P/V"},        {250, "PowMax", "P*V/s"},  {126, "dP/dt max", "P/s"},
    {127, "dP/dt min", "P/s"}, {128, "dV/dt max", "V/s"}, {129, "dV/dt min", "V/s"},
    {164, "P@dV/dt max", "P"}, {165, "P@dP/dt max", "P"}, {166, "V@dP/dt max", "V"},
    {167, "V@dP/dt min", "V"}, {244, "PVA", "P*V"},       {245, "PE", "P*V"},
    {246, "CE", ""},           {247, "Tau", "ms"},
};

} // namespace

std::optional<std::string> moduleString(HMODULE module, UINT id) {
    const std::optional<std::u16string> text = ModuleString(module, id);
    return text ? std::optional<std::string>(Utf16ToUtf8(*text)) : std::nullopt;
}

NamedColumn loopParameterColumn(int id, const ChannelInfo& pressure, const ChannelInfo& volume,
                                const ModuleTextLookup& text) {
    if (id < 1 || id > static_cast<int>(std::size(kParameters)))
        throw std::out_of_range("no loop parameter " + std::to_string(id));
    const Parameter& parameter = kParameters[id - 1];
    std::optional<std::string> name = text ? text(parameter.stringId) : std::nullopt;
    return {name.value_or(parameter.usual), composedUnit(parameter.pattern, pressure.unit, volume.unit)};
}

} // namespace Vantrel

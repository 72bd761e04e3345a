#include "host/frontend/LoopParameterNames.h"

#include "host/framework/Text.h"
#include "platform/win32/resources.h"

#include <cstring>
#include <stdexcept>

namespace Vantrel {

namespace {

enum class Unit { PTimesV, VPerMin, V, P, Bpm, Percent, PPerV, PTimesVPerS, PPerS, VPerS, None, Ms };

struct Parameter {
    UINT stringId;     // of the abbreviation in the module's string table
    const char* usual; // the abbreviation that entry holds
    Unit unit;
};

// By LoopParamId - 1.
constexpr Parameter kParameters[] = {
    {242, "SW", Unit::PTimesV},
    {241, "CO", Unit::VPerMin},
    {239, "SV", Unit::V},
    {231, "Vmax", Unit::V},
    {232, "Vmin", Unit::V},
    {233, "Ves", Unit::V},
    {234, "Ved", Unit::V},
    {235, "Pmax", Unit::P},
    {236, "Pmin", Unit::P},
    {248, "Pmean", Unit::P},
    {249, "Pdev", Unit::P},
    {237, "Pes", Unit::P},
    {238, "Ped", Unit::P},
    {230, "HR", Unit::Bpm},
    {240, "EF", Unit::Percent},
    {243, "Ea", Unit::PPerV},
    {250, "PowMax", Unit::PTimesVPerS},
    {126, "dP/dt max", Unit::PPerS},
    {127, "dP/dt min", Unit::PPerS},
    {128, "dV/dt max", Unit::VPerS},
    {129, "dV/dt min", Unit::VPerS},
    {164, "P@dV/dt max", Unit::P},
    {165, "P@dP/dt max", Unit::P},
    {166, "V@dP/dt max", Unit::V},
    {167, "V@dP/dt min", Unit::V},
    {244, "PVA", Unit::PTimesV},
    {245, "PE", Unit::PTimesV},
    {246, "CE", Unit::None},
    {247, "Tau", Unit::Ms},
};

std::string unitText(Unit unit, const std::string& p, const std::string& v) {
    switch (unit) {
    case Unit::PTimesV:
        return p + "*" + v;
    case Unit::VPerMin:
        return v + "/min";
    case Unit::V:
        return v;
    case Unit::P:
        return p;
    case Unit::Bpm:
        return "bpm";
    case Unit::Percent:
        return "%";
    case Unit::PPerV:
        return p + "/" + v;
    case Unit::PTimesVPerS:
        return p + "*" + v + "/s";
    case Unit::PPerS:
        return p + "/s";
    case Unit::VPerS:
        return v + "/s";
    case Unit::None:
        return {};
    case Unit::Ms:
        return "ms";
    }
    return {};
}

} // namespace

std::optional<std::string> moduleString(HMODULE module, UINT id) {
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(static_cast<WORD>((id >> 4) + 1)), RT_STRING);
    if (!found)
        return std::nullopt;
    const auto* block = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);
    // 16 counted strings: a 16-bit length, then that many UTF-16 units.
    std::size_t offset = 0;
    for (UINT index = 0; block && offset + 2 <= size; ++index) {
        std::uint16_t length = 0;
        std::memcpy(&length, block + offset, 2);
        offset += 2;
        if (offset + 2u * length > size)
            return std::nullopt;
        if (index == (id & 15)) {
            if (length == 0)
                return std::nullopt;
            std::u16string text(length, u'\0');
            std::memcpy(text.data(), block + offset, 2u * length);
            return Utf16ToUtf8(text);
        }
        offset += 2u * length;
    }
    return std::nullopt;
}

NamedColumn loopParameterColumn(int id, const ChannelInfo& pressure, const ChannelInfo& volume,
                                const ModuleTextLookup& text) {
    if (id < 1 || id > static_cast<int>(std::size(kParameters)))
        throw std::out_of_range("no loop parameter " + std::to_string(id));
    const Parameter& parameter = kParameters[id - 1];
    std::optional<std::string> name = text ? text(parameter.stringId) : std::nullopt;
    return {name.value_or(parameter.usual), unitText(parameter.unit, pressure.unit, volume.unit)};
}

} // namespace Vantrel

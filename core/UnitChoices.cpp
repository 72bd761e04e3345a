#include "core/UnitChoices.h"

#include <algorithm>

namespace Ovo {

namespace {

int IndexIn(const std::vector<Unit>& choices, const Unit& unit) {
    const auto found = std::find(choices.begin(), choices.end(), unit);
    return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}

} // namespace

const std::vector<Unit>& GetConductanceUnitChoices() {
    static const std::vector<Unit> choices{Unit(L"S", L'm'), Unit(L"RVU")};
    return choices;
}

const std::vector<Unit>& GetVolumeUnitChoices() {
    static const std::vector<Unit> choices{Unit(L"L", Unit::kMicro), Unit(L"L", L'm')};
    return choices;
}

void GetConductanceUnitChoices(std::vector<Unit>& out) {
    out = GetConductanceUnitChoices();
}

void GetVolumeUnitChoices(std::vector<Unit>& out) {
    out = GetVolumeUnitChoices();
}

int FindConductanceUnitIndex(const Unit& unit) {
    return IndexIn(GetConductanceUnitChoices(), unit);
}

int FindVolumeUnitIndex(const Unit& unit) {
    return IndexIn(GetVolumeUnitChoices(), unit);
}

} // namespace Ovo

#include "core/Unit.h"

#include <sstream>

#include "core/NumericHelpers.h"
#include "core/String.h"
#include "platform/win32/com_ptr.h"

namespace Ovo {

namespace {

// Prefix characters by code, from code 2 on.
constexpr wchar_t kPrefixes[] = {L'a', L'f', L'p', L'n', Unit::kMicro, L'm', 0, L'k', L'M', L'G'};

} // namespace

int SiPrefixExponent(wchar_t prefix) {
    switch (prefix) {
    case L'E':
        return 18;
    case L'P':
        return 15;
    case L'T':
        return 12;
    case L'G':
        return 9;
    case L'M':
        return 6;
    case L'k':
        return 3;
    case L'm':
        return -3;
    case L'u':
    case Unit::kMicro:
        return -6;
    case L'n':
        return -9;
    case L'p':
        return -12;
    case L'f':
        return -15;
    case L'a':
        return -18;
    default:
        return 0;
    }
}

double SiPrefixScale(wchar_t prefix) {
    return PowerOfTen(SiPrefixExponent(prefix));
}

double PrefixCodeScale(std::int32_t code) {
    Unit unit;
    unit.SetPrefixCode(code);
    return SiPrefixScale(unit.prefix);
}

std::int32_t Unit::PrefixCode() const {
    if (prefix == 0)
        return 1;
    if (prefix == L'u')
        return 6;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(std::size(kPrefixes)); ++i)
        if (kPrefixes[i] != 0 && kPrefixes[i] == prefix)
            return i + 2;
    return 0;
}

void Unit::SetPrefixCode(std::int32_t code) {
    prefix = code >= 2 && code <= 11 ? kPrefixes[code - 2] : 0;
}

std::wstring Unit::PrefixText() const {
    std::wostringstream out;
    if (prefix != 0)
        out << prefix;
    return out.str();
}

double Unit::ScaleFromBase(double value) const {
    return value / SiPrefixScale(prefix);
}

HRESULT Unit::CreateUnitName(IUnitService* service, IUnitName** out) const {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!service)
        return E_FAIL;
    return service->CreateUnitName(PrefixCode(),
                                   ComPtr<IAutoOvoString>::Adopt(String(base).GetInterface()).Get(), out);
}

bool UnitNameToUnit(IUnitName* name, Unit& unit) {
    if (!name)
        return false;
    ComPtr<IAutoOvoString> text;
    LONG code = 1;
    if (FAILED(name->GetBaseText(text.Put())) || FAILED(name->GetPrefixCode(&code)))
        return false;
    String base;
    base.Adopt(text.Detach());
    unit.base = base.ToWString();
    unit.SetPrefixCode(code);
    return true;
}

} // namespace Ovo

#include "host/framework/UnitName.h"

#include "host/framework/Text.h"

#include <array>

namespace Vantrel {
namespace {

constexpr LONG prefixNone = 1;

constexpr std::array<std::string_view, 15> knownBases{"V",  "A", "S", "L", "l",   "g",    "s", "Hz",
                                                      "Pa", "W", "J", "N", "Ohm", "mmHg", "m"};

bool isKnownBase(std::string_view text) {
    for (std::string_view base : knownBases)
        if (base == text)
            return true;
    return false;
}

/// The prefix code of a leading prefix, and its length in bytes; code 0 when there is none.
std::pair<LONG, std::size_t> prefixOf(std::string_view text) {
    struct Prefix {
        std::string_view text;
        LONG code;
    };
    static constexpr Prefix prefixes[] = {{"a", 2},      {"f", 3}, {"p", 4}, {"n", 5},  {"u", 6},
                                          {"\u00b5", 6}, {"m", 7}, {"k", 9}, {"M", 10}, {"G", 11}};
    for (const Prefix& p : prefixes)
        if (text.starts_with(p.text))
            return {p.code, p.text.size()};
    return {0, 0};
}

} // namespace

UnitName::UnitName(LONG prefixCode, std::u16string base) : mPrefix(prefixCode), mBase(std::move(base)) {}

std::pair<LONG, std::u16string> UnitName::split(std::string_view text) {
    LONG code = prefixNone;
    std::string_view base = text;
    if (!isKnownBase(text)) {
        auto [prefix, length] = prefixOf(text);
        if (prefix != 0 && isKnownBase(text.substr(length))) {
            code = prefix;
            base = text.substr(length);
        }
    }
    return {code, Utf8ToUtf16(base)};
}

ComPtr<IUnitName> UnitName::fromText(std::string_view text) {
    auto [code, base] = split(text);
    return ComPtr<IUnitName>::Adopt(new UnitName(code, std::move(base)));
}

void* UnitName::find(REFIID iid) {
    return iid == IID_IUnitName ? static_cast<IUnitName*>(this) : nullptr;
}

HRESULT UnitName::GetBaseText(IAutoOvoString** text) {
    if (!text)
        return E_POINTER;
    *text = MakeString(mBase);
    return S_OK;
}

HRESULT UnitName::GetPrefixCode(LONG* code) {
    if (!code)
        return E_POINTER;
    *code = mPrefix;
    return S_OK;
}

} // namespace Vantrel

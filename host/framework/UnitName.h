#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/IUnitService.h"
#include "platform/win32/com_ptr.h"

#include <string>
#include <string_view>
#include <utility>

namespace Vantrel {

/// A unit as the module reads it (IUnitName): a base-unit text and an SI prefix code
/// (1 none, 2 a, 3 f, 4 p, 5 n, 6 micro, 7 m, 8 unity, 9 k, 10 M, 11 G).
class UnitName : public ComObject<IUnitName> {
public:
    UnitName(LONG prefixCode, std::u16string base);

    /// Splits a unit text such as "mmHg", "uL", "µL" or "mV" into prefix code and base: a leading
    /// prefix letter ("u" and "µ" for micro) is split off only when the rest is a known base unit
    /// (V, A, S, L, l, g, s, Hz, Pa, W, J, N, Ohm, mmHg, m); any other text is a base without prefix.
    static std::pair<LONG, std::u16string> split(std::string_view text);
    static ComPtr<IUnitName> fromText(std::string_view text);

    HRESULT GetBaseText(IAutoOvoString** text) override;
    HRESULT GetPrefixCode(LONG* code) override;

private:
    void* find(REFIID iid) override;

    LONG mPrefix;
    std::u16string mBase;
};

} // namespace Vantrel

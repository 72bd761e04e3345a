#pragma once

#include <string>
#include <string_view>

namespace Vantrel {

/// A unit composed from the pressure and volume channels' units: each "P" of the pattern becomes
/// the pressure unit, each "V" the volume unit ("P*V/s" with mmHg and uL is "mmHg*uL/s"). Empty
/// when the pattern needs a unit that is empty, since a compound of an unknown unit is unknown
/// ("*" alone would only mislead).
inline std::string composedUnit(std::string_view pattern, const std::string& pressure,
                                const std::string& volume) {
    std::string unit;
    for (const char c : pattern) {
        const std::string* part = c == 'P' ? &pressure : c == 'V' ? &volume : nullptr;
        if (part && part->empty())
            return {};
        if (part)
            unit += *part;
        else
            unit += c;
    }
    return unit;
}

} // namespace Vantrel

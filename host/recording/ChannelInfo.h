#pragma once

#include <string>
#include <string_view>

namespace Vantrel {

/// A channel's title and unit text ("Pressure", "mmHg"), both UTF-8.
struct ChannelInfo {
    std::string title;
    std::string unit;

    bool operator==(const ChannelInfo&) const = default;
};

/// Splits a header cell such as "Pressure (mmHg)" or "Volume [uL]" into title and unit. The unit is the
/// last bracketed group at the end of the cell; a cell without one has an empty unit. Surrounding
/// spaces are dropped. The title may come out empty; the caller decides whether that is an error.
ChannelInfo parseChannelHeader(std::string_view cell);

/// The header cell "Title (unit)" (or "Title [unit]" when the unit holds a parenthesis), which
/// parseChannelHeader reads back as the same title and unit unless no cell can hold them (a title
/// or unit with blanks around it, a unit holding both "(" and "[").
std::string formatChannelHeader(const ChannelInfo& channel);

} // namespace Vantrel

#pragma once

#include <cstdint>
#include <string>

namespace Vantrel {

/// Why a delimited text was refused and where: line and column count from 1 (the column is the
/// cell's position in its row); 0 means the whole file or the whole line.
struct ImportError {
    std::int64_t line = 0;
    std::int32_t column = 0;
    std::string message;

    /// "line 7, column 3: ..." (only the parts that are known).
    std::string text() const;

    bool operator==(const ImportError&) const = default;
};

} // namespace Vantrel

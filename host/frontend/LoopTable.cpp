#include "host/frontend/LoopTable.h"

#include <cmath>
#include <limits>

namespace Vantrel {

std::vector<double> LoopTable::means() const {
    std::vector<double> result;
    result.reserve(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        double sum = 0.0;
        std::size_t count = 0;
        for (const LoopRow& row : rows)
            if (c < row.values.size() && std::isfinite(row.values[c])) {
                sum += row.values[c];
                ++count;
            }
        result.push_back(count ? sum / static_cast<double>(count) : std::numeric_limits<double>::quiet_NaN());
    }
    return result;
}

} // namespace Vantrel

#include "host/frontend/LoopTable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Vantrel {

std::size_t LoopTable::includedCount() const {
    return static_cast<std::size_t>(
        std::count_if(rows.begin(), rows.end(), [](const LoopRow& row) { return !row.excluded; }));
}

std::vector<ColumnSummary> LoopTable::summary() const {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    std::vector<ColumnSummary> result;
    result.reserve(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        std::vector<double> values;
        for (const LoopRow& row : rows)
            if (!row.excluded && c < row.values.size() && std::isfinite(row.values[c]))
                values.push_back(row.values[c]);
        ColumnSummary column{values.size(), kNaN, kNaN};
        if (!values.empty()) {
            double sum = 0.0;
            for (const double v : values)
                sum += v;
            column.mean = sum / static_cast<double>(values.size());
        }
        if (values.size() > 1) {
            double squares = 0.0;
            for (const double v : values)
                squares += (v - column.mean) * (v - column.mean);
            column.sd = std::sqrt(squares / static_cast<double>(values.size() - 1));
        }
        result.push_back(column);
    }
    return result;
}

} // namespace Vantrel

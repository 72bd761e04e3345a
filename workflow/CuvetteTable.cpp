#include "workflow/CuvetteTable.h"

#include "core/NumericHelpers.h"

namespace Tarvik {

double CuvetteTable::GetCell(std::int32_t column, std::int32_t row) const {
    if (column < 0 || row < 0 || static_cast<std::uint32_t>(column) >= columns ||
        static_cast<std::uint32_t>(row) >= rows)
        return EmptyValue();
    const std::uint64_t index = std::uint64_t{static_cast<std::uint32_t>(row)} * columns + column;
    return index < cells.size() ? cells[index] : EmptyValue();
}

template <class MapColumn>
void CuvetteTable::Relayout(std::uint32_t newRows, std::uint32_t newColumns, MapColumn mapColumn) {
    std::vector<double> laid(std::size_t{newRows} * newColumns, EmptyValue());
    for (std::uint32_t r = 0; r < rows && r < newRows; ++r)
        for (std::uint32_t c = 0; c < columns; ++c) {
            const std::int64_t to = mapColumn(c);
            if (to >= 0)
                laid[std::size_t{r} * newColumns + static_cast<std::size_t>(to)] =
                    GetCell(static_cast<std::int32_t>(c), static_cast<std::int32_t>(r));
        }
    cells = std::move(laid);
    rows = newRows;
    columns = newColumns;
}

void CuvetteTable::SetCell(std::int32_t row, std::int32_t column, double value) {
    if (row < 0 || column < 0)
        return;
    const auto r = static_cast<std::uint32_t>(row), c = static_cast<std::uint32_t>(column);
    if (r >= rows || c >= columns || std::size_t{rows} * columns > cells.size())
        Relayout(std::max(rows, r + 1), std::max(columns, c + 1),
                 [](std::uint32_t old) { return std::int64_t{old}; });
    cells[std::size_t{r} * columns + c] = value;
}

void CuvetteTable::RemoveColumn(std::int32_t column) {
    if (column < 0 || static_cast<std::uint32_t>(column) >= columns)
        return;
    const auto gone = static_cast<std::uint32_t>(column);
    Relayout(rows, columns - 1, [gone](std::uint32_t old) -> std::int64_t {
        if (old == gone)
            return -1;
        return old < gone ? std::int64_t{old} : std::int64_t{old} - 1;
    });
}

void CuvetteTable::InsertColumn(std::int32_t column) {
    if (column < 0)
        return;
    const auto at = static_cast<std::uint32_t>(column);
    Relayout(rows, std::max(columns + 1, at + 1),
             [at](std::uint32_t old) { return old < at ? std::int64_t{old} : std::int64_t{old} + 1; });
}

bool operator==(const CuvetteTable& a, const CuvetteTable& b) {
    return a.rows == b.rows && a.columns == b.columns && a.cells == b.cells;
}

} // namespace Tarvik

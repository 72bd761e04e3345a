#pragma once
// The cuvette calibration table: cells of f64, row-major (cell (row, column) is
// element row * column count + column). A cell without a value holds the empty
// value (EmptyValue()). The cell sequence may be shorter than rows * columns;
// missing cells read as empty.

#include <cstdint>
#include <vector>

namespace Tarvik {

struct CuvetteTable {
    std::vector<double> cells;
    std::uint32_t rows = 0;
    std::uint32_t columns = 0;

    // The cell's value; the empty value outside the table or beyond the cells.
    double GetCell(std::int32_t column, std::int32_t row) const;
    // Stores value, first growing the table to max(rows, row + 1) rows and max(columns, column + 1)
    // columns when the cell lies outside it (existing cells keep their row and column, new ones are
    // empty). A negative row or column changes nothing.
    void SetCell(std::int32_t row, std::int32_t column, double value);
    // Drops the column's cells; nothing for a column outside the table.
    void RemoveColumn(std::int32_t column);
    // Places an empty column at index, moving the columns from there one to the right; the column
    // count becomes max(columns + 1, column + 1). A negative column changes nothing.
    void InsertColumn(std::int32_t column);

    // Same counts and, cell by cell, exactly equal values (IEEE comparison: an empty cell, a NaN,
    // equals no cell).
    friend bool operator==(const CuvetteTable& a, const CuvetteTable& b);

private:
    // The cells re-laid for a table of newRows by newColumns, each old cell moved to its column's
    // place in mapColumn (-1 drops it).
    template <class MapColumn>
    void Relayout(std::uint32_t newRows, std::uint32_t newColumns, MapColumn mapColumn);
};

} // namespace Tarvik

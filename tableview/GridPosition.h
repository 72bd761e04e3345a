#pragma once
// Positions and ranges of a grid's selection. A position is {index, origin}:
// the outer row or column number and the grid's origin when it was taken (1 in
// tables; index origin - 1 is the title row or the row-title column). A
// position is valid when both are at least 0; the missing position is
// {-1, -1}. Two positions are equal when both are invalid, or both valid with
// equal indexes: origins are not compared.
//
// A range is {row start, row end, column start, column end}, the ends
// exclusive; it is valid when all four positions are and both spans are
// non-empty.

#include <cstdint>

namespace TVF_Grid {

struct GridPos {
    std::int32_t index = -1;
    std::int32_t origin = -1;

    bool IsValid() const { return index >= 0 && origin >= 0; }
    // The index counted from the origin (0 = the first row or column).
    std::int32_t Inner() const { return index - origin; }
    // Before the first row or column: the title row, the row-title column.
    bool IsTitle() const { return index < origin || origin < 0; }
};

inline bool operator==(GridPos a, GridPos b) {
    if (!a.IsValid() || !b.IsValid())
        return !a.IsValid() && !b.IsValid();
    return a.index == b.index;
}

struct SelectionRange {
    GridPos rowStart;
    GridPos rowEnd;
    GridPos colStart;
    GridPos colEnd;

    bool IsValid() const {
        return rowStart.IsValid() && rowEnd.IsValid() && colStart.IsValid() && colEnd.IsValid() &&
               rowEnd.index > rowStart.index && colEnd.index > colStart.index;
    }
    bool IsSingleCell() const {
        return rowEnd.index - rowStart.index == 1 && colEnd.index - colStart.index == 1;
    }
    bool ContainsRow(std::int32_t row) const { return rowStart.index <= row && row < rowEnd.index; }
    bool ContainsColumn(std::int32_t col) const { return colStart.index <= col && col < colEnd.index; }
    bool Contains(std::int32_t row, std::int32_t col) const {
        return ContainsRow(row) && ContainsColumn(col);
    }
    // Grows the range to hold the cell.
    void Include(GridPos row, GridPos col);
    void IncludeRow(GridPos row);
    void IncludeColumn(GridPos col);
};

inline bool operator==(const SelectionRange& a, const SelectionRange& b) {
    return a.rowStart == b.rowStart && a.rowEnd == b.rowEnd && a.colStart == b.colStart &&
           a.colEnd == b.colEnd;
}

inline void SelectionRange::IncludeRow(GridPos row) {
    if (!rowStart.IsValid() || rowStart.index > row.index)
        rowStart = row;
    if (!rowEnd.IsValid() || rowEnd.index < row.index + 1)
        rowEnd = {row.index + 1, row.origin};
}

inline void SelectionRange::IncludeColumn(GridPos col) {
    if (!colStart.IsValid() || colStart.index > col.index)
        colStart = col;
    if (!colEnd.IsValid() || colEnd.index < col.index + 1)
        colEnd = {col.index + 1, col.origin};
}

inline void SelectionRange::Include(GridPos row, GridPos col) {
    IncludeRow(row);
    IncludeColumn(col);
}

} // namespace TVF_Grid

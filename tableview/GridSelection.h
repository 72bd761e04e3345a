#pragma once
// The selection of a grid: the selected range, the cell of the last press and
// the anchor that Shift extends from. It turns presses, drags and releases
// into selection changes, and reports each change to the grid's action
// handler: a single cell at once, a larger range when the press ends.
//
// Modifier words: 1 right button, 2 Shift, 4 Ctrl, 8 double click. Only the
// left Shift and left Ctrl keys count.

#include <cstdint>

#include "tableview/GridPosition.h"

namespace TVF_Grid {

class GridControl;

inline constexpr std::uint32_t kRightButton = 1;
inline constexpr std::uint32_t kShift = 2;
inline constexpr std::uint32_t kCtrl = 4;
inline constexpr std::uint32_t kDoubleClick = 8;

class GridSelection {
public:
    GridSelection(GridControl& grid, bool rowMode) : mGrid(grid), mRowMode(rowMode) {}

    // The Shift and Ctrl bits from the left keys' state now.
    static std::uint32_t ModifierKeys();

    // A press: on the title row a whole column, in the row-title column (or in
    // row mode) a whole row, else a cell; Shift spans from the anchor, Ctrl
    // adds to the range. True when the range changed.
    bool SelectAt(GridPos row, GridPos col, std::uint32_t modifiers);
    void MouseDown(GridPos row, GridPos col) { SelectAt(row, col, ModifierKeys()); }
    // A drag: the range spans from the pressed cell to the pointer in the
    // dimensions the pointer's place stretches. True when it changed.
    bool ExtendTo(std::uint32_t modifiers, GridPos row, GridPos col);
    void MouseDrag(GridPos row, GridPos col) { ExtendTo(ModifierKeys(), row, col); }
    // A release: activates a single cell, or a column's or row's title cell
    // released on; reports a larger range; forgets the pressed cell.
    bool EndSelect(GridPos row, GridPos col, std::uint32_t modifiers);
    void MouseUp(GridPos row, GridPos col) { EndSelect(row, col, ModifierKeys()); }
    // A press and its release at once (double and right clicks).
    void Activate(GridPos row, GridPos col, std::uint32_t modifiers);

    // A range set by the program (in row mode across every column); a single
    // cell becomes the anchor. True when it changed.
    bool SetRange(GridPos rowStart, GridPos rowEnd, GridPos colStart, GridPos colEnd);
    void Clear();
    bool IsValid() const { return mRange.IsValid(); }
    void NotifyChanged();

    const SelectionRange& Range() const { return mRange; }
    GridPos PressedRow() const { return mPressedRow; }
    GridPos PressedColumn() const { return mPressedCol; }
    GridPos AnchorRow() const { return mAnchorRow; }
    GridPos AnchorColumn() const { return mAnchorCol; }
    void ForgetPressedCell() { mPressedRow = mPressedCol = GridPos{}; }
    bool RowMode() const { return mRowMode; }

private:
    void SetAnchor(GridPos row, GridPos col) {
        mAnchorRow = row;
        mAnchorCol = col;
    }
    // Whole columns (all rows) or whole rows (all columns) from one to the other.
    SelectionRange Whole(bool columns, GridPos from, GridPos to) const;
    SelectionRange PressTitle(const SelectionRange& old, GridPos row, GridPos col, std::uint32_t modifiers,
                              bool columns);
    SelectionRange PressCell(const SelectionRange& old, GridPos row, GridPos col, std::uint32_t modifiers);

    GridControl& mGrid;
    SelectionRange mRange;
    bool mRowMode;
    GridPos mPressedRow;
    GridPos mPressedCol;
    GridPos mAnchorRow;
    GridPos mAnchorCol;
    bool mByMouse = false;
};

} // namespace TVF_Grid

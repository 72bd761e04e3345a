#pragma once
// What a grid pane asks while it paints: hooks around columns, rows and
// cells, the drawing of a column's cell texts, the colours of a cell and the
// label of a row. The grid control is its own renderer (cells painted empty);
// a table's renderer draws a client's cells.

#include "core/String.h"
#include "platform/owl/TDC.h"
#include "tableview/RowPosCursor.h"

namespace TVF_Grid {

class GridColumn;

class GridRenderer {
public:
    virtual ~GridRenderer() = default;

    virtual void OnPaintStart(OWL::TDC&) {}
    virtual void OnPaintColumn(OWL::TDC&, const GridColumn&) {}
    // Draws the cells of one column for the rows of the cursor, rect being
    // the column's rectangle in client coordinates; keeps the widest cell and
    // the widest text seen. True when the pane is to call the per-cell hooks.
    virtual bool DrawCells(OWL::TDC& dc, const GridColumn& column, const OWL::TRect& rect, RowPosCursor& rows,
                           int& widestCell, int& widestText) {
        return false;
    }
    virtual void OnPaintRow(OWL::TDC&, int row, int rowOrigin) {}
    // Sets the background and text colours of the context for a cell; state
    // 2 is a grey cell; colour, when given, replaces the highlight (selected)
    // or the text colour (unselected).
    virtual void PrepareCellColours(HDC dc, int row, int rowOrigin, int col, int colOrigin, int state,
                                    const COLORREF* colour) = 0;
    virtual void OnCellPainted(OWL::TDC&, int row, int rowOrigin, int col, int colOrigin, bool selected) {}
    virtual void OnPaintEnd(OWL::TDC&) {}
    virtual Ovo::String GetRowLabel(int row, int origin) = 0;
    // A printout of the grid is made and destroyed.
    virtual void BeginPrintRows() {}
    virtual void EndPrintRows() {}
    // The grid row (from the origin) that printed row 0 shows.
    virtual int FirstPrintedRow() const { return 0; }
};

} // namespace TVF_Grid

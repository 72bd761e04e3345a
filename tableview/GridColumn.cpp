#include "tableview/GridColumn.h"

#include "tableview/GridPane.h"

namespace TVF_Grid {

std::unique_ptr<RowPosCursor> UniformGridColumn::CreateRowCursor(int row, int rowOrigin, int, int) const {
    const GridPane& pane = *Pane();
    const int top = (row - rowOrigin - pane.TopRow()) * pane.RowHeight();
    return std::make_unique<UniformRowPosCursor>(
        top, GridPos{row, rowOrigin}, GridPos{pane.RowCount() + rowOrigin, rowOrigin}, pane.RowHeight());
}

} // namespace TVF_Grid

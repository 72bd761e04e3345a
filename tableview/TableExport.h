#pragma once
// A block of a grid's table as the user takes it away: copied as text (for
// the clipboard and CSV files) or added to the host's Data Pad. A block is a
// range of rows, or the whole stored table, and the client's columns (only
// the selected ones when a cell selection is valid), with an optional title
// line. Both show the host's progress indicator, which can cancel them after
// any row.

#include "core/String.h"
#include "platform/vantrel/TableHost.h"
#include "tableview/GridPosition.h"

namespace TVF_Grid {

class GridControl;

struct ExportOptions {
    bool includeRowLabels = false;
    bool includeTitles = true;
    // The rows [start, end); any invalid end means the whole stored table.
    GridPos start;
    GridPos end;
};

// Appends the block's text: cells followed by the separator, the last of a
// row by CR LF. With quote (CSV), a cell holding the separator or a line
// break is written in double quotes, its own double quotes doubled.
void CopySelection(GridControl& grid, Ovo::String& text, const ExportOptions& options,
                   const Ovo::String& separator, bool quote);

// Writes the block into the Data Pad from the second empty row on (an empty
// pad from row 1). S_FALSE when the pad's last row was passed; E_OUTOFMEMORY
// when memory is short or anything fails.
HRESULT AddToDataPad(GridControl& grid, IDataPad& pad, const ExportOptions& options);

// Whether rows x columns x 20 bytes of memory are available: S_OK, or
// E_OUTOFMEMORY, or the failing system call's error.
HRESULT CheckMemoryFor(long long rows, long long columns);

} // namespace TVF_Grid

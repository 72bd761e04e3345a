#pragma once
// The haemodynamics table's "Export...": the user chooses a file in the save
// dialog (starting in the documents folder); a name ending in "csv" goes to the
// table framework's CSV export, any other is written as tab-separated text.
//
// Tab-separated text: the main grid's rows (title row first), then, with the
// summary, an empty line and the summary grid's five rows; cells joined by TAB,
// each line ended by CR LF, no byte-order mark, one byte a character (the ANSI
// code page; a character it lacks becomes '?'). The host's progress indicator
// shows the percentage of rows written and may cancel after any row.
//
// The file appears only when complete: the text goes to a new file beside it,
// which replaces the chosen file at the end. A cancel, or a file that cannot
// be written, leaves the chosen file as it was.

#include "core/String.h"
#include "tableview/TableInterfaces.h"

struct HWND__;

namespace Tarvik {

enum class TableExportResult { Written, Cancelled, Failed };

TableExportResult WriteTabSeparatedTable(ITableDataManager& data, ITableStoredRowInfo& rows,
                                         const Ovo::String& fileName, bool includeSummary);

// The export command: the save dialog, then the writer the name asks for. A failed write is reported
// in a message box owned by owner. Nothing happens when the documents folder is unknown or the
// dialog is cancelled.
void RunTableExport(HWND__* owner, ITableViewManager* manager, ITableDataManager& data,
                    ITableStoredRowInfo& rows, bool includeSummary);

} // namespace Tarvik

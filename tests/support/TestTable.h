#pragma once
// A client's table held in memory, as the analysis views' tables will be:
// texts and flags by cell, stored rows, the items of each cell's command
// list and the column widths, with a log of everything the table framework
// tells it (selections, activations, edits, chosen items, column changes).
//
// Rows and columns are the client's: row 0 holds the column titles and
// column 0 the row titles. Log lines:
//   "selection 9: 2 [7,10) 3 [7,10)"  (table id, then column [first row, end row) per block)
//   "activated 9 7 2"                 (table id | how, row, column)
//   "edited 8 3 2 abc"                (table id, row, column, text)
//   "chosen 8 2 3 2 1"                (table id or code, kind, row, column, item)
//   "moved 1 3", "width 2 80", "latest 8 1"

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tableview/TableInterfaces.h"

namespace TarvikTest {

class TestTable : public ITableDataManager,
                  public ITableStoredRowInfo,
                  public ITableUserActionHandler,
                  public IListGenerator,
                  public ITableViewMgrInternal {
public:
    // dataRows rows below the title row; columns including the row-title column.
    TestTable(int dataRows, int columns);

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }

    HRESULT GetCellText(DWORD tableId, DWORD row, DWORD column, IAutoOvoString** text) override;
    HRESULT GetCellFlags(DWORD tableId, DWORD row, DWORD column, DWORD* flags) override;
    HRESULT GetColumnCount(DWORD tableId, DWORD* count) override;
    HRESULT GetSourceName(DWORD, IAutoOvoString**) override { return E_NOTIMPL; }
    HRESULT GetTitle(DWORD, IAutoOvoString**) override { return E_NOTIMPL; }

    HRESULT GetRowCount(DWORD tableId, DWORD* count) override;

    HRESULT OnSelectionChanged(DWORD tableId, const TableCellRange* ranges, DWORD count) override;
    HRESULT OnCellActivated(DWORD tableIdAndHow, DWORD row, DWORD column) override;
    HRESULT OnCellTextEdited(DWORD tableId, DWORD row, DWORD column, IAutoOvoString* text) override;
    HRESULT OnListItemChosen(DWORD tableId, DWORD command, DWORD row, DWORD column, DWORD item) override;
    HRESULT OnAlwaysShowLatestToggled(DWORD tableId, SHORT on) override;

    HRESULT GetItemCount(DWORD tableId, DWORD row, DWORD column, DWORD* count) override;
    HRESULT GetItemText(DWORD tableId, DWORD row, DWORD column, DWORD index, IAutoOvoString** text) override;

    HRESULT MoveColumn(DWORD reserved, DWORD source, DWORD target) override;
    HRESULT GetColumnWidth(DWORD reserved, DWORD column, DWORD* width) override;
    HRESULT SetColumnWidth(DWORD reserved, DWORD column, DWORD width) override;

    void SetText(DWORD row, DWORD column, const std::u16string& text) { texts[{row, column}] = text; }
    void SetFlags(DWORD row, DWORD column, DWORD value) { flags[{row, column}] = value; }
    // Titles "C1".."Cn" (flag 0x10), row titles "R1".."Rm" and cells "r:c".
    void FillDefault();
    // The log lines that start with a word, and the log emptied.
    std::vector<std::string> Take(const std::string& word = "");

    std::map<std::pair<DWORD, DWORD>, std::u16string> texts;
    std::map<std::pair<DWORD, DWORD>, DWORD> flags;
    std::map<std::pair<DWORD, DWORD>, std::vector<std::u16string>> items;
    DWORD storedRows;
    DWORD columnCount;
    std::vector<DWORD> widths; // by client column
    // What OnListItemChosen answers (non-zero: the cell is to be emptied).
    HRESULT chosenAnswer = S_OK;
    std::vector<std::string> log;
};

} // namespace TarvikTest

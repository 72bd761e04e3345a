#pragma once
// The interfaces between a table's client view, the table view manager and
// the table view: the client's data and row counts, its actions and its
// command lists; the manager's own operations for the client and for the view.
// Table ids: 8 the main grid, 16 the fixed grid of summary rows (a selection
// report adds 1 when the mouse made it), 0 the client's table as a whole.

#include "platform/vantrel/IAutoOvoString.h"
#include "platform/vantrel/IBinInStream.h"
#include "platform/vantrel/IBinOutStream.h"

struct HWND__;

inline constexpr IID IID_ITableViewManager = MakeGuid("{A7C117BC-8D54-420E-8FCE-76BC2E040B91}");
inline constexpr IID IID_ITableViewMgrInternal = MakeGuid("{69B45660-AA93-41AA-AF4A-018E334AC195}");
inline constexpr IID IID_ITableUserActionHandler = MakeGuid("{2DF7DCBB-CDE0-40A1-B6E7-DDBA8CF2114C}");
inline constexpr IID IID_ITableDataManager = MakeGuid("{D7C72AF1-1E93-4968-B949-DA7E6AE623F2}");
inline constexpr IID IID_ITableStoredRowInfo = MakeGuid("{26737130-7707-4760-BDB4-FFD210253113}");
inline constexpr IID IID_IListGenerator = MakeGuid("{F4BE014B-7333-4A13-98CA-C7B25BC31DA1}");

// Row 0 is the column-title row and column 0 the row-title column.
struct ITableDataManager : IUnknown {
    virtual HRESULT GetCellText(DWORD tableId, DWORD row, DWORD column, IAutoOvoString** text) = 0; // slot 3
    virtual HRESULT GetCellFlags(DWORD tableId, DWORD row, DWORD column, DWORD* flags) = 0;         // slot 4
    // Data columns, the row-title column included.
    virtual HRESULT GetColumnCount(DWORD tableId, DWORD* count) = 0;         // slot 5
    virtual HRESULT GetSourceName(DWORD tableId, IAutoOvoString** name) = 0; // slot 6
    virtual HRESULT GetTitle(DWORD tableId, IAutoOvoString** title) = 0;     // slot 7

protected:
    ~ITableDataManager() = default;
};

// Rows of a table, its title row included.
struct ITableStoredRowInfo : IUnknown {
    virtual HRESULT GetRowCount(DWORD tableId, DWORD* count) = 0; // slot 3

protected:
    ~ITableStoredRowInfo() = default;
};

struct IListGenerator : IUnknown {
    virtual HRESULT GetItemCount(DWORD tableId, DWORD row, DWORD column, DWORD* count) = 0; // slot 3
    virtual HRESULT GetItemText(DWORD tableId, DWORD row, DWORD column, DWORD index,
                                IAutoOvoString** text) = 0; // slot 4

protected:
    ~IListGenerator() = default;
};

// A selected block: one column, rows [first, end).
struct TableCellRange {
    DWORD column;
    DWORD firstRow;
    DWORD endRow;
};
static_assert(sizeof(TableCellRange) == 12);

struct ITableUserActionHandler : IUnknown {
    virtual HRESULT OnSelectionChanged(DWORD tableId, const TableCellRange* ranges,
                                       DWORD count) = 0; // slot 3
    // how: 1 click, 2 double click, 4 right button (added to the table id).
    virtual HRESULT OnCellActivated(DWORD tableIdAndHow, DWORD row, DWORD column) = 0; // slot 4
    virtual HRESULT OnCellTextEdited(DWORD tableId, DWORD row, DWORD column,
                                     IAutoOvoString* text) = 0; // slot 5
    virtual HRESULT OnListItemChosen(DWORD tableId, DWORD command, DWORD row, DWORD column,
                                     DWORD item) = 0;                       // slot 6
    virtual HRESULT OnAlwaysShowLatestToggled(DWORD tableId, SHORT on) = 0; // slot 7

protected:
    ~ITableUserActionHandler() = default;
};

struct ITableViewManager : IUnknown {
    virtual HRESULT CreateView(DWORD style, HWND__* parent, IUnknown* hostDocument, IUnknown* hostServices,
                               ITableDataManager* data, ITableStoredRowInfo* rows,
                               ITableUserActionHandler* actions, IListGenerator* lists) = 0; // slot 3
    virtual HRESULT PositionView(DWORD reserved, LONG x, LONG y, LONG width, LONG height, LONG rowNumberWidth,
                                 DWORD defaultColumnWidth, LONG fixedGridHeight) = 0;           // slot 4
    virtual HRESULT DestroyView(DWORD reserved) = 0;                                            // slot 5
    virtual HRESULT ColumnsChanged(DWORD reserved) = 0;                                         // slot 6
    virtual HRESULT InvalidateCell(DWORD reserved, DWORD row, DWORD column) = 0;                // slot 7
    virtual HRESULT SelectRows(DWORD tableId, DWORD firstRow, DWORD endRow) = 0;                // slot 8
    virtual HRESULT SelectCells(DWORD tableId, DWORD column, DWORD firstRow, DWORD endRow) = 0; // slot 9
    virtual HRESULT SetStyle(DWORD style) = 0;                                                  // slot 10
    virtual HRESULT AddSelectionToDataPad(DWORD reserved) = 0;                                  // slot 11
    virtual HRESULT LoadState(DWORD reserved, IBinInStream* in) = 0;                            // slot 12
    virtual HRESULT SaveState(DWORD reserved, IBinOutStream* out) = 0;                          // slot 13
    virtual HRESULT Reserved14(DWORD, DWORD, DWORD, DWORD) { return E_NOTIMPL; }                // slot 14
    virtual HRESULT ShowRow(DWORD tableId, DWORD row) = 0;                                      // slot 15
    virtual HRESULT SetAlwaysShowLatest(DWORD reserved, SHORT on) = 0;                          // slot 16
    // A null name lets the user choose the file.
    virtual HRESULT ExportCsv(DWORD reserved, IAutoOvoString* fileName) = 0; // slot 17

protected:
    ~ITableViewManager() = default;
};

// Column names and units a data manager may offer besides its cells; the
// column is the 0-based data column (the client's column less the grid's
// column origin).
inline constexpr IID IID_ITableColumnTitles = MakeGuid("{ACDB7226-F88C-45E4-8394-87543571F4EF}");

struct ITableColumnTitles : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; }                       // slot 3
    virtual HRESULT Reserved4() { return E_NOTIMPL; }                       // slot 4
    virtual HRESULT Reserved5() { return E_NOTIMPL; }                       // slot 5
    virtual HRESULT Reserved6() { return E_NOTIMPL; }                       // slot 6
    virtual HRESULT Reserved7() { return E_NOTIMPL; }                       // slot 7
    virtual HRESULT Reserved8() { return E_NOTIMPL; }                       // slot 8
    virtual HRESULT Reserved9() { return E_NOTIMPL; }                       // slot 9
    virtual HRESULT Reserved10() { return E_NOTIMPL; }                      // slot 10
    virtual HRESULT Reserved11() { return E_NOTIMPL; }                      // slot 11
    virtual HRESULT Reserved12() { return E_NOTIMPL; }                      // slot 12
    virtual HRESULT GetColumnName(DWORD column, IAutoOvoString** name) = 0; // slot 13
    virtual HRESULT GetColumnUnit(DWORD column, IAutoOvoString** unit) = 0; // slot 14

protected:
    ~ITableColumnTitles() = default;
};

// What the table view asks of the manager for column order and widths.
struct ITableViewMgrInternal : IUnknown {
    virtual HRESULT MoveColumn(DWORD reserved, DWORD source, DWORD target) = 0;     // slot 3
    virtual HRESULT GetColumnWidth(DWORD reserved, DWORD column, DWORD* width) = 0; // slot 4
    virtual HRESULT SetColumnWidth(DWORD reserved, DWORD column, DWORD width) = 0;  // slot 5

protected:
    ~ITableViewMgrInternal() = default;
};

// A new manager with one reference; E_OUTOFMEMORY (and null) when it cannot be made.
HRESULT CreateTableViewManager(ITableViewManager** out);

#pragma once
// The table view window a manager owns: a child window of the client view
// that will show the main grid (table id 8) and the fixed grid of summary
// rows (16). This is its frame: creation, placement, style, and the grid
// state the manager reads and sets (the column count laid out, the
// always-show-latest flag); the grids that draw in it are a later part.

#include "core/String.h"
#include "platform/owl/TWindow.h"
#include "tableview/TableInterfaces.h"

class TVF_TableView : public OWL::TWindow {
public:
    TVF_TableView(HWND parent, ITableViewMgrInternal* manager, IUnknown* hostDocument,
                  IUnknown* hostServices);
    ~TVF_TableView() override;

    // The set-up with a style, the manager's data and action facades, the
    // client's action handler and its list generator.
    void Setup(DWORD style, ITableDataManager* data, ITableUserActionHandler* managerActions,
               ITableUserActionHandler* clientActions, IListGenerator* lists);
    void Position(LONG x, LONG y, LONG width, LONG height, LONG rowNumberWidth, LONG fixedGridHeight);

    // The main grid's columns laid out (0 until the first count).
    void SetColumnCount(DWORD count) { mColumns = count; }
    DWORD ColumnCount() const { return mColumns; }
    bool HasColumnsLaidOut() const { return mColumns > 0; }

    void InvalidateCell(DWORD row, DWORD viewColumn);
    void SelectRows(DWORD tableId, DWORD firstRow, DWORD endRow);
    void SelectCells(DWORD tableId, DWORD viewColumn, DWORD firstRow, DWORD endRow);
    void SetStyle(DWORD style) { mStyle = style; }
    DWORD Style() const { return mStyle; }
    void ShowRow(DWORD tableId, DWORD row);
    void SetAlwaysShowLatest(bool on) { mAlwaysShowLatest = on; }
    bool AlwaysShowLatest() const { return mAlwaysShowLatest; }

    // What the grids were last asked, for those that read it.
    struct Request {
        DWORD tableId = 0;
        DWORD column = 0;
        DWORD first = 0;
        DWORD end = 0;
    };
    const Request& LastSelection() const { return mSelection; }
    const Request& LastShownRow() const { return mShown; }
    LONG RowNumberWidth() const { return mRowNumberWidth; }
    LONG FixedGridHeight() const { return mFixedGridHeight; }

private:
    ITableViewMgrInternal* mManager;
    DWORD mStyle = 0;
    DWORD mColumns = 0;
    bool mAlwaysShowLatest = false;
    LONG mRowNumberWidth = 0;
    LONG mFixedGridHeight = 0;
    Request mSelection;
    Request mShown;
};

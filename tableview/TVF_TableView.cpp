#include "tableview/TVF_TableView.h"

// The manager owns the view: it is made in the parent window without
// belonging to the parent's framework object.
TVF_TableView::TVF_TableView(HWND parent, ITableViewMgrInternal* manager, IUnknown*, IUnknown*)
    : OWL::TWindow(static_cast<OWL::TWindow*>(nullptr), u""), mManager(manager) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    SetParentHandle(parent);
    Create();
}

TVF_TableView::~TVF_TableView() = default;

void TVF_TableView::Setup(DWORD style, ITableDataManager*, ITableUserActionHandler*, ITableUserActionHandler*,
                          IListGenerator*) {
    mStyle = style;
}

void TVF_TableView::Position(LONG x, LONG y, LONG width, LONG height, LONG rowNumberWidth,
                             LONG fixedGridHeight) {
    mRowNumberWidth = rowNumberWidth;
    mFixedGridHeight = fixedGridHeight;
    MoveWindow(x, y, width, height, true);
}

void TVF_TableView::InvalidateCell(DWORD, DWORD) {
    Invalidate(false);
}

void TVF_TableView::SelectRows(DWORD tableId, DWORD firstRow, DWORD endRow) {
    mSelection = Request{tableId, 0, firstRow, endRow};
}

void TVF_TableView::SelectCells(DWORD tableId, DWORD viewColumn, DWORD firstRow, DWORD endRow) {
    mSelection = Request{tableId, viewColumn, firstRow, endRow};
}

void TVF_TableView::ShowRow(DWORD tableId, DWORD row) {
    mShown = Request{tableId, 0, row, row + 1};
}

#pragma once
// The table view manager: the one object through which a client view drives
// a table. It owns the table view window, keeps the column state (the order
// in which data columns are shown and their widths), maps view columns to
// data columns between the view and the client, and saves and loads the
// column state:
//
//   u32 version 2, u32 N, N order entries (the data column shown at each view
//   column), N widths (by data column, pixel width + 10; only when N > 0),
//   u32 1337.
//
// A reset (or a column appended) stores the default width itself, so such a
// column shows 10 pixels narrower than the default until resized.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/CComObjectRoot.h"
#include "tableview/TVF_TableView.h"
#include "tableview/TableInterfaces.h"

class TVF_TableViewMgr : public ITableViewManager,
                         public ITableViewMgrInternal,
                         public ITableUserActionHandler,
                         public ITableDataManager,
                         public Ovo::CComObjectRoot {
public:
    static constexpr DWORD kVersion = 2;
    static constexpr DWORD kEndMarker = 1337;
    static constexpr DWORD kStoredExtra = 10;

    TVF_TableViewMgr() = default;
    ~TVF_TableViewMgr() override;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    // ITableViewManager.
    HRESULT CreateView(DWORD style, HWND__* parent, IUnknown* hostDocument, IUnknown* hostServices,
                       ITableDataManager* data, ITableStoredRowInfo* rows, ITableUserActionHandler* actions,
                       IListGenerator* lists) override;
    HRESULT PositionView(DWORD reserved, LONG x, LONG y, LONG width, LONG height, LONG rowNumberWidth,
                         DWORD defaultColumnWidth, LONG fixedGridHeight) override;
    HRESULT DestroyView(DWORD reserved) override;
    HRESULT ColumnsChanged(DWORD reserved) override;
    HRESULT InvalidateCell(DWORD reserved, DWORD row, DWORD column) override;
    HRESULT SelectRows(DWORD tableId, DWORD firstRow, DWORD endRow) override;
    HRESULT SelectCells(DWORD tableId, DWORD column, DWORD firstRow, DWORD endRow) override;
    HRESULT SetStyle(DWORD style) override;
    HRESULT AddSelectionToDataPad(DWORD reserved) override;
    // Refuses (E_FAIL, the state kept as it was) a record that cannot be read
    // whole, whose order is not a permutation of 0..N-1 or whose end marker is
    // wrong; a version-1 record gives every column the default width; a
    // version above 2 throws XOvo 0xA0048205.
    HRESULT LoadState(DWORD reserved, IBinInStream* in) override;
    HRESULT SaveState(DWORD reserved, IBinOutStream* out) override;
    HRESULT ShowRow(DWORD tableId, DWORD row) override;
    HRESULT SetAlwaysShowLatest(DWORD reserved, SHORT on) override;
    HRESULT ExportCsv(DWORD reserved, IAutoOvoString* fileName) override;

    // ITableViewMgrInternal. A target beyond the order is clamped to its end.
    HRESULT MoveColumn(DWORD reserved, DWORD source, DWORD target) override;
    HRESULT GetColumnWidth(DWORD reserved, DWORD column, DWORD* width) override;
    HRESULT SetColumnWidth(DWORD reserved, DWORD column, DWORD width) override;

    // ITableUserActionHandler: to the client's handler with columns mapped.
    HRESULT OnSelectionChanged(DWORD tableId, const TableCellRange* ranges, DWORD count) override;
    HRESULT OnCellActivated(DWORD tableIdAndHow, DWORD row, DWORD column) override;
    HRESULT OnCellTextEdited(DWORD tableId, DWORD row, DWORD column, IAutoOvoString* text) override;
    HRESULT OnListItemChosen(DWORD tableId, DWORD command, DWORD row, DWORD column, DWORD item) override;
    HRESULT OnAlwaysShowLatestToggled(DWORD tableId, SHORT on) override;

    // ITableDataManager: to the client's data with columns mapped.
    HRESULT GetCellText(DWORD tableId, DWORD row, DWORD column, IAutoOvoString** text) override;
    HRESULT GetCellFlags(DWORD tableId, DWORD row, DWORD column, DWORD* flags) override;
    HRESULT GetColumnCount(DWORD tableId, DWORD* count) override;
    HRESULT GetSourceName(DWORD tableId, IAutoOvoString** name) override;
    HRESULT GetTitle(DWORD tableId, IAutoOvoString** title) override;

    // The data column shown at a view column, and back (view column 0 when
    // no view column shows it).
    DWORD ToDataColumn(DWORD viewColumn) const;
    DWORD ToViewColumn(DWORD dataColumn) const;

    const std::vector<std::uint32_t>& Order() const { return mOrder; }
    const std::vector<std::uint32_t>& Widths() const { return mWidths; }
    DWORD DefaultColumnWidth() const { return mDefaultWidth; }
    TVF_TableView* View() const { return mView.get(); }

private:
    bool ColumnsLaidOut() const { return mView && mView->HasColumnsLaidOut(); }
    DWORD ClientColumnCount() const;
    void ResetColumns();

    std::unique_ptr<TVF_TableView> mView;
    std::vector<std::uint32_t> mOrder;
    std::vector<std::uint32_t> mWidths;
    ITableDataManager* mData = nullptr;
    ITableUserActionHandler* mActions = nullptr;
    DWORD mDefaultWidth = 100;
    bool mAlwaysShowLatest = false;
};

#pragma once
// TVF_Renderer: fills a grid with a client's table: the column titles, the
// row labels and the cells with their flags (CellFlags.h), all pulled from
// the client's ITableDataManager with the renderer's table id. The stored
// rows are laid out through a record-data pixmap. While a printout of the
// grid exists it limits the grid to the selected rows.
//
// Counted like a COM object: the creator adds the first reference; the last
// release deletes it.

#include <memory>
#include <vector>

#include "core/CComObjectRoot.h"
#include "platform/owl/TFont.h"
#include "platform/win32/com_ptr.h"
#include "tableview/GridRenderer.h"
#include "tableview/TVF_PixMap.h"
#include "tableview/TableInterfaces.h"

namespace TVF_Grid {
class EventGridControl;
}

class TVF_Renderer : public TVF_Grid::GridRenderer, public Ovo::CComObjectRoot {
public:
    static constexpr int kDefaultColumnWidth = 100;
    static constexpr COLORREF kAccentColour = 0x001C4EE6; // RGB(230, 78, 28)
    static constexpr COLORREF kNoChoiceColour = 0x00808080;
    static constexpr const char16_t* kNoChoiceText = u"<Select Channel>";

    explicit TVF_Renderer(TVF_Grid::EventGridControl& grid);
    ~TVF_Renderer() override;

    ULONG AddRef() { return InternalAddRef(); }
    ULONG Release() { return InternalRelease(); }

    // Attaches a client, with a new pixmap over its stored rows.
    void SetData(DWORD tableId, ITableViewMgrInternal* columnLayout, ITableDataManager* data,
                 ITableStoredRowInfo* rows);
    // Forgets the client: its data manager and the pixmap.
    void DetachData();
    // Rebuilds the grid's columns and row count from the client.
    void Refresh();
    // The title of a client column: name (unit) from the optional title
    // interface, else row 0's text when its flags have 0x10, else empty.
    Ovo::String GetColumnTitle(int column) const;
    TVF_PixMap* PixMap() const { return mPixMap.Get(); }

    bool DrawCells(OWL::TDC& dc, const TVF_Grid::GridColumn& column, const OWL::TRect& rect,
                   TVF_Grid::RowPosCursor& rows, int& widestCell, int& widestText) override;
    void PrepareCellColours(HDC dc, int row, int rowOrigin, int col, int colOrigin, int state,
                            const COLORREF* colour) override;
    void OnCellPainted(OWL::TDC& dc, int row, int rowOrigin, int col, int colOrigin, bool selected) override;
    // The client's row-title text, indented by three spaces with flag 0x1000.
    Ovo::String GetRowLabel(int row, int origin) override;
    // Printing shows the selected rows only (unless style bit 8 is set or
    // nothing is selected): the row count becomes the selection's height
    // while the printout exists, and printed row i is selected row i.
    void BeginPrintRows() override;
    void EndPrintRows() override;
    int FirstPrintedRow() const override;

private:
    struct ColumnEntry {};

    bool PrintsSelectedRows() const;
    // The text of a cell as shown, and its flags (1 for a cell at or past the
    // row limit or the client's columns, which is not asked).
    Ovo::String CellText(int row, int clientColumn, int limit, DWORD& flags) const;
    int DrawCellText(OWL::TDC& dc, const OWL::TRect& rect, const Ovo::String& text, DWORD flags) const;

    ITableViewMgrInternal* mColumnLayout = nullptr;
    ITableDataManager* mData = nullptr;
    ITableStoredRowInfo* mRows = nullptr;
    ComPtr<TVF_PixMap> mPixMap;
    std::unique_ptr<OWL::TFont> mBoldFont;
    TVF_Grid::EventGridControl& mGrid;
    int mColumnCount = -1;
    int mColumnOrigin = -1;
    int mRowOrigin;
    int mGridColumnOrigin;
    DWORD mTableId = 0;
    std::vector<ColumnEntry> mColumnEntries;
    int mSavedRowEnd = -1;
    int mSavedRowOrigin = -1;
};

#include "tableview/TVF_Renderer.h"

#include <algorithm>

#include "controls/Fonts.h"
#include "platform/user/user.h"
#include "tableview/EventGridControl.h"
#include "tableview/GridPane.h"

using namespace TVF_Grid;

TVF_Renderer::TVF_Renderer(EventGridControl& grid)
    : mGrid(grid), mRowOrigin(grid.RowOrigin()), mGridColumnOrigin(grid.ColumnOrigin()) {
    HDC screen = GetDC(nullptr);
    GuiFont bold;
    MakeGuiFont(screen, bold, 10, true);
    ReleaseDC(nullptr, screen);
    mBoldFont = std::move(bold.font);
    mColumnEntries.reserve(8);
}

TVF_Renderer::~TVF_Renderer() = default;

void TVF_Renderer::SetData(DWORD tableId, ITableViewMgrInternal* columnLayout, ITableDataManager* data,
                           ITableStoredRowInfo* rows) {
    mTableId = tableId;
    mColumnLayout = columnLayout;
    mData = data;
    mRows = rows;
    mPixMap = ComPtr<TVF_PixMap>(new TVF_PixMap(rows, mRowOrigin, mGridColumnOrigin, tableId));
}

void TVF_Renderer::DetachData() {
    mData = nullptr;
    mPixMap.Reset();
}

Ovo::String TVF_Renderer::GetColumnTitle(int column) const {
    if (mData == nullptr)
        return {};
    const DWORD dataColumn = static_cast<DWORD>(column - mGridColumnOrigin);
    if (auto titles = QueryInterfacePtr<ITableColumnTitles>(mData, IID_ITableColumnTitles)) {
        Ovo::String name;
        Ovo::String unit;
        IAutoOvoString* out = nullptr;
        if (SUCCEEDED(titles->GetColumnName(dataColumn, &out)))
            name.AssignAndRelease(std::exchange(out, nullptr));
        if (SUCCEEDED(titles->GetColumnUnit(dataColumn, &out)))
            unit.AssignAndRelease(out);
        if (!unit.IsEmpty()) {
            name += u" (";
            name += unit;
            name += u")";
        }
        return name;
    }
    if (ReadCellFlags(mData, mTableId, 0, static_cast<DWORD>(column)) & kTitleCell)
        return ReadCellText(mData, mTableId, 0, static_cast<DWORD>(column));
    return {};
}

void TVF_Renderer::Refresh() {
    DWORD count = 0;
    if (mData != nullptr)
        mData->GetColumnCount(mTableId, &count);
    mColumnCount = static_cast<int>(count);
    mColumnOrigin = mGrid.ColumnOrigin();
    mGrid.SetColumnSource(mColumnCount, mColumnOrigin);
    GridPane& pane = mGrid.Pane();
    pane.ClearColumns();
    mColumnEntries.resize(static_cast<std::size_t>(std::max(mColumnCount - mColumnOrigin, 0)));
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, mGrid.HeaderFont().GetHandle());
    for (int c = mColumnOrigin; c < mColumnCount; ++c) {
        const Ovo::String title = GetColumnTitle(c);
        DWORD width = kDefaultColumnWidth;
        if (mColumnLayout != nullptr)
            mColumnLayout->GetColumnWidth(0, static_cast<DWORD>(c), &width);
        int pixels = static_cast<int>(width);
        if (width == static_cast<DWORD>(-1)) {
            SIZE extent{0, 0};
            GetTextExtentPoint32W(screen, title.c_str(), title.Length(), &extent);
            pixels = extent.cx + 10;
        }
        pane.AddColumn(std::make_unique<UniformGridColumn>(title, c - mColumnOrigin, pixels));
        mGrid.UpdateScrollBars(false);
    }
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    if (mColumnCount <= mColumnOrigin)
        pane.AddColumn(std::make_unique<UniformGridColumn>(Ovo::String(), 0, kDefaultColumnWidth));
    mGrid.UpdateScrollBars(true);
    LONGLONG total = 0;
    if (mPixMap) {
        mPixMap->Rebuild();
        mPixMap->GetTotal(&total);
    }
    mGrid.SetRowCount(static_cast<int>(total) + mRowOrigin, mRowOrigin);
    if (mGrid.IsWindow())
        mGrid.InvalidateAll();
}

Ovo::String TVF_Renderer::GetRowLabel(int row, int) {
    Ovo::String label = ReadCellText(mData, mTableId, static_cast<DWORD>(row), 0);
    if (!label.IsEmpty() && (ReadCellFlags(mData, mTableId, static_cast<DWORD>(row), 0) & kIndented)) {
        Ovo::String indented(u"   ");
        indented += label;
        return indented;
    }
    return label;
}

void TVF_Renderer::PrepareCellColours(HDC dc, int row, int rowOrigin, int col, int colOrigin, int state,
                                      const COLORREF* colour) {
    mGrid.PrepareCellColours(dc, row, rowOrigin, col, colOrigin, state, colour);
}

void TVF_Renderer::OnCellPainted(OWL::TDC& dc, int row, int rowOrigin, int col, int colOrigin,
                                 bool selected) {
    mGrid.OnCellPainted(dc, row, rowOrigin, col, colOrigin, selected);
}

bool TVF_Renderer::PrintsSelectedRows() const {
    return mGrid.Selection().IsValid() && !mGrid.StyleBit8();
}

void TVF_Renderer::BeginPrintRows() {
    if (!PrintsSelectedRows()) {
        mSavedRowEnd = mSavedRowOrigin = -1;
        return;
    }
    mSavedRowEnd = mGrid.RowCount() + mGrid.RowOrigin();
    mSavedRowOrigin = mGrid.RowOrigin();
    const SelectionRange& range = mGrid.Selection().Range();
    mGrid.SetRowCount(range.rowEnd.index - range.rowStart.index + mGrid.RowOrigin(), mGrid.RowOrigin());
}

int TVF_Renderer::FirstPrintedRow() const {
    return mGrid.NoHighlight() && PrintsSelectedRows() ? mGrid.Selection().Range().rowStart.Inner() : 0;
}

void TVF_Renderer::EndPrintRows() {
    if (mSavedRowEnd >= 0 && mSavedRowOrigin >= 0)
        mGrid.SetRowCount(mSavedRowEnd, mSavedRowOrigin);
    mSavedRowEnd = mSavedRowOrigin = -1;
}

Ovo::String TVF_Renderer::CellText(int row, int clientColumn, int limit, DWORD& flags) const {
    const bool printing = mGrid.NoHighlight();
    Ovo::String text;
    flags = 1;
    if (row < limit && clientColumn < mColumnCount) {
        text = ReadCellText(mData, mTableId, static_cast<DWORD>(row), static_cast<DWORD>(clientColumn));
        flags = ReadCellFlags(mData, mTableId, static_cast<DWORD>(row), static_cast<DWORD>(clientColumn), 1);
    }
    if (flags & kEmptyCell)
        text = Ovo::String();
    if (flags & kChoiceCell) {
        const std::int32_t index = ParseListIndex(text);
        const auto& choices = mGrid.ChoiceList();
        const auto it = index < 0 ? choices.end() : choices.find(index);
        text = it == choices.end() ? Ovo::String() : it->second;
        if (!(flags & kEditableByClick))
            text = Ovo::String();
        if (flags & kNoChoice)
            text = Ovo::String(kNoChoiceText);
    }
    if (flags & kIndented) {
        Ovo::String indented(u"   ");
        indented += text;
        text = indented;
    }
    if (printing && (flags & kNoChoice))
        text = Ovo::String();
    return text;
}

int TVF_Renderer::DrawCellText(OWL::TDC& dc, const OWL::TRect& rect, const Ovo::String& text,
                               DWORD flags) const {
    if (flags & kNoChoice)
        dc.SetTextColor(kNoChoiceColour);
    if (!mGrid.NoHighlight()) {
        const bool bold = (flags & kTitleCell) && !(flags & (kEmptyCell | kNoChoice));
        SelectObject(dc, bold ? mBoldFont->GetHandle() : mGrid.CellFont().GetHandle());
    }
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.ExtTextOut(rect.left, rect.top, ETO_OPAQUE | ETO_CLIPPED, &rect, text.c_str(), text.Length());
    return dc.GetTextExtent(text.c_str(), text.Length()).cx;
}

// Rows are walked record by record through the pixmap, stopping at the end
// of the records.
bool TVF_Renderer::DrawCells(OWL::TDC& dc, const GridColumn& column, const OWL::TRect& rect,
                             RowPosCursor& rows, int& widestCell, int& widestText) {
    if (column.DataColumn() >= static_cast<int>(mColumnEntries.size()) || !mPixMap)
        return true;
    const int rowOrigin = mGrid.RowOrigin();
    const int clientColumn = column.DataColumn() + mColumnOrigin;
    const int gridColumn = column.DataColumn() + mGrid.ColumnOrigin();
    DWORD stored = 0;
    if (mRows != nullptr)
        mRows->GetRowCount(mTableId, &stored);
    int limit = static_cast<int>(stored);
    int firstRow = 0;
    if (mGrid.NoHighlight()) {
        // On paper, trailing rows and whole columns without a choice are left out.
        const auto firstDataColumn = static_cast<DWORD>(mColumnOrigin);
        while (
            limit > rowOrigin &&
            (ReadCellFlags(mData, mTableId, static_cast<DWORD>(limit - 1), firstDataColumn, 1) & kNoChoice))
            --limit;
        if (ReadCellFlags(mData, mTableId, static_cast<DWORD>(rowOrigin), static_cast<DWORD>(clientColumn),
                          1) &
            kNoChoice)
            return true;
        firstRow = FirstPrintedRow();
    }
    LONGLONG recordEnd = -1;
    for (; rows.HasMore(); rows.Next()) {
        const int row = rows.Row().Inner() + firstRow;
        if (row >= recordEnd) {
            PixMapPosition at{};
            if (mPixMap->FindRecord(row, &at, &recordEnd) != S_OK)
                break;
        }
        const OWL::TRect cell(rect.left, rows.Top(), rect.right, rows.Bottom());
        mGrid.PrepareCellColours(dc, row + rowOrigin, rowOrigin, gridColumn, mGrid.ColumnOrigin(), 0,
                                 nullptr);
        DWORD flags = 1;
        const Ovo::String text = CellText(row + rowOrigin, clientColumn, limit, flags);
        if (flags & kAccentText)
            mGrid.PrepareCellColours(dc, row + rowOrigin, rowOrigin, gridColumn, mGrid.ColumnOrigin(), 0,
                                     &kAccentColour);
        const int width = DrawCellText(dc, cell, text, flags);
        widestText = std::max(widestText, width);
        widestCell = std::max(widestCell, cell.Width());
    }
    return true;
}

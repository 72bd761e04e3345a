#include "tableview/TVF_TableViewMgr.h"

#include <algorithm>
#include <new>
#include <numeric>

#include "core/XOvo.h"

HRESULT CreateTableViewManager(ITableViewManager** out) {
    if (out == nullptr)
        return E_POINTER;
    auto* manager = new (std::nothrow) TVF_TableViewMgr();
    *out = manager;
    if (manager == nullptr)
        return E_OUTOFMEMORY;
    manager->AddRef();
    return S_OK;
}

TVF_TableViewMgr::~TVF_TableViewMgr() = default;

HRESULT TVF_TableViewMgr::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_ITableViewManager, static_cast<ITableViewManager*>(this)},
                                   {IID_ITableViewMgrInternal, static_cast<ITableViewMgrInternal*>(this)},
                                   {IID_ITableUserActionHandler, static_cast<ITableUserActionHandler*>(this)},
                                   {IID_ITableDataManager, static_cast<ITableDataManager*>(this)}},
                                  iid, out);
}

DWORD TVF_TableViewMgr::ClientColumnCount() const {
    DWORD count = 0;
    if (mData != nullptr)
        mData->GetColumnCount(0, &count);
    return count;
}

void TVF_TableViewMgr::ResetColumns() {
    if (mData == nullptr)
        return;
    mOrder.clear();
    mWidths.clear();
    const DWORD count = ClientColumnCount();
    for (DWORD i = 0; i < count; ++i) {
        mOrder.push_back(i);
        mWidths.push_back(mDefaultWidth);
    }
}

DWORD TVF_TableViewMgr::ToDataColumn(DWORD viewColumn) const {
    if (!ColumnsLaidOut() || viewColumn >= mOrder.size())
        return viewColumn;
    return mOrder[viewColumn];
}

DWORD TVF_TableViewMgr::ToViewColumn(DWORD dataColumn) const {
    const auto it = std::find(mOrder.begin(), mOrder.end(), dataColumn);
    return it == mOrder.end() ? 0 : static_cast<DWORD>(it - mOrder.begin());
}

HRESULT TVF_TableViewMgr::CreateView(DWORD style, HWND__* parent, IUnknown* hostDocument,
                                     IUnknown* hostServices, ITableDataManager* data,
                                     ITableStoredRowInfo* rows, ITableUserActionHandler* actions,
                                     IListGenerator* lists) {
    if (parent == nullptr || data == nullptr || rows == nullptr)
        return E_FAIL;
    auto view = std::make_unique<TVF_TableView>(parent, static_cast<ITableViewMgrInternal*>(this),
                                                hostDocument, hostServices);
    mView = std::move(view);
    mData = data;
    mActions = actions;
    if (ClientColumnCount() != mOrder.size())
        ResetColumns();
    mView->SetColumnCount(static_cast<DWORD>(mOrder.size()));
    if (style != 0)
        mView->Setup(style, this, this, actions, lists, rows);
    return mView ? S_OK : E_FAIL;
}

HRESULT TVF_TableViewMgr::PositionView(DWORD, LONG x, LONG y, LONG width, LONG height, LONG rowNumberWidth,
                                       DWORD defaultColumnWidth, LONG fixedGridHeight) {
    if (defaultColumnWidth != mDefaultWidth) {
        mDefaultWidth = defaultColumnWidth;
        ResetColumns();
    }
    if (mView)
        mView->Position(x, y, width, height, rowNumberWidth, fixedGridHeight);
    return S_OK;
}

HRESULT TVF_TableViewMgr::DestroyView(DWORD) {
    mView.reset();
    return S_OK;
}

HRESULT TVF_TableViewMgr::ColumnsChanged(DWORD) {
    if (!mView || mData == nullptr)
        return E_FAIL;
    const DWORD count = ClientColumnCount();
    for (DWORD i = static_cast<DWORD>(mOrder.size()); i < count; ++i) {
        mOrder.push_back(i);
        mWidths.push_back(mDefaultWidth);
    }
    if (count < mOrder.size())
        ResetColumns();
    mView->SetColumnCount(count);
    return S_OK;
}

HRESULT TVF_TableViewMgr::InvalidateCell(DWORD, DWORD row, DWORD column) {
    if (!mView)
        return E_FAIL;
    mView->InvalidateCell(row, ToViewColumn(column));
    return S_OK;
}

HRESULT TVF_TableViewMgr::SelectRows(DWORD tableId, DWORD firstRow, DWORD endRow) {
    if (!mView)
        return E_FAIL;
    mView->SelectRows(tableId, firstRow, endRow);
    return S_OK;
}

HRESULT TVF_TableViewMgr::SelectCells(DWORD tableId, DWORD column, DWORD firstRow, DWORD endRow) {
    if (!mView)
        return E_FAIL;
    mView->SelectCells(tableId, ToViewColumn(column), firstRow, endRow);
    return S_OK;
}

HRESULT TVF_TableViewMgr::SetStyle(DWORD style) {
    if (!mView)
        return E_FAIL;
    mView->SetStyle(style);
    return S_OK;
}

HRESULT TVF_TableViewMgr::AddSelectionToDataPad(DWORD) {
    return mView ? mView->AddSelectionToDataPad() : E_FAIL;
}

HRESULT TVF_TableViewMgr::LoadState(DWORD, IBinInStream* in) {
    if (in == nullptr)
        return E_FAIL;
    LONG version = 0;
    if (FAILED(in->Read4(&version)))
        return E_FAIL;
    if (static_cast<DWORD>(version) > kVersion)
        throw XOvo(OVO_E_PERSISTED_DATA);
    LONG n = 0;
    if (FAILED(in->Read4(&n)) || n < 0)
        return E_FAIL;
    // Read into copies, one entry at a time: a count beyond the stream ends
    // in a failed read long before it could exhaust memory.
    std::vector<std::uint32_t> order, widths;
    for (LONG i = 0; i < n; ++i) {
        LONG entry = 0;
        if (FAILED(in->Read4(&entry)))
            return E_FAIL;
        order.push_back(static_cast<std::uint32_t>(entry));
    }
    std::vector<std::uint32_t> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        if (sorted[i] != i)
            return E_FAIL; // not a permutation of 0..N-1
    if (version > 1) {
        for (LONG i = 0; i < n; ++i) {
            LONG width = 0;
            if (FAILED(in->Read4(&width)))
                return E_FAIL;
            widths.push_back(static_cast<std::uint32_t>(width));
        }
    } else {
        widths.assign(order.size(), mDefaultWidth);
    }
    LONG marker = 0;
    if (FAILED(in->Read4(&marker)) || static_cast<DWORD>(marker) != kEndMarker)
        return E_FAIL;
    mOrder = std::move(order);
    mWidths = std::move(widths);
    return S_OK;
}

HRESULT TVF_TableViewMgr::SaveState(DWORD, IBinOutStream* out) {
    if (out == nullptr)
        return E_FAIL;
    out->WriteU32(kVersion);
    out->WriteU32(static_cast<DWORD>(mOrder.size()));
    for (std::uint32_t c : mOrder)
        out->WriteU32(c);
    for (std::size_t i = 0; i < mOrder.size(); ++i)
        out->WriteU32(i < mWidths.size() ? mWidths[i] : mDefaultWidth);
    out->WriteU32(kEndMarker);
    return S_OK;
}

HRESULT TVF_TableViewMgr::ShowRow(DWORD tableId, DWORD row) {
    if (!mView)
        return E_FAIL;
    if (!mAlwaysShowLatest)
        mView->ShowRow(tableId, row);
    return S_OK;
}

HRESULT TVF_TableViewMgr::SetAlwaysShowLatest(DWORD, SHORT on) {
    if (!mView)
        return E_FAIL;
    mAlwaysShowLatest = on != 0;
    mView->SetAlwaysShowLatest(mAlwaysShowLatest);
    return S_OK;
}

HRESULT TVF_TableViewMgr::ExportCsv(DWORD, IAutoOvoString* fileName) {
    if (!mView)
        return E_FAIL;
    Ovo::String name;
    if (fileName != nullptr)
        name.AssignFromInterface(fileName);
    return mView->ExportCsv(name);
}

HRESULT TVF_TableViewMgr::MoveColumn(DWORD, DWORD source, DWORD target) {
    if (source >= mOrder.size())
        return E_FAIL;
    const std::uint32_t moved = mOrder[source];
    mOrder.erase(mOrder.begin() + source);
    target = std::min<DWORD>(target, static_cast<DWORD>(mOrder.size()));
    mOrder.insert(mOrder.begin() + target, moved);
    return S_OK;
}

HRESULT TVF_TableViewMgr::GetColumnWidth(DWORD, DWORD column, DWORD* width) {
    if (width == nullptr)
        return E_POINTER;
    *width = mDefaultWidth;
    if (!ColumnsLaidOut())
        return S_OK;
    const DWORD data = ToDataColumn(column);
    if (column >= mWidths.size() || data >= mWidths.size())
        return E_FAIL;
    *width = mWidths[data] - kStoredExtra;
    return S_OK;
}

HRESULT TVF_TableViewMgr::SetColumnWidth(DWORD, DWORD column, DWORD width) {
    if (!ColumnsLaidOut())
        return S_OK;
    const DWORD data = ToDataColumn(column);
    if (column >= mWidths.size() || data >= mWidths.size())
        return E_FAIL;
    mWidths[data] = width + kStoredExtra;
    return S_OK;
}

HRESULT TVF_TableViewMgr::OnSelectionChanged(DWORD tableId, const TableCellRange* ranges, DWORD count) {
    if (mActions == nullptr || !ColumnsLaidOut())
        return S_OK;
    std::vector<TableCellRange> mapped(ranges, ranges + (ranges ? count : 0));
    for (TableCellRange& r : mapped)
        r.column = ToDataColumn(r.column);
    return mActions->OnSelectionChanged(tableId, mapped.data(), static_cast<DWORD>(mapped.size()));
}

HRESULT TVF_TableViewMgr::OnCellActivated(DWORD tableIdAndHow, DWORD row, DWORD column) {
    if (mActions == nullptr || !ColumnsLaidOut())
        return S_OK;
    return mActions->OnCellActivated(tableIdAndHow, row, ToDataColumn(column));
}

HRESULT TVF_TableViewMgr::OnCellTextEdited(DWORD tableId, DWORD row, DWORD column, IAutoOvoString* text) {
    if (mActions == nullptr || !ColumnsLaidOut())
        return S_OK;
    return mActions->OnCellTextEdited(tableId, row, ToDataColumn(column), text);
}

HRESULT TVF_TableViewMgr::OnListItemChosen(DWORD tableId, DWORD command, DWORD row, DWORD column,
                                           DWORD item) {
    if (mActions == nullptr || !ColumnsLaidOut())
        return S_OK;
    return mActions->OnListItemChosen(tableId, command, row, ToDataColumn(column), item);
}

HRESULT TVF_TableViewMgr::OnAlwaysShowLatestToggled(DWORD tableId, SHORT on) {
    if (mActions == nullptr || !ColumnsLaidOut())
        return S_OK;
    return mActions->OnAlwaysShowLatestToggled(tableId, on);
}

HRESULT TVF_TableViewMgr::GetCellText(DWORD tableId, DWORD row, DWORD column, IAutoOvoString** text) {
    if (text == nullptr)
        return E_POINTER;
    if (!ColumnsLaidOut() || mData == nullptr) {
        *text = nullptr; // the empty string
        return S_OK;
    }
    return mData->GetCellText(tableId, row, ToDataColumn(column), text);
}

HRESULT TVF_TableViewMgr::GetCellFlags(DWORD tableId, DWORD row, DWORD column, DWORD* flags) {
    if (flags == nullptr)
        return E_POINTER;
    if (!ColumnsLaidOut() || mData == nullptr) {
        *flags = 1;
        return S_OK;
    }
    return mData->GetCellFlags(tableId, row, ToDataColumn(column), flags);
}

HRESULT TVF_TableViewMgr::GetColumnCount(DWORD tableId, DWORD* count) {
    return mData ? mData->GetColumnCount(tableId, count) : E_FAIL;
}

HRESULT TVF_TableViewMgr::GetSourceName(DWORD tableId, IAutoOvoString** name) {
    return mData ? mData->GetSourceName(tableId, name) : E_FAIL;
}

HRESULT TVF_TableViewMgr::GetTitle(DWORD tableId, IAutoOvoString** title) {
    return mData ? mData->GetTitle(tableId, title) : E_FAIL;
}

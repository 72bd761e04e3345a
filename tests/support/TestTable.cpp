#include "tests/support/TestTable.h"

#include "core/CComObjectRoot.h"
#include "core/String.h"

namespace TarvikTest {

namespace {

IAutoOvoString* Text(const std::u16string& text) {
    return Ovo::String(text).GetInterface();
}

} // namespace

TestTable::TestTable(int dataRows, int columns)
    : storedRows(static_cast<DWORD>(dataRows + 1)), columnCount(static_cast<DWORD>(columns)),
      widths(static_cast<std::size_t>(columns), 100) {}

HRESULT TestTable::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_ITableDataManager, static_cast<ITableDataManager*>(this)},
                                   {IID_ITableStoredRowInfo, static_cast<ITableStoredRowInfo*>(this)},
                                   {IID_ITableUserActionHandler, static_cast<ITableUserActionHandler*>(this)},
                                   {IID_IListGenerator, static_cast<IListGenerator*>(this)},
                                   {IID_ITableViewMgrInternal, static_cast<ITableViewMgrInternal*>(this)}},
                                  iid, out);
}

void TestTable::FillDefault() {
    for (DWORD c = 1; c < columnCount; ++c) {
        SetText(0, c, u"C" + Ovo::String(std::to_string(c).c_str()).ToU16String());
        SetFlags(0, c, 0x10);
    }
    for (DWORD r = 1; r < storedRows; ++r) {
        SetText(r, 0, u"R" + Ovo::String(std::to_string(r).c_str()).ToU16String());
        for (DWORD c = 1; c < columnCount; ++c)
            SetText(r, c, Ovo::String((std::to_string(r) + ":" + std::to_string(c)).c_str()).ToU16String());
    }
}

std::vector<std::string> TestTable::Take(const std::string& word) {
    std::vector<std::string> taken;
    for (const std::string& line : log)
        if (word.empty() || line.rfind(word + " ", 0) == 0)
            taken.push_back(line);
    log.clear();
    return taken;
}

HRESULT TestTable::GetCellText(DWORD, DWORD row, DWORD column, IAutoOvoString** text) {
    const auto it = texts.find({row, column});
    *text = Text(it == texts.end() ? std::u16string() : it->second);
    return S_OK;
}

HRESULT TestTable::GetCellFlags(DWORD, DWORD row, DWORD column, DWORD* value) {
    const auto it = flags.find({row, column});
    *value = it == flags.end() ? 0 : it->second;
    return S_OK;
}

HRESULT TestTable::GetColumnCount(DWORD, DWORD* count) {
    *count = columnCount;
    return S_OK;
}

HRESULT TestTable::GetRowCount(DWORD, DWORD* count) {
    *count = storedRows;
    return S_OK;
}

HRESULT TestTable::OnSelectionChanged(DWORD tableId, const TableCellRange* ranges, DWORD count) {
    std::string line = "selection " + std::to_string(tableId) + ":";
    for (DWORD i = 0; i < count; ++i)
        line += " " + std::to_string(ranges[i].column) + " [" + std::to_string(ranges[i].firstRow) + "," +
                std::to_string(ranges[i].endRow) + ")";
    log.push_back(line);
    return S_OK;
}

HRESULT TestTable::OnCellActivated(DWORD how, DWORD row, DWORD column) {
    log.push_back("activated " + std::to_string(how) + " " + std::to_string(row) + " " +
                  std::to_string(column));
    return S_OK;
}

HRESULT TestTable::OnCellTextEdited(DWORD tableId, DWORD row, DWORD column, IAutoOvoString* text) {
    log.push_back("edited " + std::to_string(tableId) + " " + std::to_string(row) + " " +
                  std::to_string(column) + " " + Ovo::String(text).ToUtf8());
    return S_OK;
}

HRESULT TestTable::OnListItemChosen(DWORD tableId, DWORD command, DWORD row, DWORD column, DWORD item) {
    log.push_back("chosen " + std::to_string(tableId) + " " + std::to_string(command) + " " +
                  std::to_string(row) + " " + std::to_string(column) + " " + std::to_string(item));
    return chosenAnswer;
}

HRESULT TestTable::OnAlwaysShowLatestToggled(DWORD tableId, SHORT on) {
    log.push_back("latest " + std::to_string(tableId) + " " + std::to_string(on));
    return S_OK;
}

HRESULT TestTable::GetItemCount(DWORD, DWORD row, DWORD column, DWORD* count) {
    const auto it = items.find({row, column});
    *count = it == items.end() ? 0 : static_cast<DWORD>(it->second.size());
    return S_OK;
}

HRESULT TestTable::GetItemText(DWORD, DWORD row, DWORD column, DWORD index, IAutoOvoString** text) {
    const auto it = items.find({row, column});
    if (it == items.end() || index >= it->second.size())
        return E_INVALIDARG;
    *text = Text(it->second[index]);
    return S_OK;
}

HRESULT TestTable::MoveColumn(DWORD, DWORD source, DWORD target) {
    log.push_back("moved " + std::to_string(source) + " " + std::to_string(target));
    return S_OK;
}

HRESULT TestTable::GetColumnWidth(DWORD, DWORD column, DWORD* width) {
    *width = column < widths.size() ? widths[column] : 100;
    return S_OK;
}

HRESULT TestTable::SetColumnWidth(DWORD, DWORD column, DWORD width) {
    if (column < widths.size())
        widths[column] = width;
    log.push_back("width " + std::to_string(column) + " " + std::to_string(width));
    return S_OK;
}

} // namespace TarvikTest

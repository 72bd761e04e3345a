#include "tableview/TableExport.h"

#include <algorithm>
#include <string>
#include <vector>

#include "module/ProgressIndicator.h"
#include "platform/win32/modules.h"
#include "platform/win32/sysinfo.h"
#include "tableview/CellFlags.h"
#include "tableview/GridControl.h"
#include "tableview/GridSelection.h"

namespace TVF_Grid {
namespace {

constexpr DWORD kTitleCell = 0x10;
constexpr long long kBytesPerCell = 20;

// The client rows and columns of a block.
struct Block {
    DWORD firstRow = 0;
    DWORD endRow = 0;
    std::vector<DWORD> columns;
};

Block BlockOf(const GridControl& grid, const ExportOptions& o) {
    Block b;
    DWORD stored = 0;
    if (grid.RowSource() != nullptr)
        grid.RowSource()->GetRowCount(grid.TableId(), &stored);
    const DWORD origin = static_cast<DWORD>(std::max(grid.RowOrigin(), 0));
    if (!o.start.IsValid() || !o.end.IsValid()) {
        b.firstRow = origin;
        b.endRow = stored;
    } else {
        b.firstRow = static_cast<DWORD>(std::max(0, o.start.Inner())) + origin;
        b.endRow = std::min<DWORD>(static_cast<DWORD>(std::max(0, o.end.Inner())) + origin, stored);
    }
    b.endRow = std::max(b.endRow, b.firstRow);
    const SelectionRange& selection = grid.Selection().Range();
    if (grid.Selection().IsValid() && !grid.RowSelectionMode()) {
        for (int c = selection.colStart.index; c < selection.colEnd.index; ++c)
            b.columns.push_back(static_cast<DWORD>(c));
        return b;
    }
    DWORD count = 0;
    if (grid.DataSource() != nullptr)
        grid.DataSource()->GetColumnCount(grid.TableId(), &count);
    for (DWORD c = o.includeRowLabels ? 0 : static_cast<DWORD>(std::max(grid.ColumnOrigin(), 0)); c < count;
         ++c)
        b.columns.push_back(c);
    return b;
}

Ovo::String Title(const GridControl& grid, DWORD column) {
    if (!(ReadCellFlags(grid.DataSource(), grid.TableId(), 0, column) & kTitleCell))
        return Ovo::String();
    return ReadCellText(grid.DataSource(), grid.TableId(), 0, column);
}

// The text a cell is exported with: a list cell's choice; with blankNoChoice a
// "<Select Channel>" cell is empty.
Ovo::String Cell(GridControl& grid, DWORD row, DWORD column, bool blankNoChoice) {
    Ovo::String text = ReadCellText(grid.DataSource(), grid.TableId(), row, column);
    if (text.IsEmpty())
        return text;
    const DWORD flags = ReadCellFlags(grid.DataSource(), grid.TableId(), row, column, 1);
    if (flags & kChoiceCell) {
        const std::int32_t index = ParseListIndex(text);
        const auto& choices = grid.ChoiceList();
        const auto it = index < 0 ? choices.end() : choices.find(index);
        text = it == choices.end() ? Ovo::String() : it->second;
    }
    if (blankNoChoice && (flags & kNoChoice))
        text = Ovo::String();
    return text;
}

Ovo::String Quoted(const Ovo::String& cell, const Ovo::String& separator) {
    const std::u16string text = cell.ToU16String();
    const std::u16string sep = separator.ToU16String();
    if ((sep.empty() || text.find(sep) == std::u16string::npos) &&
        text.find_first_of(u"\r\n") == std::u16string::npos)
        return cell;
    std::u16string out = u"\"";
    for (char16_t c : text) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
    return Ovo::String(out.c_str());
}

// Shows the progress of a row; true when the user cancelled.
class Progress {
public:
    explicit Progress(const Ovo::String& caption) : mIndicator(caption, Ovo::String()) {}
    bool RowDone(DWORD done, DWORD total) {
        const int percent = total == 0 ? 100 : static_cast<int>(done * 100.0 / total);
        if (percent == mLast)
            return false;
        mLast = percent;
        if (mIndicator.SetPercent(percent))
            return true;
        const std::string digits = std::to_string(percent) + " %";
        mIndicator.SetText(Ovo::String(std::u16string(digits.begin(), digits.end()).c_str()));
        return false;
    }

private:
    Tarvik::ProgressIndicator mIndicator;
    int mLast = -1;
};

Ovo::String ReadPad(IDataPad& pad, LONG row, LONG column) {
    Ovo::String text;
    IAutoOvoString* out = nullptr;
    if (SUCCEEDED(pad.GetCellText(0, 0, row, column, &out)))
        text.AssignAndRelease(out);
    else if (out != nullptr)
        out->Release();
    return text;
}

void WritePad(IDataPad& pad, LONG row, LONG column, const Ovo::String& text) {
    IAutoOvoString* value = text.GetInterface();
    pad.SetCellText(0, 0, row, column, value, 0xFFFF);
    if (value != nullptr)
        value->Release();
}

// The row after the first two empty rows in a row.
LONG FreeRow(IDataPad& pad) {
    int empty = 0;
    for (LONG r = 0; r < kDataPadRows; ++r) {
        bool blank = true;
        for (LONG c = 0; c < kDataPadColumns && blank; ++c)
            blank = ReadPad(pad, r, c).IsEmpty();
        empty = blank ? empty + 1 : 0;
        if (empty == 2)
            return r;
    }
    return kDataPadRows;
}

} // namespace

HRESULT CheckMemoryFor(long long rows, long long columns) {
    if (!SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)))
        return HRESULT_FROM_WIN32(GetLastError());
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        return HRESULT_FROM_WIN32(GetLastError());
    const long long needed = std::max(0LL, rows) * std::max(0LL, columns) * kBytesPerCell;
    return static_cast<ULONGLONG>(needed) > status.ullAvailVirtual ? E_OUTOFMEMORY : S_OK;
}

void CopySelection(GridControl& grid, Ovo::String& text, const ExportOptions& options,
                   const Ovo::String& separator, bool quote) {
    Progress progress(Ovo::String(u"Copying"));
    const Block b = BlockOf(grid, options);
    auto append = [&](const Ovo::String& cell, bool last) {
        text += quote ? Quoted(cell, separator) : cell;
        text += last ? Ovo::String(u"\r\n") : separator;
    };
    if (options.includeTitles)
        for (std::size_t i = 0; i < b.columns.size(); ++i)
            append(Title(grid, b.columns[i]), i + 1 == b.columns.size());
    for (DWORD row = b.firstRow; row < b.endRow; ++row) {
        for (std::size_t i = 0; i < b.columns.size(); ++i)
            append(Cell(grid, row, b.columns[i], true), i + 1 == b.columns.size());
        if (progress.RowDone(row - b.firstRow + 1, b.endRow - b.firstRow))
            break;
    }
}

HRESULT AddToDataPad(GridControl& grid, IDataPad& pad, const ExportOptions& options) {
    try {
        const Block b = BlockOf(grid, options);
        const HRESULT memory = CheckMemoryFor(static_cast<long long>(b.endRow) - b.firstRow + 1,
                                              static_cast<long long>(b.columns.size()));
        if (memory != S_OK)
            return memory;
        Progress progress(Ovo::String(u"Adding to Data Pad"));
        LONG at = FreeRow(pad);
        if (options.includeTitles && at < kDataPadRows) {
            for (std::size_t i = 0; i < b.columns.size(); ++i)
                WritePad(pad, at, static_cast<LONG>(i), Title(grid, b.columns[i]));
            ++at;
        }
        for (DWORD row = b.firstRow; row < b.endRow; ++row) {
            if (at >= kDataPadRows)
                return S_FALSE;
            for (std::size_t i = 0; i < b.columns.size() && static_cast<LONG>(i) < kDataPadColumns; ++i)
                WritePad(pad, at, static_cast<LONG>(i), Cell(grid, row, b.columns[i], false));
            ++at;
            if (progress.RowDone(row - b.firstRow + 1, b.endRow - b.firstRow))
                break;
        }
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

} // namespace TVF_Grid

#pragma once
// The haemodynamics table as the table framework reads it: a main grid with a
// title row and one row per loop of the analysis (every loop, those the user
// excluded included), and a summary grid of the rows "Avg", "Min", "Max" and
// "Count". Column c is the c-th loop parameter id the table shows (0 is the
// loop number). It keeps no values: every cell is computed from the document's
// loop data when asked, and turned into text with its column's number of
// significant figures. The column formats live as long as the data source,
// which the document keeps, and are not saved.

#include <cstdint>
#include <locale>

#include <boost/unordered_map.hpp>

#include "core/CComObjectRoot.h"
#include "core/String.h"
#include "tableview/TableInterfaces.h"

namespace Tarvik {

class TarvikData;
class TarvikDocument;

// The number format of one table column.
struct ColumnFormat {
    static constexpr std::int32_t kUnused = -1;
    std::uint32_t significantFigures = 4;
    std::int32_t paramId = kUnused; // the map's key once used; 0 for the loop-number column
};

// A value as a column with this format shows it: " " for a value that is not
// finite; the loop-number column's value rounded half away from zero; any other
// in general notation with the format's significant figures, trailing zeros
// kept and a trailing decimal separator removed ("72.00", "1234", "0.5000").
// The locale gives the decimal separator (the module's locale by default).
Ovo::String FormatTableValue(double value, const ColumnFormat& format);
Ovo::String FormatTableValue(double value, const ColumnFormat& format, const std::locale& locale);

class TarvikHemodynamicsTableViewData
    : public Ovo::SimpleUnknownImp1<ITableDataManager, IID_ITableDataManager>,
      public ITableStoredRowInfo {
public:
    // Table id bit of the summary grid.
    static constexpr DWORD kSummaryGrid = 0x10;
    static constexpr DWORD kSummaryRows = 5;
    // Cell styles: a data cell, and the bits of the title row and the row-title column.
    static constexpr DWORD kDataCell = 0x1000;
    static constexpr DWORD kTitleRow = 0x10;
    static constexpr DWORD kTitleColumn = 0x20;

    explicit TarvikHemodynamicsTableViewData(TarvikDocument* document) : mDocument(document) {}

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    // ITableDataManager.
    HRESULT GetCellText(DWORD tableId, DWORD row, DWORD column, IAutoOvoString** text) override;
    HRESULT GetCellFlags(DWORD tableId, DWORD row, DWORD column, DWORD* flags) override;
    // Rebuilds the column list from the table's settings and the analysis.
    HRESULT GetColumnCount(DWORD tableId, DWORD* count) override;
    HRESULT GetSourceName(DWORD, IAutoOvoString**) override { return E_NOTIMPL; }
    HRESULT GetTitle(DWORD tableId, IAutoOvoString** title) override;

    // ITableStoredRowInfo: 5 for the summary grid, else the loops and the title row.
    HRESULT GetRowCount(DWORD tableId, DWORD* count) override;

    // The cell's text.
    Ovo::String CellText(DWORD tableId, DWORD row, DWORD column);
    // The loop parameter id of a column as the last column count left the list; -1 beyond it.
    std::int32_t ParamIdOfColumn(DWORD column) const;
    // The format of a parameter's column, made (4 significant figures) on first use.
    ColumnFormat& FormatOf(std::int32_t paramId);
    // Every column the table shows now gets a format, then every format the figures.
    void SetFiguresOfAllColumns(std::uint32_t figures);

private:
    ~TarvikHemodynamicsTableViewData() override = default;

    TarvikData* Loops() const;
    std::int32_t LoopCount() const;
    Ovo::String TitleOf(std::int32_t paramId);
    Ovo::String MainCell(DWORD row, std::int32_t paramId);
    Ovo::String SummaryCell(DWORD row, std::int32_t paramId);

    TarvikDocument* mDocument; // not held: the document holds this
    boost::unordered_map<std::int32_t, ColumnFormat> mFormats;
};

} // namespace Tarvik

#include "views/TarvikHemodynamicsTableViewData.h"

#include <cmath>
#include <iomanip>
#include <limits>
#include <sstream>
#include <string>

#include "analysis/EventStats.h"
#include "analysis/TarvikData.h"
#include "core/LocaleInfo.h"
#include "core/NumericHelpers.h"
#include "document/TarvikDocument.h"
#include "module/ModuleInstance.h"

namespace Tarvik {

namespace {

constexpr std::int32_t kLoopNumberColumn = 0;
constexpr UINT kTableTitle = 109;
const char16_t* const kSummaryTitles[] = {u"", u"Avg", u"Min", u"Max", u"Count"};

IAutoOvoString* Interface(const Ovo::String& text) {
    return text.IsEmpty() ? nullptr : text.GetInterface();
}

} // namespace

Ovo::String FormatTableValue(double value, const ColumnFormat& format) {
    LocaleInfo::Instance(); // installs the module's locale
    return FormatTableValue(value, format, std::locale());
}

Ovo::String FormatTableValue(double value, const ColumnFormat& format, const std::locale& locale) {
    if (!std::isfinite(value))
        return Ovo::String(u" ");
    std::wostringstream out;
    out.imbue(locale);
    if (format.paramId == kLoopNumberColumn) {
        out << RoundToInt(value);
        return Ovo::String(out.str());
    }
    out << std::showpoint << std::setprecision(static_cast<int>(format.significantFigures)) << value;
    std::wstring text = out.str();
    const wchar_t decimal = std::use_facet<std::numpunct<wchar_t>>(locale).decimal_point();
    if (!text.empty() && text.back() == decimal)
        text.pop_back();
    return Ovo::String(text);
}

HRESULT TarvikHemodynamicsTableViewData::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_ITableDataManager, static_cast<ITableDataManager*>(this)},
                                   {IID_ITableStoredRowInfo, static_cast<ITableStoredRowInfo*>(this)}},
                                  iid, out);
}

TarvikData* TarvikHemodynamicsTableViewData::Loops() const {
    return mDocument != nullptr ? &mDocument->LoopData() : nullptr;
}

// The loops of the analysis: the included loop events (a block's trailing event is no loop).
std::int32_t TarvikHemodynamicsTableViewData::LoopCount() const {
    TarvikData* loops = Loops();
    const EventStats* stats = loops != nullptr ? loops->GetVChanData().GetStats() : nullptr;
    return stats != nullptr ? stats->included() : 0;
}

std::int32_t TarvikHemodynamicsTableViewData::ParamIdOfColumn(DWORD column) const {
    TarvikData* loops = Loops();
    if (loops == nullptr || column >= loops->GetVisibleParamIds().size())
        return -1;
    return loops->GetVisibleParamIds()[column];
}

ColumnFormat& TarvikHemodynamicsTableViewData::FormatOf(std::int32_t paramId) {
    ColumnFormat& format = mFormats[paramId];
    format.paramId = paramId;
    return format;
}

void TarvikHemodynamicsTableViewData::SetFiguresOfAllColumns(std::uint32_t figures) {
    if (TarvikData* loops = Loops())
        for (std::int32_t id : loops->GetVisibleParamIds())
            FormatOf(id);
    for (auto& [id, format] : mFormats)
        format.significantFigures = figures;
}

Ovo::String TarvikHemodynamicsTableViewData::TitleOf(std::int32_t paramId) {
    if (paramId <= kLoopNumberColumn || LoopCount() == 0)
        return Ovo::String();
    return Loops()->GetParamColumnTitle(paramId);
}

Ovo::String TarvikHemodynamicsTableViewData::MainCell(DWORD row, std::int32_t paramId) {
    const std::int32_t index = static_cast<std::int32_t>(row) - 1;
    TarvikData* loops = Loops();
    TarvikEvent loop;
    double value = 0.0; // a row asked for before the row count followed a shorter analysis
    if (loops != nullptr && index < LoopCount() && loops->GetVChanData().GetLoop(index, loop)) {
        if (paramId == kLoopNumberColumn)
            value = static_cast<double>(row);
        else if (loop.state == TarvikEvent::Marked)
            value = std::numeric_limits<double>::quiet_NaN();
        else
            value = loops->GetLoopParamValue(paramId, index);
    }
    return FormatTableValue(value, FormatOf(paramId));
}

Ovo::String TarvikHemodynamicsTableViewData::SummaryCell(DWORD row, std::int32_t paramId) {
    double minimum = 0, maximum = 0, mean = 0;
    std::int32_t count = 0;
    TarvikData* loops = Loops();
    if (loops == nullptr || !loops->GetParamSummary(paramId, minimum, maximum, mean, count) || count == 0)
        return Ovo::String();
    switch (row) {
    case 1:
        return FormatTableValue(mean, FormatOf(paramId));
    case 2:
        return FormatTableValue(minimum, FormatOf(paramId));
    case 3:
        return FormatTableValue(maximum, FormatOf(paramId));
    default:
        return Ovo::String(std::to_wstring(count));
    }
}

Ovo::String TarvikHemodynamicsTableViewData::CellText(DWORD tableId, DWORD row, DWORD column) {
    const bool summary = (tableId & kSummaryGrid) != 0;
    if (summary && column == 0)
        return row < kSummaryRows ? Ovo::String(kSummaryTitles[row]) : Ovo::String();
    const std::int32_t paramId = ParamIdOfColumn(column);
    if (paramId < 0 || (summary && row >= kSummaryRows))
        return Ovo::String();
    if (row == 0)
        return TitleOf(paramId);
    return summary ? SummaryCell(row, paramId) : MainCell(row, paramId);
}

HRESULT TarvikHemodynamicsTableViewData::GetCellText(DWORD tableId, DWORD row, DWORD column,
                                                     IAutoOvoString** text) {
    if (text == nullptr)
        return E_POINTER;
    *text = Interface(CellText(tableId, row, column));
    return S_OK;
}

HRESULT TarvikHemodynamicsTableViewData::GetCellFlags(DWORD, DWORD row, DWORD column, DWORD* flags) {
    if (flags == nullptr)
        return E_POINTER;
    *flags = kDataCell | (row == 0 ? kTitleRow : 0) | (column == 0 ? kTitleColumn : 0);
    return S_OK;
}

HRESULT TarvikHemodynamicsTableViewData::GetColumnCount(DWORD, DWORD* count) {
    if (count == nullptr)
        return E_POINTER;
    TarvikData* loops = Loops();
    *count = loops != nullptr ? static_cast<DWORD>(loops->PrepareTableRows()) : 0;
    return S_OK;
}

HRESULT TarvikHemodynamicsTableViewData::GetTitle(DWORD, IAutoOvoString** title) {
    if (title == nullptr)
        return E_POINTER;
    *title = LoadModuleString(kTableTitle).GetInterface();
    return S_OK;
}

HRESULT TarvikHemodynamicsTableViewData::GetRowCount(DWORD tableId, DWORD* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = (tableId & kSummaryGrid) != 0 ? kSummaryRows : static_cast<DWORD>(LoopCount()) + 1;
    return S_OK;
}

} // namespace Tarvik

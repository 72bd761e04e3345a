#pragma once
// Date parsing facet of the module locale. Weekday and month names and the
// date order come from a names locale; fields may be separated by ':', ',',
// '/' or the user's date separator. Two-digit years follow a fixed window:
// 0-34 are 2000-2034, 35-99 are 1935-1999; 100-135 are years since 1900
// (2000-2035), 1900-2035 are years as written, anything else fails. Time
// parsing is the standard facet's.

#include <locale>
#include <string>
#include <vector>

namespace Ovo {

class time_getEx : public std::time_get<wchar_t> {
public:
    // Names and date order of the names locale; dateSeparator is the user's
    // (its first character is accepted between fields).
    time_getEx(const std::locale& names, const std::wstring& dateSeparator, std::size_t refs = 0);

protected:
    dateorder do_date_order() const override { return mOrder; }
    iter_type do_get_date(iter_type begin, iter_type end, std::ios_base& stream, std::ios_base::iostate& err,
                          std::tm* t) const override;
    iter_type do_get_weekday(iter_type begin, iter_type end, std::ios_base& stream,
                             std::ios_base::iostate& err, std::tm* t) const override;
    iter_type do_get_monthname(iter_type begin, iter_type end, std::ios_base& stream,
                               std::ios_base::iostate& err, std::tm* t) const override;
    iter_type do_get_year(iter_type begin, iter_type end, std::ios_base& stream, std::ios_base::iostate& err,
                          std::tm* t) const override;

private:
    enum class Field { Day, Month, Year };

    // Index in names (alternating abbreviated and full) of the word at begin, or -1.
    int MatchName(iter_type& begin, iter_type end, const std::ios_base& stream,
                  const std::vector<std::wstring>& names) const;
    // Reads a name of the list into field (its index / 2).
    iter_type GetName(iter_type begin, iter_type end, const std::ios_base& stream,
                      std::ios_base::iostate& err, const std::vector<std::wstring>& names, int& field) const;
    bool ReadField(Field field, iter_type& begin, iter_type end, const std::ios_base& stream,
                   std::tm* t) const;
    bool SkipSeparator(iter_type& begin, iter_type end, const std::ios_base& stream) const;

    std::vector<std::wstring> mDayNames;   // Sun, Sunday, Mon, Monday, ...
    std::vector<std::wstring> mMonthNames; // Jan, January, Feb, February, ...
    dateorder mOrder;
    wchar_t mDateSeparator;
};

} // namespace Ovo

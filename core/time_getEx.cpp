#include "core/time_getEx.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <iterator>
#include <sstream>

namespace Ovo {

namespace {

using Iter = std::istreambuf_iterator<wchar_t>;

std::wstring FormatName(const std::locale& names, const std::tm& t, const wchar_t* format) {
    std::wostringstream text;
    text.imbue(names);
    const std::wstring pattern(format);
    std::use_facet<std::time_put<wchar_t>>(names).put(std::ostreambuf_iterator<wchar_t>(text), text, L' ', &t,
                                                      pattern.data(), pattern.data() + pattern.size());
    return text.str();
}

void SkipBlanks(Iter& begin, Iter end, const std::ctype<wchar_t>& ct) {
    while (begin != end && ct.is(std::ctype_base::space, *begin))
        ++begin;
}

// Reads a run of decimal digits; false when there is none. Values beyond 99999 are held at 99999.
bool ReadNumber(Iter& begin, Iter end, const std::ctype<wchar_t>& ct, int& value) {
    if (begin == end || !ct.is(std::ctype_base::digit, *begin))
        return false;
    value = 0;
    for (; begin != end && ct.is(std::ctype_base::digit, *begin); ++begin)
        value = std::min(value * 10 + (ct.narrow(*begin, '0') - '0'), 99999);
    return true;
}

bool YearToTm(int year, int& tmYear) {
    if (year > 2035 || (year >= 136 && year < 1900))
        return false;
    tmYear = year >= 1900 ? year - 1900 : year < 35 ? year + 100 : year;
    return true;
}

} // namespace

time_getEx::time_getEx(const std::locale& names, const std::wstring& dateSeparator, std::size_t refs)
    : std::time_get<wchar_t>(refs), mOrder(std::use_facet<std::time_get<wchar_t>>(names).date_order()),
      mDateSeparator(dateSeparator.empty() ? L'/' : dateSeparator.front()) {
    if (mOrder == no_order)
        mOrder = mdy;
    std::tm t{};
    for (int day = 0; day < 7; ++day) {
        t.tm_wday = day;
        mDayNames.push_back(FormatName(names, t, L"%a"));
        mDayNames.push_back(FormatName(names, t, L"%A"));
    }
    for (int month = 0; month < 12; ++month) {
        t.tm_mon = month;
        mMonthNames.push_back(FormatName(names, t, L"%b"));
        mMonthNames.push_back(FormatName(names, t, L"%B"));
    }
}

int time_getEx::MatchName(iter_type& begin, iter_type end, const std::ios_base& stream,
                          const std::vector<std::wstring>& names) const {
    const auto& ct = std::use_facet<std::ctype<wchar_t>>(stream.getloc());
    std::wstring word;
    for (; begin != end && ct.is(std::ctype_base::alpha, *begin); ++begin)
        word += ct.tolower(*begin);
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::wstring name = names[i];
        ct.tolower(name.data(), name.data() + name.size());
        if (!word.empty() && name == word)
            return static_cast<int>(i);
    }
    return -1;
}

time_getEx::iter_type time_getEx::GetName(iter_type begin, iter_type end, const std::ios_base& stream,
                                          std::ios_base::iostate& err, const std::vector<std::wstring>& names,
                                          int& field) const {
    const int index = MatchName(begin, end, stream, names);
    if (index < 0)
        err |= std::ios_base::failbit;
    else
        field = index / 2;
    if (begin == end)
        err |= std::ios_base::eofbit;
    return begin;
}

time_getEx::iter_type time_getEx::do_get_weekday(iter_type begin, iter_type end, std::ios_base& stream,
                                                 std::ios_base::iostate& err, std::tm* t) const {
    return GetName(begin, end, stream, err, mDayNames, t->tm_wday);
}

time_getEx::iter_type time_getEx::do_get_monthname(iter_type begin, iter_type end, std::ios_base& stream,
                                                   std::ios_base::iostate& err, std::tm* t) const {
    return GetName(begin, end, stream, err, mMonthNames, t->tm_mon);
}

time_getEx::iter_type time_getEx::do_get_year(iter_type begin, iter_type end, std::ios_base& stream,
                                              std::ios_base::iostate& err, std::tm* t) const {
    const auto& ct = std::use_facet<std::ctype<wchar_t>>(stream.getloc());
    SkipBlanks(begin, end, ct);
    int year = 0;
    if (!ReadNumber(begin, end, ct, year) || !YearToTm(year, t->tm_year))
        err |= std::ios_base::failbit;
    if (begin == end)
        err |= std::ios_base::eofbit;
    return begin;
}

bool time_getEx::ReadField(Field field, iter_type& begin, iter_type end, const std::ios_base& stream,
                           std::tm* t) const {
    const auto& ct = std::use_facet<std::ctype<wchar_t>>(stream.getloc());
    if (begin != end && !ct.is(std::ctype_base::digit, *begin)) {
        const int index = MatchName(begin, end, stream, mMonthNames);
        if (index >= 0)
            t->tm_mon = index / 2;
        return index >= 0;
    }
    int value = 0;
    if (!ReadNumber(begin, end, ct, value))
        return false;
    switch (field) {
    case Field::Day:
        if (value < 1 || value > 31)
            return false;
        t->tm_mday = value;
        return true;
    case Field::Month:
        if (value < 1 || value > 12)
            return false;
        t->tm_mon = value - 1;
        return true;
    case Field::Year:
        return YearToTm(value, t->tm_year);
    }
    return false;
}

bool time_getEx::SkipSeparator(iter_type& begin, iter_type end, const std::ios_base& stream) const {
    SkipBlanks(begin, end, std::use_facet<std::ctype<wchar_t>>(stream.getloc()));
    if (begin == end)
        return false;
    const wchar_t c = *begin;
    if (c != L':' && c != L',' && c != L'/' && c != mDateSeparator)
        return false;
    ++begin;
    return true;
}

time_getEx::iter_type time_getEx::do_get_date(iter_type begin, iter_type end, std::ios_base& stream,
                                              std::ios_base::iostate& err, std::tm* t) const {
    static constexpr std::array<std::array<Field, 3>, 4> kOrders = {{
        {Field::Day, Field::Month, Field::Year}, // dmy
        {Field::Month, Field::Day, Field::Year}, // mdy
        {Field::Year, Field::Month, Field::Day}, // ymd
        {Field::Year, Field::Day, Field::Month}, // ydm
    }};
    const auto& fields = kOrders[static_cast<std::size_t>(mOrder) - static_cast<std::size_t>(dmy)];
    const auto& ct = std::use_facet<std::ctype<wchar_t>>(stream.getloc());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0 && !SkipSeparator(begin, end, stream))
            break;
        SkipBlanks(begin, end, ct);
        if (!ReadField(fields[i], begin, end, stream, t)) {
            err |= std::ios_base::failbit;
            break;
        }
    }
    if (begin == end)
        err |= std::ios_base::eofbit;
    return begin;
}

} // namespace Ovo

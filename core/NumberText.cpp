#include "core/NumberText.h"

#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

#include "core/NumericHelpers.h"

namespace {

// Removes "+" and the leading zeros of the exponent that starts at e.
void TidyExponent(std::wstring& text, std::size_t e) {
    std::size_t start = e;
    if (start + 1 < text.size() && text[start + 1] == L'-')
        ++start;
    const std::size_t digit = text.find_first_not_of(L"0eE-+", start + 1);
    if (digit != std::wstring::npos)
        text.erase(start + 1, digit - start - 1);
}

// Removes the zeros that end text[0, end) after the decimal point, and the
// point itself when nothing else follows it.
void TidyFraction(std::wstring& text, std::size_t end, wchar_t point) {
    const std::size_t dot = text.rfind(point, end == 0 ? 0 : end - 1);
    if (dot == std::wstring::npos || dot >= end)
        return;
    std::size_t keep = text.find_last_not_of(L'0', end - 1);
    if (keep == dot)
        --keep;
    text.erase(keep + 1, end - keep - 1);
}

} // namespace

bool NumberToText(std::wstring& text, std::uint32_t flags, double value, int precision) {
    std::wostringstream out;
    if (flags & kNumberTextClassicLocale)
        out.imbue(std::locale::classic());
    if ((flags & 1) == 0)
        out << std::fixed;
    else if ((flags & 3) == 3)
        out << std::scientific;
    out << std::setprecision(precision) << value;
    if (!out)
        return false;
    std::wstring written = out.str();
    const wchar_t point = std::use_facet<std::numpunct<wchar_t>>(out.getloc()).decimal_point();
    const std::size_t e = written.find_last_of(L"eE");
    if (e != std::wstring::npos) {
        TidyExponent(written, e);
        TidyFraction(written, e, point);
    } else {
        TidyFraction(written, written.size(), point);
    }
    text = std::move(written);
    return true;
}

double GetWindowTextAsDouble(const std::wstring& text) {
    const std::locale locale;
    const auto& ctype = std::use_facet<std::ctype<wchar_t>>(locale);
    const auto isSpace = [&](wchar_t c) { return ctype.is(std::ctype_base::space, c); };
    std::size_t first = 0, last = text.size();
    while (first < last && isSpace(text[first]))
        ++first;
    while (last > first && isSpace(text[last - 1]))
        --last;
    if (first == last)
        return EmptyValue();
    std::wistringstream in(text.substr(first, last - first));
    in.imbue(locale);
    double value = 0;
    in >> value;
    return in.fail() ? NotANumberValue() : value;
}

Ovo::String FormatDoubleForDisplay(double value) {
    const double a = std::fabs(value);
    std::uint32_t flags = kNumberTextScientific;
    int precision = 3;
    if (ApproxEqual(0.0, value)) {
        // Also -0 and tiny negative values: shown as "0", not "-0".
        return Ovo::String(L"0");
    } else if (a >= 10000 && a < 100000) {
        flags = kNumberTextFixed, precision = 0;
    } else if (a >= 10 && a < 10000) {
        flags = kNumberTextGeneral, precision = 5;
    } else if (a >= 0.01 && a < 10) {
        flags = kNumberTextGeneral, precision = 4;
    } else if (a >= 1e100) {
        precision = 1;
    } else if (a >= 1e10 && a < 1e100) {
        precision = 2;
    }
    std::wstring text;
    NumberToText(text, flags, value, precision);
    return Ovo::String(text);
}

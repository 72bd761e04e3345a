// Edit-field text as numbers (GetWindowTextAsDouble), in the classic locale and in one with a decimal
// comma: any text gives the empty value, the not-a-number value or a finite number, and a value
// shown with FormatDoubleForDisplay reads back within the digits it shows.

#include "core/NumberText.h"
#include "core/NumericHelpers.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzInput.h"

#include <algorithm>
#include <cmath>
#include <locale>
#include <string>

namespace {

// A decimal comma and no grouping, as a user's locale may give.
class CommaPoint : public std::numpunct<wchar_t> {
protected:
    wchar_t do_decimal_point() const override { return L','; }
};

// Installs a global locale for its lifetime.
class GlobalLocale {
public:
    explicit GlobalLocale(const std::locale& locale) : mPrevious(std::locale::global(locale)) {}
    ~GlobalLocale() { std::locale::global(mPrevious); }

private:
    std::locale mPrevious;
};

std::string utf8(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

void check(const std::wstring& text, double shown) {
    const double read = GetWindowTextAsDouble(text);
    FUZZ_CHECK(IsEmptyValue(read) || IsNotANumberValue(read) || std::isfinite(read),
               "a field reads as empty, not a number or a finite number: " + utf8(text));
    const auto& ctype = std::use_facet<std::ctype<wchar_t>>(std::locale());
    const bool blank =
        std::all_of(text.begin(), text.end(), [&](wchar_t c) { return ctype.is(std::ctype_base::space, c); });
    FUZZ_CHECK(IsEmptyValue(read) == blank, "only a blank field is empty: " + utf8(text));
    // Shown with two digits, a value near the largest double rounds beyond it ("1.8e308").
    if (!std::isfinite(shown) || std::abs(shown) >= 1e308)
        return;
    const std::wstring display = FormatDoubleForDisplay(shown).ToWString();
    const double back = GetWindowTextAsDouble(display);
    // Four significant digits at the least (scientific notation shows 1 + 1 to 3 decimals, 1e100 and
    // over only 1 + 1), or the units digit from 1e4 to 1e5; zero for what ApproxEqual takes for it.
    const double tolerance = std::abs(shown) >= 1e10 ? 0.05 : 5e-4;
    FUZZ_CHECK(back == 0.0 ? ApproxEqual(0.0, shown) : std::abs(back - shown) <= tolerance * std::abs(shown),
               "a value reads back as shown: " + utf8(display));
}

} // namespace

// The first byte chooses the locale; the rest is the field, a byte per character except that 0xFF
// takes the next two bytes as one; its first eight bytes are also a double to show.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz::Input in(data, size);
    const bool comma = in.flag();
    Fuzz::Input copy = in;
    const double shown = copy.raw<double>();
    std::wstring text;
    while (!in.empty()) {
        const std::uint8_t b = in.byte();
        text += b == 0xFF ? static_cast<wchar_t>(in.raw<char16_t>()) : static_cast<wchar_t>(b);
    }
    const GlobalLocale locale(comma ? std::locale(std::locale::classic(), new CommaPoint)
                                    : std::locale::classic());
    Fuzz::withinBudget("reading the field", size, std::chrono::milliseconds(100),
                       std::chrono::microseconds(2), [&] { check(text, shown); });
    return 0;
}

#pragma once
// Numbers as the text of edit fields, and edit-field text as numbers.
//
// Parsing and display use the global C++ locale installed at the call (the
// module locale of LocaleInfo while it is installed: the user's decimal
// separator, no grouping), so what is shown reads back the same. A field that
// is empty reads as the empty value and a field holding no number as the
// not-a-number value (core/NumericHelpers.h), each told apart by its bit
// pattern.

#include <cstdint>
#include <string>

#include "core/String.h"

// Flags of NumberToText. Bit 0 clear: fixed notation; bit 0 alone: general
// notation (the shorter of fixed and scientific, precision counting
// significant digits); bits 0 and 1: scientific notation. Bit 31: the classic
// locale (a point, no grouping) instead of the global one.
inline constexpr std::uint32_t kNumberTextFixed = 0x0;
inline constexpr std::uint32_t kNumberTextGeneral = 0x1;
inline constexpr std::uint32_t kNumberTextScientific = 0x3;
inline constexpr std::uint32_t kNumberTextClassicLocale = 0x80000000u;

// Writes value with the notation of flags and the given precision, then tidies
// the text:
// - with an exponent, its "+" and leading zeros go (1.5e+007 -> 1.5e7,
//   1.5e-007 -> 1.5e-7; an exponent of only zeros keeps its digits), then the
//   zeros ending the mantissa and a bare decimal point (1.000e7 -> 1e7);
// - without one, the zeros after the decimal point's last significant digit
//   and a bare decimal point (2.500000 -> 2.5, 100.000 -> 100).
// Infinities and NaNs come out as the stream writes them ("inf", "nan").
// False, text unchanged, when the stream fails.
bool NumberToText(std::wstring& text, std::uint32_t flags, double value, int precision);

// The number in an edit field's text. Leading and trailing white space (the
// space class of the global locale) is ignored; nothing left gives the empty
// value. Otherwise one number is read in the global locale: a text that does
// not start with one gives the not-a-number value, and characters after a
// number are ignored ("3.5 mV" gives 3.5). Texts a wide stream refuses, such
// as "inf", "nan", "3.5e" and "1e400", give the not-a-number value.
double GetWindowTextAsDouble(const std::wstring& text);

// The display text of a value, chosen by its magnitude a:
//   zero by ApproxEqual     "0"
//   1e4 <= a < 1e5          fixed, no decimals       (12345.6 -> 12346)
//   10 <= a < 1e4           general, 5 digits        (1234.56 -> 1234.6)
//   0.01 <= a < 10          general, 4 digits        (0.012345 -> 0.01235)
//   a >= 1e100              scientific, 1 decimal
//   1e10 <= a < 1e100       scientific, 2 decimals
//   otherwise, NaN included scientific, 3 decimals   (100000 -> 1e5, 0.001234 -> 1.234e-3)
Ovo::String FormatDoubleForDisplay(double value);

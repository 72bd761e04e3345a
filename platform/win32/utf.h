#pragma once
// Conversions between UTF-16 and the encodings host and module meet on Linux:
// UTF-32 in wchar_t and UTF-8. Ill-formed input (unpaired surrogates,
// invalid UTF-8, code points above U+10FFFF) becomes U+FFFD.

#include <string>
#include <string_view>

namespace win32 {

std::u16string Utf32ToUtf16(std::wstring_view text);
std::wstring Utf16ToUtf32(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

} // namespace win32

#pragma once
// UTF-16 helpers the platform's calls share: ASCII case folding, the way the
// platform matches names of classes, messages and libraries, and copying a
// text into a caller's fixed-size buffer.

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "platform/win32/types.h"

namespace win32 {

constexpr char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}
constexpr char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Equal but for the case of ASCII letters.
constexpr bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
               return AsciiUpper(x) == AsciiUpper(y);
           });
}

// Copies as much of text as a buffer of room units (room > 0) holds with its
// terminating NUL; the number of units copied.
inline std::size_t CopyTruncated(std::u16string_view text, WCHAR* out, std::size_t room) {
    const std::size_t n = std::min(text.size(), room - 1);
    std::copy_n(text.data(), n, out);
    out[n] = u'\0';
    return n;
}

} // namespace win32

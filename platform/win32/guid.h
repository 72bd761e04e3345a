#pragma once
// GUIDs: the 16-byte identifiers of classes, interfaces and message spaces.
// MakeGuid parses the registry form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" at
// compile time, so identifiers stay readable in the code that declares them.

#include <stdexcept>
#include <string>

#include "platform/win32/types.h"

struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];

    friend constexpr bool operator==(const GUID& a, const GUID& b) {
        if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
            return false;
        for (int i = 0; i < 8; ++i)
            if (a.Data4[i] != b.Data4[i])
                return false;
        return true;
    }
};
static_assert(sizeof(GUID) == 16);

using IID = GUID;
using CLSID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline constexpr GUID GUID_NULL{};

constexpr bool IsEqualGUID(REFGUID a, REFGUID b) {
    return a == b;
}
constexpr bool IsEqualIID(REFIID a, REFIID b) {
    return a == b;
}
constexpr bool IsEqualCLSID(REFCLSID a, REFCLSID b) {
    return a == b;
}

namespace win32_detail {
constexpr int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    throw std::invalid_argument("GUID text has a character that is not a hex digit");
}
constexpr std::uint64_t Hex(const char* s, int digits) {
    std::uint64_t v = 0;
    for (int i = 0; i < digits; ++i)
        v = (v << 4) | static_cast<std::uint64_t>(HexDigit(s[i]));
    return v;
}
} // namespace win32_detail

// Parses "{8-4-4-4-12}" (braces required). Throws std::invalid_argument on bad text;
// in a constant expression that is a compile error.
constexpr GUID MakeGuid(const char* text) {
    using win32_detail::Hex;
    std::size_t n = 0;
    while (text[n] != '\0')
        ++n;
    if (n != 38 || text[0] != '{' || text[37] != '}' || text[9] != '-' || text[14] != '-' ||
        text[19] != '-' || text[24] != '-')
        throw std::invalid_argument("GUID text is not in the form {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}");
    GUID g{};
    g.Data1 = static_cast<DWORD>(Hex(text + 1, 8));
    g.Data2 = static_cast<WORD>(Hex(text + 10, 4));
    g.Data3 = static_cast<WORD>(Hex(text + 15, 4));
    g.Data4[0] = static_cast<BYTE>(Hex(text + 20, 2));
    g.Data4[1] = static_cast<BYTE>(Hex(text + 22, 2));
    for (int i = 0; i < 6; ++i)
        g.Data4[2 + i] = static_cast<BYTE>(Hex(text + 25 + 2 * i, 2));
    return g;
}

// The registry form in upper case, with braces.
std::string GuidToString(REFGUID g);
// Parses the registry form at run time; false on malformed text.
bool GuidFromString(const std::string& text, GUID& out);

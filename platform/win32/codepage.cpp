#include "platform/win32/codepage.h"

#include <cstring>

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr char16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool Supported(UINT codePage) {
    return codePage == CP_ACP || codePage == CP_THREAD_ACP || codePage == CP_WINDOWS_1252;
}

char16_t ByteToUnit(unsigned char b) {
    return b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : static_cast<char16_t>(b);
}

// The byte of a unit, or -1 when the code page has none.
int UnitToByte(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == u)
            return 0x80 + i;
    return -1;
}

bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

} // namespace

UINT GetACP() {
    return CP_WINDOWS_1252;
}

int MultiByteToWideChar(UINT codePage, DWORD, LPCSTR source, int sourceLength, LPWSTR target,
                        int targetLength) {
    if (!Supported(codePage) || source == nullptr || sourceLength == 0 || sourceLength < -1 ||
        targetLength < 0)
        return 0;
    const std::size_t n =
        sourceLength == -1 ? std::strlen(source) + 1 : static_cast<std::size_t>(sourceLength);
    if (n > 0x7FFFFFFF)
        return 0;
    if (targetLength == 0)
        return static_cast<int>(n);
    if (static_cast<std::size_t>(targetLength) < n)
        return 0;
    for (std::size_t i = 0; i < n; ++i)
        target[i] = ByteToUnit(static_cast<unsigned char>(source[i]));
    return static_cast<int>(n);
}

int WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR source, int sourceLength, LPSTR target,
                        int targetLength, LPCSTR defaultChar, BOOL* usedDefault) {
    if (usedDefault != nullptr)
        *usedDefault = FALSE;
    if (!Supported(codePage) || source == nullptr || sourceLength == 0 || sourceLength < -1 ||
        targetLength < 0)
        return 0;
    std::size_t n = 0;
    if (sourceLength == -1) {
        while (source[n] != 0)
            ++n;
        ++n;
    } else {
        n = static_cast<std::size_t>(sourceLength);
    }
    const char fallback = defaultChar != nullptr ? defaultChar[0] : '?';
    std::size_t out = 0;
    for (std::size_t i = 0; i < n; ++i) {
        int b = UnitToByte(source[i]);
        if (b < 0) {
            b = static_cast<unsigned char>(fallback);
            if (usedDefault != nullptr)
                *usedDefault = TRUE;
            if (IsHighSurrogate(source[i]) && i + 1 < n && IsLowSurrogate(source[i + 1]))
                ++i;
        }
        if (targetLength != 0) {
            if (out >= static_cast<std::size_t>(targetLength))
                return 0;
            target[out] = static_cast<char>(b);
        }
        ++out;
    }
    return out > 0x7FFFFFFF ? 0 : static_cast<int>(out);
}

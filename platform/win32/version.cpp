#include "platform/win32/version.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "platform/win32/resources.h"

// Layout: VS_FIXEDFILEINFO; WORD language, WORD code page (the translation);
// DWORD count; then per value: WORD key units, key and NUL, WORD value units,
// value and NUL. Every part is a whole number of 16-bit units.

namespace {

constexpr std::size_t kTranslation = sizeof(VS_FIXEDFILEINFO);
constexpr std::size_t kCount = kTranslation + 4;
constexpr std::size_t kValues = kCount + 4;

void Put(std::vector<BYTE>& out, const void* p, std::size_t n) {
    const auto* b = static_cast<const BYTE*>(p);
    out.insert(out.end(), b, b + n);
}

void PutText(std::vector<BYTE>& out, const std::u16string& text) {
    const auto units = static_cast<WORD>(text.size() + 1);
    Put(out, &units, 2);
    Put(out, text.c_str(), std::size_t{units} * 2);
}

WORD GetWord(const BYTE* p) {
    WORD w;
    std::memcpy(&w, p, 2);
    return w;
}

bool EqualNoCase(std::u16string_view a, std::u16string_view b) {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

BOOL FindString(const BYTE* block, std::u16string_view path, LPVOID* buffer, UINT* length) {
    WORD language = GetWord(block + kTranslation), codePage = GetWord(block + kTranslation + 2);
    char hex[9];
    std::snprintf(hex, sizeof hex, "%04X%04X", language, codePage);
    const std::u16string prefix = u"\\StringFileInfo\\" + std::u16string(hex, hex + 8) + u"\\";
    if (path.size() <= prefix.size() || !EqualNoCase(path.substr(0, prefix.size()), prefix))
        return FALSE;
    const std::u16string_view name = path.substr(prefix.size());
    DWORD count;
    std::memcpy(&count, block + kCount, 4);
    const BYTE* p = block + kValues;
    for (DWORD i = 0; i < count; ++i) {
        const WORD keyUnits = GetWord(p);
        const auto* key = reinterpret_cast<const char16_t*>(p + 2);
        const BYTE* value = p + 2 + std::size_t{keyUnits} * 2;
        const WORD valueUnits = GetWord(value);
        if (EqualNoCase({key, std::size_t{keyUnits} - 1}, name)) {
            *buffer = const_cast<BYTE*>(value + 2);
            *length = valueUnits;
            return TRUE;
        }
        p = value + 2 + std::size_t{valueUnits} * 2;
    }
    return FALSE;
}

} // namespace

std::vector<BYTE> BuildVersionResource(const VersionInfo& info) {
    std::vector<BYTE> out;
    Put(out, &info.fixed, sizeof info.fixed);
    Put(out, &info.language, 2);
    Put(out, &info.codePage, 2);
    const auto count = static_cast<DWORD>(info.strings.size());
    Put(out, &count, 4);
    for (const auto& [key, value] : info.strings) {
        PutText(out, key);
        PutText(out, value);
    }
    return out;
}

void RegisterVersionResource(HMODULE module, const VersionInfo& info) {
    RegisterResource(module, RT_VERSION, MAKEINTRESOURCEW(1), info.language, BuildVersionResource(info));
}

BOOL VerQueryValueW(LPCVOID block, LPCWSTR subBlock, LPVOID* buffer, UINT* length) {
    if (block == nullptr || subBlock == nullptr || buffer == nullptr || length == nullptr)
        return FALSE;
    const auto* bytes = static_cast<const BYTE*>(block);
    const std::u16string_view path(subBlock);
    if (path == u"\\") {
        *buffer = const_cast<BYTE*>(bytes);
        *length = sizeof(VS_FIXEDFILEINFO);
        return TRUE;
    }
    if (EqualNoCase(path, u"\\VarFileInfo\\Translation")) {
        *buffer = const_cast<BYTE*>(bytes + kTranslation);
        *length = 4;
        return TRUE;
    }
    return FindString(bytes, path, buffer, length);
}

#include "core/ResourceStrings.h"

#include <algorithm>
#include <cstring>

#include "core/HostIdentity.h"

namespace Ovo {

namespace {

std::optional<LANGID>& CurrentLanguage() {
    static std::optional<LANGID> language;
    return language;
}

// Position of the first occurrence of word at or after start, or -1.
int Find(const String& text, const String& word, int start) {
    const WCHAR* begin = text.c_str();
    const WCHAR* end = begin + text.Length();
    const WCHAR* at = std::search(begin + start, end, word.c_str(), word.c_str() + word.Length());
    return at == end ? -1 : static_cast<int>(at - begin);
}

std::u16string EntryText(const WCHAR* entry) {
    if (entry == nullptr)
        return {};
    WORD length;
    std::memcpy(&length, entry, 2);
    return std::u16string(entry + 1, length);
}

void Substitute(String& text, HMODULE module) {
    for (const HostIdentityEntry& e : LoadHostIdentity(module)) {
        if (e.placeholder.IsEmpty())
            continue;
        for (int at = Find(text, e.placeholder, 0); at >= 0;
             at = Find(text, e.placeholder, at + e.value.Length()))
            text.Replace(at, e.placeholder.Length(), e.value);
    }
}

} // namespace

void SetApplicationLanguage(std::optional<LANGID> language) {
    CurrentLanguage() = language;
}

std::optional<LANGID> ApplicationLanguage() {
    return CurrentLanguage();
}

const WCHAR* FindResourceStringInBlock(UINT id, HMODULE module, HRSRC block) {
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, block)));
    if (data == nullptr)
        return nullptr;
    const std::size_t size = SizeofResource(module, block);
    std::size_t at = 0;
    for (UINT index = 0;; ++index) {
        if (at + 2 > size)
            return nullptr;
        WORD length;
        std::memcpy(&length, data + at, 2);
        if (index == (id & 15))
            return at + 2 + std::size_t{length} * 2 <= size ? reinterpret_cast<const WCHAR*>(data + at)
                                                            : nullptr;
        at += 2 + std::size_t{length} * 2;
    }
}

String LoadStringResource(UINT id, HMODULE module) {
    const LPCWSTR block = MAKEINTRESOURCEW(static_cast<WORD>(((id >> 4) + 1) & 0xFFFF));
    std::u16string text;
    if (const std::optional<LANGID> language = ApplicationLanguage())
        text = EntryText(
            FindResourceStringInBlock(id, module, FindResourceExW(module, RT_STRING, block, *language)));
    if (text.empty())
        text = EntryText(FindResourceStringInBlock(id, module, FindResourceW(module, block, RT_STRING)));
    return String(text);
}

void LoadResString(String& out, HMODULE module, UINT id, bool substitute) {
    out = id == 0 ? String() : LoadStringResource(id, module);
    if (substitute && !out.IsEmpty())
        Substitute(out, module);
}

} // namespace Ovo

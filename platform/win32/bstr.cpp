#include "platform/win32/bstr.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kPrefix = sizeof(std::uint32_t);
constexpr UINT kMaxLength = (0xFFFFFFFFu - kPrefix - sizeof(WCHAR)) / sizeof(WCHAR);

unsigned char* BlockOf(BSTR text) {
    return reinterpret_cast<unsigned char*>(text) - kPrefix;
}

} // namespace

BSTR SysAllocString(const WCHAR* text) {
    if (text == nullptr)
        return nullptr;
    std::size_t n = 0;
    while (text[n] != 0)
        ++n;
    if (n > kMaxLength)
        return nullptr;
    return SysAllocStringLen(text, static_cast<UINT>(n));
}

BSTR SysAllocStringLen(const WCHAR* text, UINT length) {
    if (length > kMaxLength)
        return nullptr;
    const std::uint32_t bytes = length * static_cast<std::uint32_t>(sizeof(WCHAR));
    auto* block = static_cast<unsigned char*>(std::malloc(kPrefix + bytes + sizeof(WCHAR)));
    if (block == nullptr)
        return nullptr;
    std::memcpy(block, &bytes, kPrefix);
    auto* units = reinterpret_cast<WCHAR*>(block + kPrefix);
    if (text != nullptr)
        std::memcpy(units, text, bytes);
    else
        std::memset(units, 0, bytes);
    units[length] = 0;
    return units;
}

void SysFreeString(BSTR text) {
    if (text != nullptr)
        std::free(BlockOf(text));
}

UINT SysStringLen(BSTR text) {
    if (text == nullptr)
        return 0;
    std::uint32_t bytes = 0;
    std::memcpy(&bytes, BlockOf(text), kPrefix);
    return bytes / static_cast<std::uint32_t>(sizeof(WCHAR));
}

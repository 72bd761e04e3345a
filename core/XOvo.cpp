#include "core/XOvo.h"

#include <array>

#include "core/ResourceStrings.h"
#include "platform/win32/message.h"

namespace {

// Host string ids of the codes 0xA0048200 + i; 0 for none.
constexpr std::array<UINT, 26> kErrorTable = {
    0xE001, 0xE002, 0xE003, 0xE004, 0xE005, 0xE005, 0xE008, 0xE006, 0xE007, 0xE00A, 0, 0, 0,
    0,      0,      0,      0,      0,      0xE00E, 0,      0,      0,      0,      0, 0, 0};

constexpr std::uint32_t Bits(HRESULT hr) {
    return static_cast<std::uint32_t>(hr);
}

bool IsModuleCode(HRESULT hr) {
    return HRESULT_FACILITY(hr) == FACILITY_ITF && (Bits(hr) & 0x20008200u) != 0;
}

Ovo::String SystemText(HRESULT code) {
    std::array<WCHAR, 512> buffer{};
    const DWORD id = HRESULT_FACILITY(code) == FACILITY_WIN32 ? HRESULT_CODE(code) : Bits(code);
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, id, 0x0400,
                             buffer.data(), 510, nullptr);
    if (n > 1) {
        if (n >= 2 && buffer[n - 2] == u'\r' && buffer[n - 1] == u'\n')
            n -= 2;
        if (n > 0 && buffer[n - 1] != u'.')
            buffer[n++] = u'.';
        buffer[n] = 0;
    }
    return Ovo::String(buffer.data(), static_cast<int>(n));
}

} // namespace

XOvo::XOvo(HRESULT code) : mCode(code), mMessage(CodeText(code)) {}

XOvo::XOvo(const Ovo::String& text, HRESULT code) : mCode(code), mMessage(text) {
    if (code != 0 && code != OVO_E_MESSAGE_ONLY && code != OVO_E_MESSAGE_ONLY_2) {
        mMessage += u'\n';
        mMessage += CodeText(code);
    }
}

const char* XOvo::what() const noexcept {
    try {
        return mMessage.Narrow();
    } catch (const std::bad_alloc&) {
        return "XOvo";
    }
}

Ovo::String XOvo::CodeText(HRESULT code) {
    if (code == OVO_STG_E_STORAGE_FORMAT)
        code = OVO_E_PERSISTED_DATA;
    if (IsModuleCode(code))
        return ResourceCodeText(code);
    return SystemText(code);
}

Ovo::String XOvo::ResourceCodeText(HRESULT code) {
    if (code == OVO_E_MESSAGE || code == OVO_E_MESSAGE_ONLY || code == OVO_E_MESSAGE_ONLY_2)
        return Ovo::String();
    const std::uint32_t index = (Bits(code) & 0xFFFF) - 0x8200;
    if (!IsModuleCode(code) || index >= kErrorTable.size() || kErrorTable[index] == 0)
        return Ovo::String();
    Ovo::String text;
    Ovo::LoadResString(text, nullptr, kErrorTable[index], true);
    return text;
}

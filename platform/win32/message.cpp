#include "platform/win32/message.h"

#include <algorithm>
#include <string_view>

namespace {

struct SystemMessage {
    DWORD id;
    std::u16string_view text;
};

// HRESULTs by their whole code, Win32 errors by their number.
constexpr SystemMessage kMessages[] = {
    {2, u"The system cannot find the file specified.\r\n"},
    {3, u"The system cannot find the path specified.\r\n"},
    {5, u"Access is denied.\r\n"},
    {8, u"Not enough memory resources are available to process this command.\r\n"},
    {14, u"Not enough memory resources are available to complete this operation.\r\n"},
    {87, u"The parameter is incorrect.\r\n"},
    {0x80004001, u"Not implemented\r\n"},
    {0x80004002, u"No such interface supported\r\n"},
    {0x80004003, u"Invalid pointer\r\n"},
    {0x80004004, u"Operation aborted\r\n"},
    {0x80004005, u"Unspecified error\r\n"},
    {0x8000FFFF, u"Catastrophic failure\r\n"},
    {0x80030001, u"Unable to perform requested operation.\r\n"},
    {0x8003001D, u"A disk error occurred during a write operation.\r\n"},
    {0x8003001E, u"A disk error occurred during a read operation.\r\n"},
};

} // namespace

DWORD FormatMessageW(DWORD flags, LPCVOID, DWORD messageId, DWORD, LPWSTR buffer, DWORD size, void*) {
    if ((flags & FORMAT_MESSAGE_FROM_SYSTEM) == 0 || buffer == nullptr)
        return 0;
    const auto* it = std::find_if(std::begin(kMessages), std::end(kMessages),
                                  [&](const SystemMessage& m) { return m.id == messageId; });
    if (it == std::end(kMessages) || it->text.size() + 1 > size)
        return 0;
    std::copy(it->text.begin(), it->text.end(), buffer);
    buffer[it->text.size()] = 0;
    return static_cast<DWORD>(it->text.size());
}

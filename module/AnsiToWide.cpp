#include "module/AnsiToWide.h"

#include <cstring>
#include <vector>

#include "platform/win32/codepage.h"

namespace Tarvik {

Ovo::String AnsiToWide(const char* text) {
    const int length = text ? static_cast<int>(std::strlen(text)) : 0;
    if (length == 0)
        return Ovo::String();
    std::vector<WCHAR> wide(static_cast<std::size_t>(length));
    const int n = MultiByteToWideChar(CP_ACP, 0, text, length, wide.data(), length);
    return Ovo::String(wide.data(), n);
}

} // namespace Tarvik

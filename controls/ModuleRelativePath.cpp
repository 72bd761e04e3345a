#include "controls/ModuleRelativePath.h"

#include <string>

#include "platform/win32/modules.h"

namespace Tarvik {

Ovo::String GetModuleRelativePath(const Ovo::String& relativeName) {
    WCHAR executable[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, executable, MAX_PATH);
    const std::u16string path(executable, length);
    const std::size_t folderEnd = path.find_last_of(u"\\/");
    std::u16string joined =
        folderEnd == std::u16string::npos ? std::u16string() : path.substr(0, folderEnd + 1);
    joined += relativeName.ToU16String();
    if (joined.size() >= MAX_PATH)
        return Ovo::String();
    return Ovo::String(joined);
}

} // namespace Tarvik

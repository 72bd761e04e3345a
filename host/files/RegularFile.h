#pragma once

#include "host/files/FileError.h"

#include <filesystem>
#include <string>

namespace Vantrel {

/// The whole content of the regular file at path, a symbolic link followed, read through
/// FileCalls. Throws FileError for a folder, a device, pipe or socket, a file that cannot be opened,
/// read or closed, and one too large for memory.
std::string readRegularFile(const std::filesystem::path& path);

} // namespace Vantrel

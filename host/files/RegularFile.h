#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace Vantrel {

/// A file that cannot be read or written. The message names the file and says why, in one line:
/// "cannot read rec.csv: it is a folder, not a file".
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The whole content of the regular file at path, a symbolic link followed, read through
/// FileCalls. Throws FileError for a folder, a device, pipe or socket, a file that cannot be opened,
/// read or closed, and one too large for memory.
std::string readRegularFile(const std::filesystem::path& path);

} // namespace Vantrel

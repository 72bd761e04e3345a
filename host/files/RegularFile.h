#pragma once

#include "host/files/FileError.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <streambuf>
#include <string>
#include <vector>

namespace Vantrel {

/// The whole content of the regular file at path, a symbolic link followed, read through
/// FileCalls. Throws FileError for a folder, a device, pipe or socket, a file that cannot be opened,
/// read or closed, and one too large for memory.
std::string readRegularFile(const std::filesystem::path& path);

/// The regular file at path, read as a stream a chunk at a time through FileCalls: no copy of the
/// whole file is held. The constructor throws FileError as readRegularFile does. A failed read ends
/// the stream with badbit set; finish() then throws FileError saying why, as it does when closing
/// fails.
class RegularFileStream : public std::istream {
public:
    explicit RegularFileStream(const std::filesystem::path& path);
    RegularFileStream(const RegularFileStream&) = delete;
    RegularFileStream& operator=(const RegularFileStream&) = delete;
    ~RegularFileStream() override;

    /// The file's size when it was opened.
    std::uintmax_t size() const { return mBuffer.size; }
    /// Closes the file; throws FileError when a read or the closing failed.
    void finish();

private:
    struct Buffer : std::streambuf {
        int fd = -1;
        std::uintmax_t size = 0;
        int error = 0; // errno of a failed read
        std::vector<char> chunk;
        int_type underflow() override;
    };

    std::filesystem::path mPath;
    Buffer mBuffer;
};

} // namespace Vantrel

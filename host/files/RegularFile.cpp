#include "host/files/RegularFile.h"

#include "host/files/FileCalls.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>

namespace Vantrel {

namespace {

// Appends everything fd holds to text; an errno or 0. size is what fstat gave, to reserve room.
int readAll(FileCalls& calls, int fd, off_t size, std::string& text) {
    text.reserve(static_cast<std::size_t>(size));
    char chunk[65536];
    for (;;) {
        const ssize_t got = calls.read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        text.append(chunk, static_cast<std::size_t>(got));
    }
}

} // namespace

std::string readRegularFile(const std::filesystem::path& path) {
    FileCalls& calls = FileCalls::current();
    // Not blocking: a named pipe opens at once and is then refused.
    const int fd = calls.open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0);
    if (fd < 0)
        throw FileError("cannot read " + path.string() + ": " + std::strerror(errno));
    std::string text;
    std::string why;
    struct stat info {};
    if (calls.fstat(fd, &info) != 0) {
        why = std::strerror(errno);
    } else if (S_ISDIR(info.st_mode)) {
        why = "it is a folder, not a file";
    } else if (!S_ISREG(info.st_mode)) {
        why = "it is a device, pipe or socket, not a file";
    } else {
        try {
            if (const int error = readAll(calls, fd, info.st_size, text))
                why = std::strerror(error);
        } catch (const std::bad_alloc&) {
            why = "its " + std::to_string(info.st_size) + " bytes do not fit in memory";
        }
    }
    if (calls.close(fd) != 0 && why.empty())
        why = std::strerror(errno);
    if (!why.empty())
        throw FileError("cannot read " + path.string() + ": " + why);
    return text;
}

} // namespace Vantrel

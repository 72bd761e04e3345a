#include "host/frontend/OutputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace Vantrel {

namespace {

[[noreturn]] void cannotWrite(const std::filesystem::path& path, int error) {
    throw std::runtime_error("cannot write " + path.string() + ": " + std::strerror(error));
}

// Writes everything and flushes it to the disk; the errno of the first failure, or 0.
int writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

} // namespace

void writeFileAtomically(const std::filesystem::path& path, std::string_view text) {
    if (path.empty() || !path.has_filename())
        throw std::runtime_error("cannot write " + path.string() + ": not a file name");
    std::filesystem::path temporary = path;
    temporary += ".tmp-XXXXXX";
    std::string name = temporary.string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        cannotWrite(path, errno);
    int error = writeAll(fd, text);
    // mkstemp makes the file private; give it the usual permissions of a new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (!error && ::fchmod(fd, 0666 & ~mask) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(name.c_str(), path.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(name.c_str());
        cannotWrite(path, error);
    }
}

} // namespace Vantrel

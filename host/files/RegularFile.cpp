#include "host/files/RegularFile.h"

#include "host/files/FileCalls.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <utility>

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

// Why the file open at fd cannot be read as a regular file, or nothing; info receives its status.
std::string notRegular(FileCalls& calls, int fd, struct stat& info) {
    if (calls.fstat(fd, &info) != 0)
        return std::strerror(errno);
    if (S_ISDIR(info.st_mode))
        return "it is a folder, not a file";
    if (!S_ISREG(info.st_mode))
        return "it is a device, pipe or socket, not a file";
    return {};
}

// Opens path for reading. Not blocking: a named pipe opens at once and is then refused.
int openForReading(FileCalls& calls, const std::filesystem::path& path) {
    const int fd = calls.open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0);
    if (fd < 0)
        throw FileError("cannot read " + path.string() + ": " + std::strerror(errno));
    return fd;
}

} // namespace

std::string readRegularFile(const std::filesystem::path& path) {
    FileCalls& calls = FileCalls::current();
    const int fd = openForReading(calls, path);
    std::string text;
    struct stat info {};
    std::string why = notRegular(calls, fd, info);
    if (why.empty()) {
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

RegularFileStream::RegularFileStream(const std::filesystem::path& path) : std::istream(nullptr), mPath(path) {
    FileCalls& calls = FileCalls::current();
    const int fd = openForReading(calls, path);
    struct stat info {};
    if (std::string why = notRegular(calls, fd, info); !why.empty()) {
        calls.close(fd);
        throw FileError("cannot read " + path.string() + ": " + why);
    }
    mBuffer.fd = fd;
    mBuffer.size = static_cast<std::uintmax_t>(info.st_size);
    mBuffer.chunk.resize(65536);
    rdbuf(&mBuffer);
}

RegularFileStream::~RegularFileStream() {
    if (mBuffer.fd >= 0)
        FileCalls::current().close(mBuffer.fd);
}

void RegularFileStream::finish() {
    const int fd = std::exchange(mBuffer.fd, -1);
    const int closed = fd >= 0 ? FileCalls::current().close(fd) : 0;
    if (mBuffer.error != 0)
        throw FileError("cannot read " + mPath.string() + ": " + std::strerror(mBuffer.error));
    if (closed != 0)
        throw FileError("cannot read " + mPath.string() + ": " + std::strerror(errno));
}

// A failed read throws: the stream catches it and sets badbit.
RegularFileStream::Buffer::int_type RegularFileStream::Buffer::underflow() {
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    if (fd < 0 || error != 0)
        return traits_type::eof();
    for (;;) {
        const ssize_t got = FileCalls::current().read(fd, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = errno;
            throw FileError(std::strerror(error));
        }
        if (got == 0)
            return traits_type::eof();
        setg(chunk.data(), chunk.data(), chunk.data() + got);
        return traits_type::to_int_type(*gptr());
    }
}

} // namespace Vantrel

#include "host/files/FileCalls.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace Vantrel {

int FileCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

int FileCalls::makeTemporary(char* nameTemplate) {
    return ::mkostemp(nameTemplate, O_CLOEXEC);
}

int FileCalls::fstat(int fd, struct stat* info) {
    return ::fstat(fd, info);
}

int FileCalls::stat(const char* path, struct stat* info) {
    return ::stat(path, info);
}

int FileCalls::lstat(const char* path, struct stat* info) {
    return ::lstat(path, info);
}

ssize_t FileCalls::readlink(const char* path, char* buffer, std::size_t size) {
    return ::readlink(path, buffer, size);
}

int FileCalls::realpath(const char* path, std::string& resolved) {
    char* full = ::realpath(path, nullptr);
    if (!full)
        return -1;
    resolved = full;
    std::free(full);
    return 0;
}

ssize_t FileCalls::read(int fd, void* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}

ssize_t FileCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileCalls::fsync(int fd) {
    return ::fsync(fd);
}

int FileCalls::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

int FileCalls::fchown(int fd, uid_t owner, gid_t group) {
    return ::fchown(fd, owner, group);
}

int FileCalls::close(int fd) {
    return ::close(fd);
}

int FileCalls::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

int FileCalls::unlink(const char* path) {
    return ::unlink(path);
}

FileCalls*& FileCalls::installed() {
    static FileCalls* calls = nullptr;
    return calls;
}

FileCalls& FileCalls::current() {
    static FileCalls system;
    FileCalls* calls = installed();
    return calls ? *calls : system;
}

} // namespace Vantrel

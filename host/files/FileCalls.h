#pragma once

#include <cstddef>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

namespace Vantrel {

/// The system calls through which the host reads recordings and writes results. Each answers as the
/// system call of its name does (-1 and errno on failure). They go to the system unless a test puts
/// its own calls in their place (ScopedFileCalls), for instance to make each call fail in turn.
class FileCalls {
public:
    virtual ~FileCalls() = default;

    virtual int open(const char* path, int flags, mode_t mode);
    /// mkostemp with O_CLOEXEC: creates a new file from a name ending in "XXXXXX", which it completes.
    virtual int makeTemporary(char* nameTemplate);
    virtual int fstat(int fd, struct stat* info);
    virtual int stat(const char* path, struct stat* info);
    virtual int lstat(const char* path, struct stat* info);
    virtual ssize_t readlink(const char* path, char* buffer, std::size_t size);
    /// realpath: the absolute path with every symbolic link resolved, into resolved.
    virtual int realpath(const char* path, std::string& resolved);
    virtual ssize_t read(int fd, void* buffer, std::size_t size);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fchown(int fd, uid_t owner, gid_t group);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);

    /// The calls in use.
    static FileCalls& current();

private:
    friend class ScopedFileCalls;
    static FileCalls*& installed();
};

/// Puts other calls in place of the current ones for its lifetime. Not thread-safe: for tests.
class ScopedFileCalls {
public:
    explicit ScopedFileCalls(FileCalls& calls) : mPrevious(FileCalls::installed()) {
        FileCalls::installed() = &calls;
    }
    ScopedFileCalls(const ScopedFileCalls&) = delete;
    ScopedFileCalls& operator=(const ScopedFileCalls&) = delete;
    ~ScopedFileCalls() { FileCalls::installed() = mPrevious; }

private:
    FileCalls* mPrevious;
};

} // namespace Vantrel

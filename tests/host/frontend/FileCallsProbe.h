#pragma once

#include "host/files/FileCalls.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

namespace Vantrel::Testing {

/// File calls that go to the system but keep the name of every call made, and fail one on request
/// with EIO: the failAt-th call made (from 1) or the first call named failCall. With refuseRenames
/// every rename fails with EPERM, so that a fault under test cannot replace a device.
class FileCallsProbe : public FileCalls {
public:
    int failAt = 0;
    std::string failCall;
    bool refuseRenames = false;
    std::vector<std::string> calls;
    std::string failed; // the call that was made to fail

    bool made(const std::string& name) const {
        return std::find(calls.begin(), calls.end(), name) != calls.end();
    }

    int open(const char* path, int flags, mode_t mode) override {
        return pass("open") ? FileCalls::open(path, flags, mode) : -1;
    }
    int makeTemporary(char* name) override {
        return pass("makeTemporary") ? FileCalls::makeTemporary(name) : -1;
    }
    int fstat(int fd, struct stat* info) override { return pass("fstat") ? FileCalls::fstat(fd, info) : -1; }
    int stat(const char* path, struct stat* info) override {
        return pass("stat") ? FileCalls::stat(path, info) : -1;
    }
    int lstat(const char* path, struct stat* info) override {
        return pass("lstat") ? FileCalls::lstat(path, info) : -1;
    }
    ssize_t readlink(const char* path, char* buffer, std::size_t size) override {
        return pass("readlink") ? FileCalls::readlink(path, buffer, size) : -1;
    }
    int realpath(const char* path, std::string& resolved) override {
        return pass("realpath") ? FileCalls::realpath(path, resolved) : -1;
    }
    ssize_t read(int fd, void* buffer, std::size_t size) override {
        return pass("read") ? FileCalls::read(fd, buffer, size) : -1;
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        return pass("write") ? FileCalls::write(fd, data, size) : -1;
    }
    int fsync(int fd) override { return pass("fsync") ? FileCalls::fsync(fd) : -1; }
    int fchmod(int fd, mode_t mode) override { return pass("fchmod") ? FileCalls::fchmod(fd, mode) : -1; }
    int fchown(int fd, uid_t owner, gid_t group) override {
        return pass("fchown") ? FileCalls::fchown(fd, owner, group) : -1;
    }
    int close(int fd) override {
        // The descriptor is closed even when the call reports a failure, as Linux does.
        const bool passed = pass("close");
        const int result = FileCalls::close(fd);
        if (!passed)
            errno = EIO;
        return passed ? result : -1;
    }
    int rename(const char* from, const char* to) override {
        if (!pass("rename"))
            return -1;
        if (refuseRenames) {
            errno = EPERM;
            return -1;
        }
        return FileCalls::rename(from, to);
    }
    int unlink(const char* path) override { return pass("unlink") ? FileCalls::unlink(path) : -1; }

private:
    bool pass(const char* name) {
        calls.emplace_back(name);
        if (failed.empty() && ((failAt > 0 && static_cast<int>(calls.size()) == failAt) ||
                               (!failCall.empty() && failCall == name))) {
            failed = name;
            errno = EIO;
            return false;
        }
        return true;
    }
};

} // namespace Vantrel::Testing

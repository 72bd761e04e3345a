#include "host/files/OutputFile.h"

#include "host/files/FileCalls.h"
#include "host/files/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <vector>

namespace Vantrel {

namespace {

namespace fs = std::filesystem;

// "cannot <what> <path>: <why>"; an empty path is left out.
[[noreturn]] void cannot(const std::string& what, const std::string& path, int error) {
    throw FileError("cannot " + what + (path.empty() ? "" : " " + path) + ": " + std::strerror(error));
}

// Writes everything; the errno of the first failure, or 0.
int writeAll(FileCalls& calls, int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = calls.write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The file a path names at the end of its symbolic links, and what is there (nothing yet when the
// link dangles or the path names no file).
struct Target {
    std::string path;
    std::optional<struct stat> info;
};

// A dangling link's own target, followed link by link (as the system does, up to 40 of them).
Target danglingTarget(FileCalls& calls, const std::string& path) {
    std::string at = path;
    for (int links = 0; links < 40; ++links) {
        struct stat info {};
        if (calls.lstat(at.c_str(), &info) != 0) {
            if (errno != ENOENT)
                cannot("write", path, errno);
            return {at, std::nullopt};
        }
        if (!S_ISLNK(info.st_mode))
            return {at, info};
        std::vector<char> link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
        const ssize_t length = calls.readlink(at.c_str(), link.data(), link.size());
        if (length < 0)
            cannot("write", path, errno);
        const fs::path next(std::string(link.data(), static_cast<std::size_t>(length)));
        at = next.is_absolute() ? next.string() : (fs::path(at).parent_path() / next).string();
    }
    cannot("write", path, ELOOP);
}

Target target(FileCalls& calls, const std::string& path) {
    struct stat info {};
    if (calls.stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT)
            cannot("write", path, errno);
        return danglingTarget(calls, path);
    }
    if (!S_ISREG(info.st_mode))
        return {path, info}; // written where it is, through any link
    std::string resolved;
    if (calls.realpath(path.c_str(), resolved) != 0)
        cannot("write", path, errno);
    return {resolved, info};
}

// A device, pipe or socket: written to as it is.
void writeInPlace(FileCalls& calls, const std::string& path, std::string_view text) {
    const int fd = calls.open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY, 0);
    if (fd < 0)
        cannot("write", path, errno);
    int error = writeAll(calls, fd, text);
    if (calls.close(fd) != 0 && !error)
        error = errno;
    if (error)
        cannot("write", path, error);
}

// The permission bits of a new file: 0666 less the process's umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A regular file, or none: written to a temporary file beside it, renamed over it when complete.
// A replaced file keeps its owner where the process may give it (EPERM: it becomes the writer's, as a
// new file would), then its permission bits.
void replace(FileCalls& calls, const std::string& path, std::string_view text,
             const std::optional<struct stat>& old) {
    const std::string pattern = path + ".tmp-XXXXXX";
    std::string name = pattern;
    const int fd = calls.makeTemporary(name.data());
    if (fd < 0)
        cannot("create the temporary file", pattern, errno);
    std::string failed = "write the temporary file " + name;
    int error = writeAll(calls, fd, text);
    if (!error && calls.fsync(fd) != 0)
        error = errno;
    if (!error && old && calls.fchown(fd, old->st_uid, old->st_gid) != 0 && errno != EPERM) {
        error = errno;
        failed = "set the owner of the temporary file " + name;
    }
    // mkostemp makes the file private: give it the old file's permissions or a new file's.
    if (!error && calls.fchmod(fd, old ? old->st_mode & 07777 : newFileMode()) != 0) {
        error = errno;
        failed = "set the permissions of the temporary file " + name;
    }
    if (calls.close(fd) != 0 && !error)
        error = errno;
    if (!error && calls.rename(name.c_str(), path.c_str()) != 0) {
        error = errno;
        failed = "rename the temporary file " + name + " to";
    }
    if (error) {
        calls.unlink(name.c_str());
        cannot(failed, failed.ends_with(" to") ? path : std::string(), error);
    }
}

} // namespace

void writeOutputFile(const fs::path& path, std::string_view text) {
    if (path.empty() || !path.has_filename())
        throw FileError("cannot write " + path.string() + ": not a file name");
    FileCalls& calls = FileCalls::current();
    const Target file = target(calls, path.string());
    if (file.info && S_ISDIR(file.info->st_mode))
        throw FileError("cannot write " + path.string() + ": it is a folder");
    if (file.info && !S_ISREG(file.info->st_mode))
        writeInPlace(calls, file.path, text);
    else
        replace(calls, file.path, text, file.info);
}

} // namespace Vantrel

#include "platform/shell/shellapi.h"

#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <mutex>

#include "platform/user/Desktop.h"
#include "platform/win32/utf.h"

extern char** environ;

namespace {

struct LaunchLog {
    std::mutex lock;
    std::vector<shell::Launch> entries;
};

LaunchLog& Log() {
    static LaunchLog log;
    return log;
}

std::u16string Text(LPCWSTR s) {
    return s ? std::u16string(s) : std::u16string();
}

std::u16string Number(int v) {
    const std::string s = std::to_string(v);
    return std::u16string(s.begin(), s.end());
}

HINSTANCE Result(std::uintptr_t code) {
    return reinterpret_cast<HINSTANCE>(code);
}

bool IsAddress(const std::u16string& file) {
    return file.find(u"://") != std::u16string::npos || file.rfind(u"mailto:", 0) == 0;
}

// The new process's id; 0 when it could not be started.
int Start(const std::string& program, const std::string& folder) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::string argument0 = program;
    char* argv[] = {argument0.data(), nullptr};
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? 0 : static_cast<int>(pid);
}

} // namespace

HINSTANCE ShellExecuteW(HWND, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder, int show) {
    const std::u16string path = Text(file), directory = Text(folder);
    user::Desktop::Current().Effects().Add("ShellExecute", Text(verb) + u"|" + path + u"|" +
                                                               Text(parameters) + u"|" + directory + u"|" +
                                                               Number(show));
    if (IsAddress(path))
        return Result(42);
    const std::string program = win32::Utf16ToUtf8(path), workDir = win32::Utf16ToUtf8(directory);
    struct stat programStatus {
    }, folderStatus{};
    if (path.empty() || stat(program.c_str(), &programStatus) != 0)
        return Result(SE_ERR_FNF);
    if (!workDir.empty() && (stat(workDir.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode)))
        return Result(SE_ERR_PNF);
    if (!S_ISREG(programStatus.st_mode) || access(program.c_str(), X_OK) != 0)
        return Result(42); // a document: opening it is only recorded
    const int pid = Start(program, workDir);
    if (pid == 0)
        return Result(SE_ERR_FNF);
    LaunchLog& log = Log();
    std::lock_guard guard(log.lock);
    log.entries.push_back({path, directory, show, pid});
    return Result(42);
}

namespace shell {

std::vector<Launch> Launches() {
    LaunchLog& log = Log();
    std::lock_guard guard(log.lock);
    return log.entries;
}

void ClearLaunches() {
    LaunchLog& log = Log();
    std::lock_guard guard(log.lock);
    log.entries.clear();
}

} // namespace shell

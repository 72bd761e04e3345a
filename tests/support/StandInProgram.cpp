#include "tests/support/StandInProgram.h"

#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "platform/win32/utf.h"

extern char** environ;

namespace testsupport {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvik-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    mPath = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(mPath, ec);
}

std::u16string TempFolder::Text(const std::filesystem::path& relative) const {
    return win32::Utf8ToUtf16((relative.empty() ? mPath : mPath / relative).string());
}

std::filesystem::path InstallStandIn(const std::filesystem::path& folder, const std::string& name) {
    std::filesystem::create_directories(folder);
    const std::filesystem::path program = folder / name;
    std::filesystem::copy_file(TARVIK_CVX_STANDIN, program,
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    return program;
}

void WriteLinkFile(const std::filesystem::path& link, const std::filesystem::path& target) {
    std::filesystem::create_directories(link.parent_path());
    std::ofstream(link) << target.string() << "\r\n";
}

int StartProgram(const std::filesystem::path& program) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, program.parent_path().c_str());
    std::string argument0 = program.string();
    char* argv[] = {argument0.data(), nullptr};
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argument0.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? 0 : static_cast<int>(pid);
}

std::optional<StandInMarker> WaitForMarker(const std::filesystem::path& folder) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < until) {
        std::ifstream marker(folder / "cvx-standin.marker");
        StandInMarker found;
        std::string where;
        if (marker >> found.pid && marker.ignore() && std::getline(marker, where)) {
            found.folder = where;
            return found;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

void EndProcess(int pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace testsupport

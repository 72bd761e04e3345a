#pragma once
// The shell's opening of programs, documents and addresses. Every call is
// recorded as an effect ("ShellExecute", "verb|file|parameters|folder|show").
// A file that is an executable program is really started, in the working
// folder given (or the current one), and its process is recorded
// (shell::Launches); documents and addresses are only recorded.

#include <string>
#include <vector>

#include "platform/user/handles.h"

inline constexpr int SE_ERR_FNF = 2; // file not found
inline constexpr int SE_ERR_PNF = 3; // working folder not found

// A value above 32 on success; SE_ERR_FNF for a path that names no file,
// SE_ERR_PNF for a working folder that does not exist (nothing is started).
HINSTANCE ShellExecuteW(HWND hwnd, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder, int show);

namespace shell {

struct Launch {
    std::u16string file;
    std::u16string folder; // the working folder it was started in
    int show = 0;
    int pid = 0;
};

// The programs started so far, oldest first. Their processes are the caller's
// children: whoever ends one also waits for it.
std::vector<Launch> Launches();
void ClearLaunches();

} // namespace shell

#pragma once
// Save-file dialogs, shown to nobody: each is recorded and answered by what
// the test queued: a path, or a cancel. A dialog with nothing queued is a test
// failure.

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/user/handles.h"

namespace user {

struct FileDialogShown {
    HWND owner = nullptr;
    std::vector<std::u16string> filter; // description, pattern, description, ...
    DWORD filterIndex = 0;
    std::u16string initialName; // what lpstrFile held
    std::u16string initialDir;
    std::u16string title;
    std::u16string defaultExtension;
    DWORD flags = 0;
};

// The path chosen, or none for a cancel.
using FileDialogScript = std::function<std::optional<std::u16string>(const FileDialogShown&)>;

class UnexpectedFileDialog : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class ScriptedFileDialogs {
public:
    void Choose(std::u16string path) {
        mQueued.push_back([path](const FileDialogShown&) { return std::optional<std::u16string>(path); });
    }
    void Cancel() {
        mQueued.push_back([](const FileDialogShown&) { return std::optional<std::u16string>(); });
    }
    void Script(FileDialogScript script) { mQueued.push_back(std::move(script)); }

    std::optional<std::u16string> Show(const FileDialogShown& dialog);
    const std::vector<FileDialogShown>& Shown() const { return mShown; }
    DWORD LastError() const { return mLastError; }
    void SetLastError(DWORD error) { mLastError = error; }

private:
    std::deque<FileDialogScript> mQueued;
    std::vector<FileDialogShown> mShown;
    DWORD mLastError = 0;
};

} // namespace user

#pragma once
// Modal dialogs, shown to nobody: each is recorded and answered by what the
// test queued for it, a script that acts on the dialog as the user would: it
// types into its edits, chooses list items, clicks its buttons (Input.h, or
// messages to the controls), may answer the message boxes that follow, and
// leaves the rest to the dialog's modal loop. A dialog with nothing queued
// gets the default script when one is set; without one it is a test failure.

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/user/handles.h"

namespace user {

struct DialogShown {
    HWND dialog = nullptr;
    HWND owner = nullptr;
    std::u16string caption;
};

using DialogScript = std::function<void(HWND dialog)>;

// Thrown when a dialog appears that the test did not expect, or stays open after its script.
class UnexpectedDialog : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class ScriptedDialogs {
public:
    void Script(DialogScript script) { mQueued.push_back(std::move(script)); }
    // Clicks the control id of a dialog nothing is queued for (IDCANCEL ...).
    void SetDefault(int id) { mDefault = id; }
    std::size_t Pending() const { return mQueued.size(); }

    // Records the dialog and runs its script.
    void Run(const DialogShown& dialog);
    const std::vector<DialogShown>& Shown() const { return mShown; }

private:
    std::deque<DialogScript> mQueued;
    std::vector<DialogShown> mShown;
    int mDefault = 0;
};

} // namespace user

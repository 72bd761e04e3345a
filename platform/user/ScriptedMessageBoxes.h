#pragma once
// Message boxes, shown to nobody: each is recorded and answered by what the test
// queued for it: a fixed button, or a script that acts as the user (it may send
// messages, advance the clock ...) and returns the button. A box with nothing
// queued takes the default answer; without one it is a test failure.

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/user/handles.h"

namespace user {

struct MessageBoxShown {
    HWND owner = nullptr;
    std::u16string text;
    std::u16string caption;
    UINT style = 0;
    WORD language = 0;
};

using MessageBoxScript = std::function<int(const MessageBoxShown&)>;

// Thrown when a box appears that the test did not expect, or is answered with a
// button it does not have.
class UnexpectedMessageBox : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class ScriptedMessageBoxes {
public:
    void Answer(int button);
    void Script(MessageBoxScript script) { mQueued.push_back(std::move(script)); }
    // Answer for boxes nothing is queued for; 0 makes such a box a failure.
    void SetDefault(int button) { mDefault = button; }

    // Records the box and returns the button pressed.
    int Show(const MessageBoxShown& box);
    const std::vector<MessageBoxShown>& Shown() const { return mShown; }

private:
    std::deque<MessageBoxScript> mQueued;
    std::vector<MessageBoxShown> mShown;
    int mDefault = 0;
};

// Whether a box of this style has the button (IDOK, IDCANCEL, IDYES ...).
bool HasButton(UINT style, int button);

} // namespace user

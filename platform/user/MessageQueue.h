#pragma once
// The posted-message queue of the (one) user-interface thread: first in, first
// out, plus the quit request of PostQuitMessage.

#include <deque>
#include <functional>
#include <optional>

#include "platform/user/records.h"

namespace user {

class MessageQueue {
public:
    void Post(const MSG& msg) { mPosted.push_back(msg); }
    // Ahead of everything queued: the character a key-down translates to
    // comes before the input that followed the key.
    void PostFirst(const MSG& msg) { mPosted.push_front(msg); }
    // The oldest message that passes the filter, taken out when remove is set.
    std::optional<MSG> Next(const std::function<bool(const MSG&)>& filter, bool remove);

    void RequestQuit(int exitCode);
    bool QuitRequested() const { return mQuit; }
    int ExitCode() const { return mExitCode; }
    void ClearQuit() { mQuit = false; }

private:
    std::deque<MSG> mPosted;
    bool mQuit = false;
    int mExitCode = 0;
};

} // namespace user

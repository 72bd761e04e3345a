#include "platform/user/MessageQueue.h"

namespace user {

std::optional<MSG> MessageQueue::Next(const std::function<bool(const MSG&)>& filter, bool remove) {
    for (auto it = mPosted.begin(); it != mPosted.end(); ++it) {
        if (!filter(*it))
            continue;
        MSG msg = *it;
        if (remove)
            mPosted.erase(it);
        return msg;
    }
    return std::nullopt;
}

void MessageQueue::RequestQuit(int exitCode) {
    mQuit = true;
    mExitCode = exitCode;
}

} // namespace user

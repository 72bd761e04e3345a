#include "platform/user/MessageQueue.h"

namespace user {

std::optional<MSG> MessageQueue::Next(const std::function<bool(const MSG&)>& filter, bool remove) {
    for (auto it = posted_.begin(); it != posted_.end(); ++it) {
        if (!filter(*it))
            continue;
        MSG msg = *it;
        if (remove)
            posted_.erase(it);
        return msg;
    }
    return std::nullopt;
}

void MessageQueue::RequestQuit(int exitCode) {
    quit_ = true;
    exitCode_ = exitCode;
}

} // namespace user

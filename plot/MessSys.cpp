#include "plot/MessSys.h"

#include <algorithm>

namespace MessSys {
namespace {

class Lock {
public:
    explicit Lock(CRITICAL_SECTION& cs) : mCs(cs) { EnterCriticalSection(&mCs); }
    ~Lock() { LeaveCriticalSection(&mCs); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    CRITICAL_SECTION& mCs;
};

} // namespace

MessageSender::MessageSender() {
    InitializeCriticalSection(&mLock);
}

MessageSender::~MessageSender() {
    DeleteCriticalSection(&mLock);
}

void MessageSender::AddReceiver(MessageReceiver* receiver) {
    Lock lock(mLock);
    if (receiver != nullptr)
        mReceivers.push_back(receiver);
}

void MessageSender::RemoveReceiver(MessageReceiver* receiver) {
    Lock lock(mLock);
    auto it = std::find(mReceivers.begin(), mReceivers.end(), receiver);
    if (it != mReceivers.end())
        mReceivers.erase(it);
}

void MessageSender::Send(const Message& message) {
    Lock lock(mLock);
    // A copy: a receiver that changes the list must not disturb the walk.
    const std::vector<MessageReceiver*> receivers = mReceivers;
    for (MessageReceiver* receiver : receivers)
        if (std::find(mReceivers.begin(), mReceivers.end(), receiver) != mReceivers.end())
            receiver->ReceiveMessage(message);
}

bool MessageSender::HasReceivers() {
    Lock lock(mLock);
    return !mReceivers.empty();
}

} // namespace MessSys

#pragma once
// Synchronous messages of the plot library: a sender hands each message object
// to every registered receiver in registration order; a receiver recognises the
// message by its run-time type. Messages live on the sender's stack for the
// length of the send; receivers copy what they need.

#include <vector>

#include "platform/win32/sync.h"

namespace MessSys {

class Message {
public:
    virtual ~Message() = default;
};

class MessageReceiver {
public:
    virtual ~MessageReceiver() = default;
    // True when the receiver handled the message; the answer never stops delivery.
    virtual bool ReceiveMessage(const Message& message) { return false; }
};

// Does not own its receivers: a receiver unregisters before it goes.
class MessageSender {
public:
    MessageSender();
    virtual ~MessageSender();
    MessageSender(const MessageSender&) = delete;
    MessageSender& operator=(const MessageSender&) = delete;

    // A null receiver is ignored; the same receiver may be added twice and then
    // receives every message twice.
    void AddReceiver(MessageReceiver* receiver);
    // Removes the first registration of receiver, if any.
    void RemoveReceiver(MessageReceiver* receiver);
    // Delivers to the receivers registered when the send began, each while it
    // is still registered: a receiver may add or remove receivers, itself
    // included, from inside ReceiveMessage. The lock is held for the whole
    // delivery and is re-entrant for the sending thread.
    void Send(const Message& message);
    bool HasReceivers();

private:
    std::vector<MessageReceiver*> mReceivers;
    CRITICAL_SECTION mLock;
};

} // namespace MessSys

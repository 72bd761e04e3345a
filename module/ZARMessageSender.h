#pragma once
// ZARMessageSender: sends message objects to a target handler through the
// host's message dispatcher. The target may be held with a reference or only
// pointed at.

#include "platform/vantrel/IMessageHandler.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

class ZARMessageSender {
public:
    ZARMessageSender() = default;
    ZARMessageSender(const ZARMessageSender&) = delete;
    ZARMessageSender& operator=(const ZARMessageSender&) = delete;
    virtual ~ZARMessageSender();

    // Marks the message as sent by this sender while the dispatcher delivers it.
    // E_FAIL when disabled or when the dispatcher cannot be had; otherwise the
    // dispatcher's answer (S_OK consumed, S_FALSE not).
    virtual HRESULT Send(IMessageHandler* target, IMessage* message);
    // Releases and forgets the target.
    virtual void Detach();

    // Send on the sender, holding a reference to the message meanwhile.
    static HRESULT Deliver(ZARMessageSender& sender, IMessage* message, IMessageHandler* target);

    IMessageHandler* Target() const { return mTarget; }
    bool HoldsTarget() const { return static_cast<bool>(mTargetRef); }
    // Makes target the target; hold: with an owning reference of its own.
    void SetTarget(IMessageHandler* target, bool hold);
    // Makes target the target, adopting the reference it comes with.
    void AdoptTarget(IMessageHandler* target);

    bool enabled = true;

protected:
    void DropTarget();

private:
    IMessageHandler* mTarget = nullptr;
    ComPtr<IMessageHandler> mTargetRef; // the target when held
};

} // namespace Tarvik

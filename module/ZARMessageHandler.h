#pragma once
// ZARMessageHandler: receives messages and passes them down a chain of
// sub-handlers. A handler sends to whatever its parent sends to, so a chain
// shares the target of its root; a handler with no parent sends to itself.
// The IUnknown operations are the most-derived class's.

#include "core/InterfaceArray.h"
#include "module/ZARMessageSender.h"

namespace Tarvik {

// IMessageHandler with every operation answering E_NOTIMPL.
class UnimplementedIMessageHandler : public IMessageHandler {
public:
    HRESULT OnMessage(IMessage*) override { return E_NOTIMPL; }
    HRESULT AddHandler(IMessageHandler*) override { return E_NOTIMPL; }
    HRESULT RemoveHandler(IMessageHandler*) override { return E_NOTIMPL; }
    HRESULT SetParent(IMessageHandler*) override { return E_NOTIMPL; }
    HRESULT GetTarget(IMessageHandler**) override { return E_NOTIMPL; }
    // Whether this handler takes the message at all.
    virtual bool AcceptsMessage(IMessage* message) = 0;

protected:
    ~UnimplementedIMessageHandler() = default;
};

class ZARMessageHandler : public UnimplementedIMessageHandler, public ZARMessageSender {
public:
    ZARMessageHandler();
    ~ZARMessageHandler() override;

    // Offers the message to each sub-handler in order; 1 when one consumed it.
    HRESULT OnMessage(IMessage* message) override;
    HRESULT AddHandler(IMessageHandler* handler) override;
    // S_FALSE for null, E_FAIL (nothing changed) for a handler not in the list.
    HRESULT RemoveHandler(IMessageHandler* handler) override;
    HRESULT SetParent(IMessageHandler* parent) override;
    HRESULT GetTarget(IMessageHandler** target) override;
    // False for a message flagged kMessageNotToSender that this handler sent.
    bool AcceptsMessage(IMessage* message) override;
    // Leaves the parent, lets the sub-handlers go and forgets the target.
    void Detach() override;

    IMessageHandler* Parent() const { return mParent; }
    std::uint32_t HandlerCount() const { return mHandlers.GetCount(); }

protected:
    IMessageHandler* Self() { return static_cast<IMessageHandler*>(this); }
    // Whether the message says it was sent by the sender.
    static bool IsFromSource(IMessage* message, const ZARMessageSender* sender);

private:
    void Redirect();

    InterfaceArray<IMessageHandler> mHandlers{0, 8};
    IMessageHandler* mParent = nullptr;
};

} // namespace Tarvik

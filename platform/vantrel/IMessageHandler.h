#pragma once
// Message handlers: objects that receive messages and pass them down a chain of
// sub-handlers. OnMessage answers 1 when the message was consumed, 0 when not.

#include "platform/vantrel/Message.h"

inline constexpr IID IID_IMessageHandler = MakeGuid("{35D41FE2-B563-11D2-B801-008048C36FE8}");

struct ISimpleMessageHandler : IUnknown {
    virtual HRESULT OnMessage(IMessage* message) = 0; // slot 3

protected:
    ~ISimpleMessageHandler() = default;
};

struct IMessageHandler : ISimpleMessageHandler {
    virtual HRESULT AddHandler(IMessageHandler* handler) = 0;    // slot 4
    virtual HRESULT RemoveHandler(IMessageHandler* handler) = 0; // slot 5
    virtual HRESULT SetParent(IMessageHandler* parent) = 0;      // slot 6
    // The handler messages from this one go to, with one reference.
    virtual HRESULT GetTarget(IMessageHandler** target) = 0; // slot 7

protected:
    ~IMessageHandler() = default;
};

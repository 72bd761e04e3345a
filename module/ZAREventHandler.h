#pragma once
// The dispatch of host events to a handler's command table. Each answers 0 when
// the event was handled and 1 when not, so that the host offers it elsewhere
// (DispatchMessage: 1 when the message was consumed, 0 when not).

#include "module/ZAREventHandlerBase.h"

namespace Tarvik {

struct IMessageContainer;

namespace ZAREventHandler {

HRESULT FireCommand(ZAREventHandlerBase& handler, DWORD id);
// Without an enabler row a command row enables the command (handled).
HRESULT FireCommandEnabler(ZAREventHandlerBase& handler, DWORD id, ICommandState* state);
// Kinds 6 and 7 answer their handler's result.
HRESULT FireCommandKind(ZAREventHandlerBase& handler, DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2);
// Runs the notification row of the id, if any.
void FireObserverEvent(ZAREventHandlerBase& handler, ISubject* subject, DWORD id, ULONG_PTR data);
HRESULT DispatchMessage(ZAREventHandlerBase& handler, IMessage* message);
// Dispatches the message the container keeps under key; true when it has none.
bool DispatchStoredMessage(ULONG_PTR key, ZAREventHandlerBase& handler, IMessageContainer* container);

} // namespace ZAREventHandler

// The host's container of stored messages.
inline constexpr IID IID_IMessageContainer = MakeGuid("{2F6A9D15-4C83-4B7E-9E25-8A1D0C3B5E61}"); // our own id
struct IMessageContainer : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; }                // slot 3
    virtual HRESULT GetObject(ULONG_PTR key, IUnknown** object) = 0; // slot 4

protected:
    ~IMessageContainer() = default;
};

} // namespace Tarvik

#pragma once
// The COM identity of a plain object (a window, a view, a step dialog) towards
// the host: ZARCppEventHandler is the part the object embeds, its
// ZARProxyEventHandler the reference-counted object the host talks to. The
// proxy passes commands, notifications and messages to its owner's command
// table; it outlives its owner safely, answering as if it had none.

#include "core/CComObjectRoot.h"
#include "module/ZAREventHandler.h"
#include "module/ZARMessageHandler.h"

namespace Tarvik {

class ZARProxyEventHandlerBase;

class ZARCppEventHandler : public ZAREventHandlerBase, public ZARMessageSender {
public:
    // Makes a new proxy and attaches to it.
    ZARCppEventHandler();
    ~ZARCppEventHandler() override;

    // Detaches from any previous proxy, then serves the given one (null: none).
    void Attach(ZARProxyEventHandlerBase* proxy);
    void Detach() override;

    ZARProxyEventHandlerBase* Proxy() const;

private:
    ComPtr<IObserver> mProxy; // the proxy's observer part
};

class ZARProxyEventHandlerBase : public ICAFCommandHandler, public IObserver, public ZARMessageHandler {
public:
    ~ZARProxyEventHandlerBase() override;

    ZARCppEventHandler* Owner() const { return mOwner; }
    void SetOwner(ZARCppEventHandler* owner) { mOwner = owner; }

    // With no owner each answers 0.
    HRESULT OnCommand(DWORD id) override;
    HRESULT OnCommandUpdate(DWORD id, ICommandState* state) override;
    HRESULT OnCommandEvent(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) override;
    // 1 with no owner.
    HRESULT Register(ISubjectService* service) override;
    HRESULT Notify(ISubject* subject, DWORD id, DWORD reserved, ULONG_PTR payload) override;
    HRESULT OnMessage(IMessage* message) override;

    IObserver* ObserverPart() { return static_cast<IObserver*>(this); }
    IMessageHandler* HandlerPart() { return static_cast<IMessageHandler*>(this); }

private:
    ZARCppEventHandler* mOwner = nullptr;
};

class ZARProxyEventHandler : public ZARProxyEventHandlerBase, public Ovo::CComObjectRoot {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }
};

} // namespace Tarvik

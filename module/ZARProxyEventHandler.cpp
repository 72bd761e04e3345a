#include "module/ZARProxyEventHandler.h"

#include "module/HostServices.h"

namespace Tarvik {

ZARCppEventHandler::ZARCppEventHandler() {
    Attach(ComPtr<ZARProxyEventHandler>(new ZARProxyEventHandler).Get());
}

ZARCppEventHandler::~ZARCppEventHandler() {
    Detach();
}

void ZARCppEventHandler::Attach(ZARProxyEventHandlerBase* proxy) {
    Detach();
    if (proxy == nullptr)
        return;
    mProxy = ComPtr<IObserver>(proxy->ObserverPart());
    proxy->SetOwner(this);
    IMessageHandler* target = nullptr;
    proxy->HandlerPart()->GetTarget(&target);
    AdoptTarget(target);
}

void ZARCppEventHandler::Detach() {
    if (const ComPtr<IObserver> held = std::move(mProxy)) {
        if (auto* proxy = dynamic_cast<ZARProxyEventHandlerBase*>(held.Get()))
            proxy->SetOwner(nullptr);
    }
    ZARMessageSender::Detach();
}

ZARProxyEventHandlerBase* ZARCppEventHandler::Proxy() const {
    return dynamic_cast<ZARProxyEventHandlerBase*>(mProxy.Get());
}

ZARProxyEventHandlerBase::~ZARProxyEventHandlerBase() {
    if (ZARCppEventHandler* owner = mOwner) {
        mOwner = nullptr;
        owner->Detach();
    }
    if (ISubjectService* service = GetSubjectService())
        service->DropObserver(ObserverPart());
}

HRESULT ZARProxyEventHandlerBase::OnCommand(DWORD id) {
    return mOwner == nullptr ? 0 : ZAREventHandler::FireCommand(*mOwner, id);
}

HRESULT ZARProxyEventHandlerBase::OnCommandUpdate(DWORD id, ICommandState* state) {
    return mOwner == nullptr ? 0 : ZAREventHandler::FireCommandEnabler(*mOwner, id, state);
}

HRESULT ZARProxyEventHandlerBase::OnCommandEvent(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) {
    return mOwner == nullptr ? 0 : ZAREventHandler::FireCommandKind(*mOwner, id, kind, word1, word2);
}

HRESULT ZARProxyEventHandlerBase::Register(ISubjectService* service) {
    if (mOwner == nullptr)
        return 1;
    RegisterAction action(service, ObserverPart());
    mOwner->ForEachEntry(action);
    return 0;
}

HRESULT ZARProxyEventHandlerBase::Notify(ISubject* subject, DWORD id, DWORD, ULONG_PTR payload) {
    if (mOwner != nullptr)
        ZAREventHandler::FireObserverEvent(*mOwner, subject, id, payload);
    return 0;
}

HRESULT ZARProxyEventHandlerBase::OnMessage(IMessage* message) {
    if (!AcceptsMessage(message))
        return 0;
    DWORD flags = 0;
    message->GetFlags(&flags);
    if (mOwner != nullptr && (flags & kMessageNotToSender) != 0 && IsFromSource(message, mOwner))
        return 0;
    if (mOwner != nullptr && ZAREventHandler::DispatchMessage(*mOwner, message) == 1)
        return 1;
    return ZARMessageHandler::OnMessage(message);
}

HRESULT ZARProxyEventHandler::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_IMessageHandler, HandlerPart()},
                                   {IID_ICAFCommandHandler, static_cast<ICAFCommandHandler*>(this)},
                                   {IID_IObserver, ObserverPart()}},
                                  iid, out);
}

} // namespace Tarvik

#include "module/ZARProxyEventHandler.h"

#include "module/HostServices.h"

namespace Tarvik {

ZARCppEventHandler::ZARCppEventHandler() {
    auto* proxy = new ZARProxyEventHandler;
    proxy->AddRef();
    Attach(proxy);
    proxy->Release();
}

ZARCppEventHandler::~ZARCppEventHandler() {
    Detach();
}

void ZARCppEventHandler::Attach(ZARProxyEventHandlerBase* proxy) {
    Detach();
    if (proxy == nullptr)
        return;
    m_proxy = proxy->ObserverPart();
    m_proxy->AddRef();
    proxy->SetOwner(this);
    IMessageHandler* target = nullptr;
    proxy->HandlerPart()->GetTarget(&target);
    AdoptTarget(target);
}

void ZARCppEventHandler::Detach() {
    if (IObserver* held = m_proxy) {
        m_proxy = nullptr;
        if (auto* proxy = dynamic_cast<ZARProxyEventHandlerBase*>(held))
            proxy->SetOwner(nullptr);
        held->Release();
    }
    ZARMessageSender::Detach();
}

ZARProxyEventHandlerBase* ZARCppEventHandler::Proxy() const {
    return dynamic_cast<ZARProxyEventHandlerBase*>(m_proxy);
}

ZARProxyEventHandlerBase::~ZARProxyEventHandlerBase() {
    if (ZARCppEventHandler* owner = m_owner) {
        m_owner = nullptr;
        owner->Detach();
    }
    if (ISubjectService* service = GetSubjectService())
        service->DropObserver(ObserverPart());
}

HRESULT ZARProxyEventHandlerBase::OnCommand(DWORD id) {
    return m_owner == nullptr ? 0 : ZAREventHandler::FireCommand(*m_owner, id);
}

HRESULT ZARProxyEventHandlerBase::OnCommandUpdate(DWORD id, ICommandState* state) {
    return m_owner == nullptr ? 0 : ZAREventHandler::FireCommandEnabler(*m_owner, id, state);
}

HRESULT ZARProxyEventHandlerBase::OnCommandEvent(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) {
    return m_owner == nullptr ? 0 : ZAREventHandler::FireCommandKind(*m_owner, id, kind, word1, word2);
}

HRESULT ZARProxyEventHandlerBase::Register(ISubjectService* service) {
    if (m_owner == nullptr)
        return 1;
    RegisterAction action(service, ObserverPart());
    m_owner->ForEachEntry(action);
    return 0;
}

HRESULT ZARProxyEventHandlerBase::Notify(ISubject* subject, DWORD id, DWORD, ULONG_PTR payload) {
    if (m_owner != nullptr)
        ZAREventHandler::FireObserverEvent(*m_owner, subject, id, payload);
    return 0;
}

HRESULT ZARProxyEventHandlerBase::OnMessage(IMessage* message) {
    if (!AcceptsMessage(message))
        return 0;
    DWORD flags = 0;
    message->GetFlags(&flags);
    if (m_owner != nullptr && (flags & kMessageNotToSender) != 0 && IsFromSource(message, m_owner))
        return 0;
    if (m_owner != nullptr && ZAREventHandler::DispatchMessage(*m_owner, message) == 1)
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

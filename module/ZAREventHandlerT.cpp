#include "module/ZAREventHandlerT.h"

#include "module/HostServices.h"

namespace Tarvik {

ZAREventHandlerT::ZAREventHandlerT() {
    GetSubjectService();
}

ZAREventHandlerT::~ZAREventHandlerT() {
    if (ISubjectService* service = GetSubjectService())
        service->DropObserver(ObserverPart());
}

HRESULT ZAREventHandlerT::OnCommand(DWORD id) {
    return ZAREventHandler::FireCommand(*this, id);
}

HRESULT ZAREventHandlerT::OnCommandUpdate(DWORD id, ICommandState* state) {
    return ZAREventHandler::FireCommandEnabler(*this, id, state);
}

HRESULT ZAREventHandlerT::OnCommandEvent(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) {
    return ZAREventHandler::FireCommandKind(*this, id, kind, word1, word2);
}

HRESULT ZAREventHandlerT::Register(ISubjectService* service) {
    RegisterAction action(service, ObserverPart());
    ForEachEntry(action);
    return S_OK;
}

HRESULT ZAREventHandlerT::Notify(ISubject* subject, DWORD id, DWORD, ULONG_PTR payload) {
    ZAREventHandler::FireObserverEvent(*this, subject, id, payload);
    return S_OK;
}

HRESULT ZAREventHandlerT::OnMessage(IMessage* message) {
    if (!AcceptsMessage(message))
        return 0;
    if (ZAREventHandlerBase::DispatchMessage(message) == 1)
        return 1;
    return ZARMessageHandler::OnMessage(message);
}

} // namespace Tarvik

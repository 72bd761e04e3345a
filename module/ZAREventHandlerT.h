#pragma once
// ZAREventHandlerT: the command handler, observer and message handler of an
// object that answers the host's events itself through its command table
// (document classes, documents, step models). The IUnknown operations are the
// most-derived class's.

#include "module/ZAREventHandler.h"
#include "module/ZARMessageHandler.h"

namespace Tarvik {

class ZAREventHandlerT : public ICAFCommandHandler,
                         public IObserver,
                         public ZAREventHandlerBase,
                         public ZARMessageHandler {
public:
    ZAREventHandlerT();
    // Drops its observer part from the host's subject service.
    ~ZAREventHandlerT() override;

    HRESULT OnCommand(DWORD id) override;
    HRESULT OnCommandUpdate(DWORD id, ICommandState* state) override;
    HRESULT OnCommandEvent(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) override;
    // Registers every notification row of the table with the service.
    HRESULT Register(ISubjectService* service) override;
    HRESULT Notify(ISubject* subject, DWORD id, DWORD reserved, ULONG_PTR payload) override;
    // The table first, then the sub-handlers.
    HRESULT OnMessage(IMessage* message) override;

protected:
    IObserver* ObserverPart() { return static_cast<IObserver*>(this); }
    ICAFCommandHandler* CommandPart() { return static_cast<ICAFCommandHandler*>(this); }
};

} // namespace Tarvik

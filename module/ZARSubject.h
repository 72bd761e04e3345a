#pragma once
// ZARSubject: the subject part of an object that others observe (step models,
// grids, panes). It keeps nothing itself: every call goes to the host's
// subject/observer service with the subject's own address, and the service
// delivers a notification to each attached observer. Each operation answers the
// service's result, E_UNEXPECTED while the host has no service. The IUnknown
// operations are the owning object's.
//
// Destroying the part tells the service to forget the subject; the owner's
// other parts (an observer part among them) are destroyed before it when it is
// the owner's first base.

#include "platform/vantrel/Subject.h"

namespace Tarvik {

class ZARSubject : public ISubject {
public:
    HRESULT Notify(DWORD id, ULONG_PTR payload) override;
    HRESULT Attach(IObserver* observer) override;
    HRESULT Detach(IObserver* observer) override;
    HRESULT NotifyEx(DWORD word1, DWORD word2, DWORD word3) override;

    ISubject* SubjectPart() { return this; }

protected:
    ZARSubject() = default;
    ~ZARSubject();
};

} // namespace Tarvik

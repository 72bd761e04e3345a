#pragma once
// The subject/observer service. A notification of a subject reaches, at once
// and in the order they came, the observers attached to that subject and then
// those registered for the notification's id. Attaching twice attaches once.
// The service holds no references: subjects and observers leave it themselves
// (ForgetSubject, DropObserver) before they are destroyed.
//
// The object registry is the framework's subject of object information: the
// objects added and not yet removed are the live ones.

#include <set>
#include <utility>
#include <vector>

#include "host/engine/ComObject.h"
#include "platform/vantrel/Subject.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

class SubjectService : public ComObject<ISubjectService> {
public:
    void* find(REFIID iid) override {
        return iid == IID_ISubjectService ? static_cast<ISubjectService*>(this) : nullptr;
    }
    int DroppedObserverCount(IObserver* observer) const;
    // The subjects forgotten and observers dropped, in the order they left.
    const std::vector<const void*>& Departures() const { return mDepartures; }
    bool IsRegistered(IObserver* observer, DWORD id) const;
    // How many notifications subjects sent.
    int NotificationCount() const { return mNotifications; }

    HRESULT Attach(ISubject* subject, IObserver* observer) override;
    HRESULT Detach(ISubject* subject, IObserver* observer) override;
    HRESULT Notify(ISubject* subject, DWORD id, ULONG_PTR payload) override;
    HRESULT Register(IObserver* observer, DWORD id, DWORD reserved) override;
    HRESULT NotifyEx(ISubject* subject, DWORD word1, DWORD word2, DWORD word3) override;
    HRESULT ForgetSubject(ISubject* subject) override;
    HRESULT DropObserver(IObserver* observer) override;

private:
    std::vector<std::pair<ISubject*, IObserver*>> mAttached;
    std::vector<std::pair<DWORD, IObserver*>> mRegistered;
    std::vector<IObserver*> mDropped;
    std::vector<const void*> mDepartures;
    int mNotifications = 0;
};

class ObjectRegistry : public ComObject<ISubject> {
public:
    void* find(REFIID iid) override { return iid == IID_ISubject ? static_cast<ISubject*>(this) : nullptr; }
    const std::set<ULONG_PTR>& Objects() const { return mObjects; }
    int Calls() const { return mCalls; }

    HRESULT Notify(DWORD id, ULONG_PTR payload) override;
    HRESULT Attach(IObserver*) override { return E_NOTIMPL; }
    HRESULT Detach(IObserver*) override { return E_NOTIMPL; }
    HRESULT NotifyEx(DWORD, DWORD, DWORD) override { return E_NOTIMPL; }

private:
    std::set<ULONG_PTR> mObjects;
    int mCalls = 0;
};

} // namespace Vantrel

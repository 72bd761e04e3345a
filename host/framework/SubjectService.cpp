#include "host/framework/SubjectService.h"

#include <algorithm>

namespace Vantrel {

int SubjectService::DroppedObserverCount(IObserver* observer) const {
    return static_cast<int>(std::count(mDropped.begin(), mDropped.end(), observer));
}

bool SubjectService::IsRegistered(IObserver* observer, DWORD id) const {
    return std::find(mRegistered.begin(), mRegistered.end(), std::make_pair(id, observer)) !=
           mRegistered.end();
}

HRESULT SubjectService::Attach(ISubject* subject, IObserver* observer) {
    if (subject == nullptr || observer == nullptr)
        return E_POINTER;
    auto entry = std::make_pair(subject, observer);
    if (std::find(mAttached.begin(), mAttached.end(), entry) == mAttached.end())
        mAttached.push_back(entry);
    return S_OK;
}

HRESULT SubjectService::Detach(ISubject* subject, IObserver* observer) {
    std::erase(mAttached, std::make_pair(subject, observer));
    return S_OK;
}

HRESULT SubjectService::Notify(ISubject* subject, DWORD id, ULONG_PTR payload) {
    ++mNotifications;
    std::vector<IObserver*> receivers;
    for (const auto& [s, observer] : mAttached)
        if (s == subject)
            receivers.push_back(observer);
    for (const auto& [registeredId, observer] : mRegistered)
        if (registeredId == id && std::find(receivers.begin(), receivers.end(), observer) == receivers.end())
            receivers.push_back(observer);
    for (IObserver* observer : receivers)
        observer->Notify(subject, id, 0, payload);
    return S_OK;
}

HRESULT SubjectService::Register(IObserver* observer, DWORD id, DWORD) {
    if (observer == nullptr)
        return E_POINTER;
    if (!IsRegistered(observer, id))
        mRegistered.emplace_back(id, observer);
    return S_OK;
}

HRESULT SubjectService::NotifyEx(ISubject* subject, DWORD word1, DWORD word2, DWORD word3) {
    const DWORD words[3] = {word1, word2, word3};
    return Notify(subject, word1, reinterpret_cast<ULONG_PTR>(words));
}

HRESULT SubjectService::ForgetSubject(ISubject* subject) {
    std::erase_if(mAttached, [subject](const auto& entry) { return entry.first == subject; });
    mDepartures.push_back(subject);
    return S_OK;
}

HRESULT SubjectService::DropObserver(IObserver* observer) {
    std::erase_if(mAttached, [observer](const auto& entry) { return entry.second == observer; });
    std::erase_if(mRegistered, [observer](const auto& entry) { return entry.second == observer; });
    mDropped.push_back(observer);
    mDepartures.push_back(observer);
    return S_OK;
}

HRESULT ObjectRegistry::Notify(DWORD id, ULONG_PTR payload) {
    ++mCalls;
    if (id == kObjectRegistryAdd)
        mObjects.insert(payload);
    else if (id == kObjectRegistryRemove)
        mObjects.erase(payload);
    else
        return E_INVALIDARG;
    return S_OK;
}

} // namespace Vantrel

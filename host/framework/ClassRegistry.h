#pragma once
// The class registry: keeps the class objects a module registers, in order,
// and hands out the framework's services by kind word, and a registered
// class's object by its type id.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host/engine/ComObject.h"
#include "platform/vantrel/IClassRegistry.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

struct RegisteredClass {
    DWORD typeId = 0;
    std::u16string description;
    const GUID* classGuid = nullptr;
    bool accepted = false;
};

class ClassRegistry : public ComObject<IClassRegistry> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IClassRegistry ? static_cast<IClassRegistry*>(this) : nullptr;
    }
    ~ClassRegistry() override;

    // A service of the framework, answered for its kind word (not owned).
    void AddService(DWORD kind, IUnknown* service);
    // A class whose objects the registry makes, a new one on each request of its kind.
    void AddObjectClass(DWORD kind, std::function<ComPtr<IUnknown>()> make) {
        mObjectClasses[kind] = std::move(make);
    }
    // The host without that service.
    void RemoveService(DWORD kind) { mServices.erase(kind); }
    // Refused registrations are recorded and answered with E_FAIL.
    void SetRefuseRegistrations(bool refuse) { mRefuse = refuse; }
    // Every registration asked for, in order.
    const std::vector<RegisteredClass>& Registrations() const { return mRegistrations; }
    // The accepted class objects, in registration order (not AddRef'd).
    std::vector<ICAFClassObject*> ClassObjects() const {
        std::vector<ICAFClassObject*> objects;
        for (const auto& entry : mClasses)
            objects.push_back(entry.second);
        return objects;
    }
    // The accepted class object of a type id, or null (not AddRef'd).
    ICAFClassObject* FindClass(DWORD typeId) const;
    // Releases the accepted class objects (before their module is unloaded).
    void ReleaseClasses();
    bool HoldsClasses() const { return !mClasses.empty(); }
    int ServiceRequests(DWORD kind) const;

    HRESULT GetService(DWORD kind, REFIID iid, void** out) override;
    HRESULT RegisterClassObject(ICAFClassObject* classObject) override;

private:
    std::map<DWORD, IUnknown*> mServices;
    std::map<DWORD, std::function<ComPtr<IUnknown>()>> mObjectClasses;
    std::map<DWORD, int> mRequests;
    std::vector<RegisteredClass> mRegistrations;
    std::vector<std::pair<DWORD, ICAFClassObject*>> mClasses;
    bool mRefuse = false;
};

} // namespace Vantrel

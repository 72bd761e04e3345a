#pragma once
// The list of the module's self-registering class objects: the calculation
// classes and the channel calculation put their ZARClassObject part on it while
// the module's statics are built; registration hands every node's class object
// to the host's class registry, the newest first.

#include "core/LinkedList.h"
#include "platform/vantrel/ICAFClassObject.h"

namespace Tarvik {

class ZARClassObject {
public:
    virtual ICAFClassObject* GetClassObject() = 0;
    ZARClassObject* next = nullptr;

protected:
    ~ZARClassObject() = default;
};

using ClassObjectList = Ovo::LinkedList<ZARClassObject>;

} // namespace Tarvik

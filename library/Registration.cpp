#include "document/TarvikDocument.h"
#include "library/LibraryEntry.h"
#include "library/ModuleStatics.h"
#include "library/ViewClassObjects.h"
#include "module/Boundary.h"
#include "module/HostServices.h"
#include "module/ZARDocumentClass.h"
#include "selftest/SelfTests.h"

namespace Tarvik {

namespace {

constexpr GUID kTarvikDocumentClassGuid = MakeGuid("{D6F52E84-B34D-11D3-80C7-005004AD3C53}");

// Hands a new object to a registry. The object's count is raised while it is
// handed over, so that an object the registry refuses is deleted, not leaked.
template <class Object, class Register> bool HandOver(Object* object, Register registerIt) {
    const ComPtr<Object> held(object);
    return registerIt(object);
}

bool RegisterClass(ICAFClassObject* classObject) {
    return HandOver(classObject, [](ICAFClassObject* object) {
        IClassRegistry* registry = GetClassRegistry();
        if (registry != nullptr)
            registry->RegisterClassObject(object);
        return registry != nullptr;
    });
}

bool RegisterFixedClasses() {
    bool reached = RegisterClass(new ZARDocumentClass<TarvikDocument>(
        Ovo::String(u"Tarvik Document"), kTarvikDocumentClassGuid, TarvikDocumentGUID, 0, 1, 0));
    for (ICAFClassObject* classObject : MakeViewClassObjects())
        reached &= RegisterClass(classObject);
    return reached;
}

bool AddTest(IUnitTest* test) {
    return HandOver(test, [](IUnitTest* object) {
        ITestRegistry* registry = GetTestRegistry();
        if (registry != nullptr)
            registry->AddTest(object);
        return registry != nullptr;
    });
}

bool AddSelfTests() {
    bool reached = AddTest(new Tarvik_TestEdpDetector);
    reached &= AddTest(new Tarvik_TestEdpDetector_ECG);
    reached &= AddTest(new Tarvik_TestEventDetector);
    reached &= AddTest(new Tarvik_TestSelector);
    reached &= AddTest(new Tarvik_TestPVAEvents);
    return reached;
}

bool RegisterMessageClasses() {
    bool reached = true;
    Statics().messageClasses.ForEach([&reached](Ovo::LinkedClassObject& node) {
        IMessageFactory* factory = GetMessageFactory();
        if (factory != nullptr)
            factory->RegisterMessageClass(0, node.ClassObject());
        reached &= factory != nullptr;
    });
    return reached;
}

} // namespace

HRESULT RegisterClassObjects(IUnknown* host) {
    if (host == nullptr)
        return E_FAIL;
    return GuardBoundary([] {
        bool reached = true;
        Statics().classObjects.ForEach([&reached](ZARClassObject& node) {
            IClassRegistry* registry = GetClassRegistry();
            if (registry != nullptr)
                registry->RegisterClassObject(node.GetClassObject());
            reached &= registry != nullptr;
        });
        reached &= RegisterFixedClasses();
        reached &= RegisterMessageClasses();
        reached &= AddSelfTests();
        return reached ? S_OK : E_NOINTERFACE;
    });
}

} // namespace Tarvik

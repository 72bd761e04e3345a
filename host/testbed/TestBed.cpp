#include "host/testbed/TestBed.h"

#include "platform/vantrel/ITestDocumentFactory.h"

namespace Vantrel {

/// The calculation classes of a class registry and those added, looked up afresh each time, so that
/// classes a module registers later are found.
class TestBed::RegisteredClasses : public ComObject<ICalcService> {
public:
    explicit RegisteredClasses(ClassRegistry& registry) : mRegistry(registry) {}

    void add(IUnknown* classObject) { mExtra.emplace_back(classObject); }

    HRESULT FindCalcClass(IAutoOvoString* name, ICalcEnumClass2** out) override {
        auto catalog = ComPtr<CalcClassCatalog>::Adopt(new CalcClassCatalog);
        for (const RegisteredClass& entry : mRegistry.Registrations())
            if (ICAFClassObject* classObject = entry.accepted ? mRegistry.FindClass(entry.typeId) : nullptr)
                catalog->add(classObject);
        for (const auto& classObject : mExtra)
            catalog->add(classObject.Get());
        return catalog->FindCalcClass(name, out);
    }

private:
    void* find(REFIID iid) override {
        return iid == IID_ICalcService ? static_cast<ICalcService*>(this) : nullptr;
    }

    ClassRegistry& mRegistry;
    std::vector<ComPtr<IUnknown>> mExtra;
};

TestBed::TestBed(Framework& framework)
    : mClasses(ComPtr<RegisteredClasses>::Adopt(new RegisteredClasses(framework.Classes()))) {
    const auto id = [&](const GUID& guid) {
        return static_cast<DWORD>(framework.MessageIds().NumberOf(guid)) << 16;
    };
    mFormulas = ComPtr<FormulaCalcClass>::Adopt(new FormulaCalcClass(mClasses.Get(), id(kFormulaCalcGuid)));
    framework.Classes().AddService(id(kTestDocumentFactoryGuid),
                                   static_cast<ITestDocumentFactory*>(mFactory.Get()));
    framework.Classes().AddService(id(kFormulaCalcGuid), static_cast<ICalcEnumClass2*>(mFormulas.Get()));
}

TestBed::~TestBed() = default;

void TestBed::addCalcClass(IUnknown* classObject) {
    mClasses->add(classObject);
}

} // namespace Vantrel

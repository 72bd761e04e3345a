#include "TestSuite/UnitTestHelperLib/TestDocumentAccess.h"

#include "TestSuite/UnitTestHelperLib/UnitTestException.h"
#include "module/HostServices.h"
#include "module/MessageIds.h"
#include "module/ModuleExit.h"
#include "platform/vantrel/IRecordData.h"
#include "platform/vantrel/ITestDocumentFactory.h"

#include <atomic>
#include <mutex>

namespace ExtLib {
namespace {

constexpr GUID kCalcObjectSpace = MakeGuid("{88736FEF-F85F-4B09-862A-B4E59B348DE4}");
constexpr GUID kExtensionSpace = MakeGuid("{C3397303-5AAD-11D3-AB07-00A0CC40B4CE}");

constexpr char kTestDataAdder[] = ".\\TestDataAdder";

} // namespace

DWORD GetCalcGuidMsgId0() {
    return Tarvik::MsgIdClass<kCalcObjectSpace, 0>::Id();
}

DWORD GetDocFactoryMsgId0() {
    return Tarvik::MsgIdClass<kTestDocumentFactoryGuid, 0>::Id();
}

DWORD GetExtGuidMsgId0() {
    return Tarvik::MsgIdClass<kExtensionSpace, 0>::Id();
}

ITestDocumentFactory* GetTestDocumentFactory() {
    static std::atomic<ITestDocumentFactory*> cache{nullptr};
    static std::mutex lock;
    if (ITestDocumentFactory* factory = cache.load(std::memory_order_acquire))
        return factory;
    std::lock_guard guard(lock);
    ITestDocumentFactory* factory = cache.load(std::memory_order_acquire);
    IClassRegistry* registry = Tarvik::GetClassRegistry();
    if (!factory && registry) {
        void* out = nullptr;
        registry->GetService(GetDocFactoryMsgId0(), IID_ITestDocumentFactory, &out);
        factory = static_cast<ITestDocumentFactory*>(out);
        if (factory) {
            factory->Release(); // the host keeps its factory while the module is loaded
            cache.store(factory, std::memory_order_release);
            Tarvik::AtModuleExit([] { cache.store(nullptr); });
        }
    }
    return factory;
}

void NewTestDocument(IUnknown** document) {
    if (*document) {
        (*document)->Release();
        *document = nullptr;
    }
    ITestDocumentFactory* factory = GetTestDocumentFactory();
    if (factory)
        factory->CreateDocument(0, IID_IRecordData, reinterpret_cast<void**>(document));
    Check(*document != nullptr, {kTestDataAdder, 80, "GetTestDocumentFactory()"},
          Ovo::String(u"ZAR.DLL couldnt be loaded?"));
}

} // namespace ExtLib

#include <typeinfo>
#include <vector>

#include "library/LibraryEntry.h"
#include "library/ViewClassObjects.h"
#include "module/MessageIds.h"
#include "module/ModuleInstance.h"
#include "module/MsgIdMessageClassObject.h"
#include "platform/owl/TModule.h"
#include "platform/win32/modules.h"
#include "selftest/SelfTests.h"
#include "tests/support/ModuleHost.h"

namespace {

using namespace Tarvik;
using TarvikTest::ModuleHost;

// A self-registering class object of the kind other subsystems put on the list.
class ListedClass : public ZARClassObject, public ICAFClassObject {
public:
    explicit ListedClass(DWORD id) : mId(id) {}
    ICAFClassObject* GetClassObject() override { return this; }
    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Ovo::QueryInterfaceMap({{IID_ICAFClassObject, static_cast<ICAFClassObject*>(this)}}, iid, out);
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT GetClassId(DWORD* id) override {
        *id = mId;
        return S_OK;
    }
    HRESULT GetTypeGuid(const GUID** type) override {
        *type = nullptr;
        return S_OK;
    }
    HRESULT GetNameBSTR(BSTR* name) override {
        *name = nullptr;
        return S_OK;
    }
    HRESULT IsTypeGuid(const GUID*) override { return S_FALSE; }

private:
    DWORD mId;
};

ListedClass gChannel(0xC0), gCalc1(0xA1), gCalc2(0xA2), gCalc3(0xA3);

class Registration : public ModuleHost {
protected:
    void SetUp() override {
        ModuleRegistrars registrars;
        registrars.channelCalculation = [](ClassObjectList& list) { list.PushFront(&gChannel); };
        registrars.calculationClasses = [](ClassObjectList& list) {
            for (ListedClass* cls : {&gCalc1, &gCalc2, &gCalc3})
                list.PushFront(cls);
        };
        InitModuleStatics(registrars);
    }

    std::vector<DWORD> ClassIds() const {
        std::vector<DWORD> ids;
        for (const auto& entry : host->Zar().Classes().Registrations())
            ids.push_back(entry.typeId);
        return ids;
    }
    DWORD DrawId(WORD n) { return MakeMessageId(Zar().MessageIds().NumberOf(TarvikEventDrawGUID), n); }
    DWORD DocId(WORD n) { return MakeMessageId(Zar().MessageIds().NumberOf(TarvikDocumentGUID), n); }
};

TEST_F(Registration, WithoutAHostNothingIsRegistered) {
    EXPECT_EQ(RegisterClassObjects(nullptr), E_FAIL);
    EXPECT_TRUE(Zar().Classes().Registrations().empty());
    EXPECT_TRUE(Zar().MessageClasses().Requests().empty());
    EXPECT_EQ(host->Tests().Requests(), 0);
}

TEST_F(Registration, EveryClassReachesTheHostInItsOrder) {
    ASSERT_EQ(RegisterClassObjects(&host->Application()), S_OK);

    std::vector<DWORD> expected = {0xA3, 0xA2, 0xA1, 0xC0, DocId(0)};
    for (WORD view : {2, 4, 5, 7, 8, 9, 10, 11, 12})
        expected.push_back(DocId(view));
    expected.push_back(DrawId(0));
    expected.push_back(DrawId(1));
    EXPECT_EQ(ClassIds(), expected);
    EXPECT_EQ(Zar().Classes().Registrations()[4].description, u"Tarvik Document");
    EXPECT_EQ(Zar().Classes().Registrations()[5].description, u"Tarvik Hemodynamics TableView");
    EXPECT_EQ(Zar().Classes().Registrations()[15].description, u"RiDudaEventDrawClass");

    std::vector<DWORD> messages;
    for (WORD n : {285, 284, 283, 282, 281, 280, 276, 274, 273, 272, 267, 266, 265,
                   264, 269, 268, 271, 270, 263, 262, 261, 260, 259, 258, 257, 256})
        messages.push_back(DocId(n));
    EXPECT_EQ(Zar().MessageClasses().Requests(), messages) << "the newest class first";
    for (const auto& entry : Zar().MessageClasses().Classes())
        EXPECT_EQ(entry.reserved, 0u);

    const auto& tests = host->Tests().Tests();
    ASSERT_EQ(tests.size(), 5u);
    EXPECT_EQ(typeid(*static_cast<UnitTestBase*>(tests[0])), typeid(Tarvik_TestEdpDetector));
    EXPECT_EQ(typeid(*static_cast<UnitTestBase*>(tests[1])), typeid(Tarvik_TestEdpDetector_ECG));
    EXPECT_EQ(typeid(*static_cast<UnitTestBase*>(tests[2])), typeid(Tarvik_TestEventDetector));
    EXPECT_EQ(typeid(*static_cast<UnitTestBase*>(tests[3])), typeid(Tarvik_TestSelector));
    EXPECT_EQ(typeid(*static_cast<UnitTestBase*>(tests[4])), typeid(Tarvik_TestPVAEvents));
}

TEST_F(Registration, RefusedRegistrationsStillAnswerSuccessAndLeakNothing) {
    Zar().Classes().SetRefuseRegistrations(true);
    Zar().MessageClasses().SetRefuseRegistrations(true);
    host->Tests().SetRefuseTests(true);
    EXPECT_EQ(RegisterClassObjects(&host->Application()), S_OK);
    EXPECT_EQ(Zar().Classes().Registrations().size(), 16u);
    EXPECT_EQ(Zar().MessageClasses().Requests().size(), 26u);
    EXPECT_EQ(host->Tests().Requests(), 5);
}

TEST_F(Registration, AMissingRegistryIsReportedAndTheRestStillRegistered) {
    host->RevokeTestRegistry();
    EXPECT_EQ(RegisterClassObjects(&host->Application()), E_NOINTERFACE);
    EXPECT_EQ(Zar().Classes().Registrations().size(), 16u);
    EXPECT_EQ(Zar().MessageClasses().Requests().size(), 26u);
    EXPECT_EQ(host->Tests().Requests(), 0);
}

TEST_F(Registration, StaticsAreBuiltInTheirOrderAndTornDown) {
    TeardownModuleStatics();
    std::vector<std::string> order;
    ModuleRegistrars registrars;
    registrars.channelCalculation = [&order](ClassObjectList&) {
        order.push_back(Statics().messageClasses.Head() == nullptr ? "channel" : "channel late");
    };
    registrars.calculationClasses = [&order](ClassObjectList&) {
        order.push_back(Statics().messageClasses.Head() != nullptr ? "calculations" : "calculations early");
    };
    InitModuleStatics(registrars);
    EXPECT_EQ(order, (std::vector<std::string>{"channel", "calculations"}));
    auto* head = static_cast<Ovo::MsgIdMessageClassObject*>(Statics().messageClasses.Head()->ClassObject());
    EXPECT_EQ(head->Number(), 285) << "the last made first";
    InitModuleStatics(registrars);
    EXPECT_EQ(order.size(), 2u) << "built once";
    TeardownModuleStatics();
    EXPECT_EQ(Statics().messageClasses.Head(), nullptr);
    EXPECT_EQ(Statics().classObjects.Head(), nullptr);
}

class LibraryEntryTest : public ModuleHost {};

TEST_F(LibraryEntryTest, AttachMakesTheModuleObjectAndDetachUndoesIt) {
    auto* instance = reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x7A00));
    EXPECT_EQ(LibraryEntry(instance, DLL_PROCESS_ATTACH, nullptr), TRUE);
    ASSERT_NE(ModuleObject(), nullptr);
    EXPECT_EQ(ModuleObject()->GetHandle(), instance);
    EXPECT_EQ(ModuleInstance(), instance);
    EXPECT_TRUE(win32::ThreadLibraryCallsDisabled(instance));
    EXPECT_TRUE(ModuleStaticsBuilt());
    EXPECT_EQ(LibraryEntry(instance, DLL_THREAD_ATTACH, nullptr), TRUE);
    EXPECT_EQ(LibraryEntry(instance, DLL_PROCESS_DETACH, nullptr), TRUE);
    EXPECT_EQ(ModuleObject(), nullptr);
    EXPECT_FALSE(ModuleStaticsBuilt());
}

} // namespace

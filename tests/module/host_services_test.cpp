#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "core/XOvo.h"
#include "module/FrameworkLoader.h"
#include "module/HostServices.h"
#include "module/MessageIds.h"
#include "platform/user/Desktop.h"
#include "platform/user/msgbox_api.h"
#include "platform/win32/activation.h"
#include "platform/win32/modules.h"
#include "tests/support/ModuleHost.h"

namespace {

using TarvikTest::ModuleHost;
using TarvikTest::RefCount;

struct DirectGetter {
    const char* name;
    IUnknown* (*get)();
    const IID& iid;
};

template <auto Getter> IUnknown* AsUnknown() {
    return Getter();
}

TEST_F(ModuleHost, EachDirectGetterAsksTheFrameworkOnceAndKeepsNoReference) {
    const DirectGetter getters[] = {
        {"class registry", AsUnknown<Tarvik::GetClassRegistry>, IID_IClassRegistry},
        {"message ids", AsUnknown<Tarvik::GetMessageIdService>, IID_IMessageIdService},
        {"message factory", AsUnknown<Tarvik::GetMessageFactory>, IID_IMessageFactory},
        {"subjects", AsUnknown<Tarvik::GetSubjectService>, IID_ISubjectService},
        {"object registry", AsUnknown<Tarvik::GetObjectRegistryService>, IID_ISubject},
        {"dispatcher", AsUnknown<Tarvik::GetMessageDispatcher>, IID_IMessageDispatcher},
    };
    for (const DirectGetter& getter : getters) {
        IUnknown* first = getter.get();
        ASSERT_NE(first, nullptr) << getter.name;
        const ULONG held = RefCount(first);
        EXPECT_EQ(getter.get(), first) << getter.name;
        EXPECT_EQ(Zar().Requests(getter.iid), 1) << getter.name;
        EXPECT_EQ(held, 1u) << getter.name << ": only the framework holds it";
    }
    EXPECT_EQ(win32::OleInitializeDepth(), 0) << "a registered framework needs no loading";
}

TEST_F(ModuleHost, TheTestRegistryAndTheApplicationAreClassesOfTheirOwn) {
    EXPECT_EQ(Tarvik::GetTestRegistry(), static_cast<ITestRegistry*>(&host->Tests()));
    EXPECT_EQ(Tarvik::GetHostApplication(), static_cast<IHostApplication*>(&host->Application()));
    EXPECT_EQ(RefCount(&host->Tests()), 2u) << "the host and COM";
}

TEST_F(ModuleHost, ThreadsRacingForAServiceFetchItOnce) {
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    std::vector<IMessageIdService*> seen(16, nullptr);
    for (std::size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&, i] {
            while (!go.load()) {
            }
            seen[i] = Tarvik::GetMessageIdService();
        });
    go = true;
    for (std::thread& t : threads)
        t.join();
    for (IMessageIdService* service : seen)
        EXPECT_EQ(service, static_cast<IMessageIdService*>(&Zar().MessageIds()));
    EXPECT_EQ(Zar().Requests(IID_IMessageIdService), 1);
}

TEST_F(ModuleHost, ARegistryServiceTheHostLacksIsAskedForAgain) {
    EXPECT_EQ(Tarvik::GetSharedHostObject(), nullptr);
    EXPECT_EQ(Tarvik::GetSharedHostObject(), nullptr);
    EXPECT_EQ(Zar().Classes().ServiceRequests(kSharedHostObjectKind), 2);

    IHostMessageService* messages = Tarvik::GetHostMessageService();
    EXPECT_EQ(messages, static_cast<IHostMessageService*>(&Zar().Messages()));
    Tarvik::GetHostMessageService();
    EXPECT_EQ(Zar().Classes().ServiceRequests(kHostMessageServiceKind), 1);
}

TEST_F(ModuleHost, TheUnitServiceKindIsTheNumberOfItsSpace) {
    Tarvik::GetUnitService();
    const WORD space = Zar().MessageIds().NumberOf(kUnitServiceGuid);
    EXPECT_EQ(Zar().Classes().ServiceRequests(Tarvik::MakeMessageId(space, 0)), 1);
}

// The host without the framework registered: the module loads "Zar.dll" from
// the folder of the host's executable.
class FrameworkNotRegistered : public ModuleHost {
protected:
    FrameworkNotRegistered() : ModuleHost(false) {}

    void SetUp() override {
        const auto zar = std::filesystem::path(ZAR_LIBRARY);
        win32::SetExecutablePath((zar.parent_path() / "vantrel").u16string());
        win32::SetExitHook([](UINT code) { throw Exited{code}; });
    }
    void TearDown() override {
        ModuleHost::TearDown();
        win32::SetExecutablePath({});
        win32::SetExitHook(nullptr);
        win32::SetOleInitializeResult(std::nullopt);
    }

    struct Exited {
        UINT code;
    };

    static bool FrameworkRegistered() {
        IUnknown* probe = nullptr;
        if (FAILED(CoGetClassObject(CLSID_ZARFrameWork, CLSCTX_ALL, nullptr, IID_IUnknown,
                                    reinterpret_cast<void**>(&probe))))
            return false;
        probe->Release();
        return true;
    }
};

TEST_F(FrameworkNotRegistered, TheModuleLoadsTheFrameworkOnceAndRevokesItBeforeFreeingIt) {
    IClassRegistry* registry = Tarvik::GetClassRegistry();
    ASSERT_NE(registry, nullptr);
    EXPECT_TRUE(FrameworkRegistered());
    EXPECT_EQ(win32::OleInitializeDepth(), 1);
    EXPECT_NE(Tarvik::GetMessageFactory(), nullptr) << "the loaded framework serves the other getters";
    EXPECT_EQ(win32::RegisteredClassObjectCount(), 3) << "the framework once, beside the host's two classes";

    Tarvik::TeardownModuleStatics();
    EXPECT_FALSE(FrameworkRegistered());
    EXPECT_EQ(win32::OleInitializeDepth(), 0);
}

TEST_F(FrameworkNotRegistered, OleAlreadyInitialisedOnTheThreadIsNoFailure) {
    ASSERT_EQ(OleInitialize(nullptr), S_OK); // the host's own initialisation
    EXPECT_NE(Tarvik::GetClassRegistry(), nullptr);
    EXPECT_EQ(win32::OleInitializeDepth(), 2);
    Tarvik::TeardownModuleStatics();
    EXPECT_EQ(win32::OleInitializeDepth(), 1) << "the module balanced its own S_FALSE";
    OleUninitialize();
}

TEST_F(FrameworkNotRegistered, AFailedOleInitialisationIsThrownOnceAndNotTriedAgain) {
    win32::SetOleInitializeResult(E_OUTOFMEMORY);
    try {
        Tarvik::GetClassRegistry();
        FAIL() << "nothing thrown";
    } catch (const XOvo& e) {
        EXPECT_EQ(e.Code(), E_OUTOFMEMORY);
    }
    EXPECT_NE(Tarvik::GetClassRegistry(), nullptr) << "the next attempt skips OLE and loads the framework";
    EXPECT_EQ(win32::OleInitializeDepth(), 0);
}

TEST_F(FrameworkNotRegistered, AMissingFrameworkLibraryEndsTheProcessAfterAMessage) {
    win32::SetExecutablePath(u"/nonexistent/vantrel");
    user::Desktop::Reset();
    user::Desktop::Current().MessageBoxes().Answer(IDOK);
    try {
        Tarvik::GetClassRegistry();
        FAIL() << "the process did not end";
    } catch (const Exited& exited) {
        EXPECT_EQ(exited.code, 0xFFFFFFFFu);
    }
    const auto& shown = user::Desktop::Current().MessageBoxes().Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Strev failed to load /nonexistent/Zar.dll");
    EXPECT_EQ(shown[0].caption, u"Strev load failed");
    EXPECT_EQ(shown[0].owner, nullptr);
    EXPECT_EQ(shown[0].style, MB_OK);
}

} // namespace

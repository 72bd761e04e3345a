// The module loaded the way the host loads it: libtarvik.so through the loader.

#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "host/framework/ScriptRecorder.h"
#include "host/loader/Host.h"
#include "platform/win32/activation.h"
#include "platform/win32/modules.h"

namespace {

using Vantrel::Host;

constexpr GUID kTarvikDocumentGUID = MakeGuid("{63A4A828-9A7F-4690-8267-4BA020CFC59B}");
constexpr GUID kEventDrawGUID = MakeGuid("{0D0E1186-D51E-4BDF-9E09-43D2B88CFC45}");

class Loader : public ::testing::Test {
protected:
    Host host;

    DWORD DocId(WORD n) {
        return (static_cast<DWORD>(host.Zar().MessageIds().NumberOf(kTarvikDocumentGUID)) << 16) | n;
    }
    std::u16string Name(IMsgIdMessageClassObject* cls) {
        BSTR name = nullptr;
        cls->GetName(&name);
        std::u16string text(name == nullptr ? u"" : name);
        SysFreeString(name);
        return text;
    }
    std::u16string DefaultText(IMsgIdMessageClassObject* cls) {
        auto recorder = ComPtr<Vantrel::ScriptRecorder>::Adopt(new Vantrel::ScriptRecorder);
        cls->GetDefaultMessageText(0, recorder.Get(), 0);
        return recorder->Script();
    }
    ComPtr<ICustomDocClass> DocumentClass() {
        ICAFClassObject* cls = host.Zar().Classes().FindClass(DocId(0));
        return ComPtr<IUnknown>(cls).Query<ICustomDocClass>(IID_ICustomDocClass);
    }
};

TEST_F(Loader, RegistrationWithoutAHostFailsAndRegistersNothing) {
    EXPECT_EQ(host.Module().Load(Vantrel::DefaultModulePath(), nullptr), E_FAIL);
    EXPECT_TRUE(host.Module().Loaded());
    EXPECT_TRUE(host.Zar().Classes().Registrations().empty());
    EXPECT_TRUE(host.Zar().MessageClasses().Requests().empty());
    EXPECT_EQ(host.Tests().Requests(), 0);
}

TEST_F(Loader, TheHostReceivesEveryClassInItsOrder) {
    ASSERT_EQ(host.LoadModule(), S_OK);
    EXPECT_TRUE(win32::ThreadLibraryCallsDisabled(host.Module().Instance()));

    const auto& classes = host.Zar().Classes().Registrations();
    std::size_t first = 0; // after the module's self-registering classes
    while (first < classes.size() && classes[first].typeId != DocId(0))
        ++first;
    ASSERT_EQ(first, 9u) << "the seven calculation classes and the channel calculation's two come first";
    const char16_t* calculations[] = {u"PvaCalc",
                                      u"Tarvik PVA Parameter Selector",
                                      u"Tarvik Parameter Selector",
                                      u"PVMaxDet",
                                      u"PVEdpDet",
                                      u"PVEcgEdpDet",
                                      u"TarvikAnalyzer",
                                      u"Settings",
                                      u"Tarvik"};
    for (std::size_t i = 0; i < first; ++i)
        EXPECT_EQ(classes[i].description, calculations[i]) << "the last made first";
    ASSERT_EQ(classes.size(), first + 12);
    EXPECT_EQ(classes[first].description, u"Tarvik Document");
    const WORD views[] = {2, 4, 5, 7, 8, 9, 10, 11, 12};
    const char16_t* names[] = {u"Tarvik Hemodynamics TableView",
                               u"Loop View",
                               u"Tarvik PRSW GraphView",
                               u"Tarvik dP/dt Max versus EDV GraphView",
                               u"Tarvik Saline Calibration GraphView",
                               u"Tarvik PVA EDV View",
                               u"Tarvik PVA ESP View",
                               u"Tarvik Cuvette Calibration View",
                               u"Tarvik Workflow"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(classes[first + 1 + i].typeId, DocId(views[i])) << i;
        EXPECT_EQ(classes[first + 1 + i].description, names[i]);
    }
    const DWORD drawSpace = static_cast<DWORD>(host.Zar().MessageIds().NumberOf(kEventDrawGUID)) << 16;
    EXPECT_EQ(classes[first + 10].typeId, drawSpace | 0);
    EXPECT_EQ(classes[first + 11].typeId, drawSpace | 1);

    const auto& messages = host.Zar().MessageClasses().Classes();
    ASSERT_EQ(messages.size(), 26u);
    EXPECT_EQ(Name(messages.front().messageClass), u"EditParallelConductanceInList");
    EXPECT_EQ(Name(messages.back().messageClass), u"AddSelToTarvikCuvetteCalibration");
    for (const auto& entry : messages) {
        DWORD id = 0;
        entry.messageClass->GetMessageId(&id);
        EXPECT_EQ(id >> 16, DocId(0) >> 16);
        EXPECT_GE(id & 0xFFFF, 256u);
        EXPECT_LE(id & 0xFFFF, 285u);
    }
    EXPECT_EQ(DefaultText(host.Zar().MessageClasses().FindClass(DocId(262))),
              u"Call Doc.ApplyTarvikSalineCalibration(Vp:=0)\n");

    EXPECT_EQ(host.Tests().Tests().size(), 5u);
}

TEST_F(Loader, RegistrationSucceedsWhenTheHostRefusesEverything) {
    host.Zar().Classes().SetRefuseRegistrations(true);
    host.Zar().MessageClasses().SetRefuseRegistrations(true);
    host.Tests().SetRefuseTests(true);
    EXPECT_EQ(host.LoadModule(), S_OK);
    EXPECT_EQ(host.Tests().Requests(), 5);
}

TEST_F(Loader, EachServiceIsFetchedOnceThoughUsedForEveryRegistration) {
    ASSERT_EQ(host.LoadModule(), S_OK);
    EXPECT_EQ(host.Zar().Requests(IID_IClassRegistry), 1);
    EXPECT_EQ(host.Zar().Requests(IID_IMessageFactory), 1);
    EXPECT_EQ(host.Zar().Requests(IID_IMessageIdService), 1);
    EXPECT_EQ(host.Zar().Classes().ServiceRequests(kDocClassServiceKind), 1)
        << "not kept: one per document class";
}

TEST_F(Loader, AMenuCommandReachesItsAutomationMessagesHandler) {
    ASSERT_EQ(host.LoadModule(), S_OK);
    ComPtr<ICustomDocClass> documentClass = DocumentClass();
    ASSERT_TRUE(documentClass);
    ASSERT_NE(host.Zar().Documents().OpenDocument(documentClass.Get()), nullptr);
    Vantrel::HostCommand* menu = host.Zar().AttachMenus(documentClass.Get());
    ASSERT_NE(menu, nullptr);

    EXPECT_EQ(menu->Execute(DocId(21)), S_OK) << "Analyze";
    ASSERT_EQ(host.Zar().Dispatcher().Dispatched().size(), 1u);
    EXPECT_EQ(host.Zar().Dispatcher().Dispatched()[0].id, DocId(257)) << "AnalyzeTarvikNow";
    EXPECT_TRUE(host.Zar().Dispatcher().Dispatched()[0].handled);

    EXPECT_EQ(menu->Execute(DocId(29)), S_FALSE) << "no command 29";
    EXPECT_EQ(menu->Update(DocId(21)).enabled, true);
    EXPECT_EQ(menu->Update(DocId(15)).enabled, true) << "a command without enabler is enabled";
    EXPECT_EQ(menu->Update(DocId(29)).result, S_FALSE);
    EXPECT_EQ(host.Zar().Dispatcher().Dispatched().size(), 1u);
}

TEST_F(Loader, TheModuleUnloadsAndLoadsAgain) {
    ASSERT_EQ(host.LoadModule(), S_OK);
    host.UnloadModule();
    EXPECT_FALSE(host.Module().Loaded());
    EXPECT_FALSE(host.Zar().Classes().HoldsClasses());
    ASSERT_EQ(host.LoadModule(), S_OK);
    EXPECT_EQ(host.Tests().Tests().size(), 5u);
    EXPECT_EQ(host.Application().ModuleTextSets(), 0) << "version 2.0 is neither a pre-release nor final";
}

TEST(LoaderWithoutFramework, TheModuleLoadsTheFrameworkLibraryItself) {
    win32::SetExecutablePath((std::filesystem::path(ZAR_LIBRARY).parent_path() / "vantrel").u16string());
    {
        Host host(false);
        ASSERT_EQ(host.LoadModule(), S_OK);
        IUnknown* framework = nullptr;
        EXPECT_EQ(CoGetClassObject(CLSID_ZARFrameWork, CLSCTX_ALL, nullptr, IID_IUnknown,
                                   reinterpret_cast<void**>(&framework)),
                  S_OK);
        framework->Release();
        EXPECT_EQ(host.Tests().Tests().size(), 5u) << "the host's own test registry";
        host.UnloadModule();
        EXPECT_EQ(CoGetClassObject(CLSID_ZARFrameWork, CLSCTX_ALL, nullptr, IID_IUnknown,
                                   reinterpret_cast<void**>(&framework)),
                  REGDB_E_CLASSNOTREG);
    }
    win32::SetExecutablePath({});
}

} // namespace

#include <filesystem>

#include <gtest/gtest.h>

#include "dialogs/WorkflowView.h"
#include "host/framework/ViewServices.h"
#include "library/LibraryEntry.h"
#include "module/ZAREventHandler.h"
#include "platform/gdi/Png.h"
#include "platform/user/Desktop.h"
#include "platform/user/WindowSurfaces.h"
#include "platform/user/user.h"
#include "platform/win32/modules.h"
#include "tests/support/ModuleHost.h"
#include "views/ContextualWindowDecorated.h"
#include "views/TarvikAnalysisGraphView.h"
#include "views/ZAROwlDocViewClass.h"

namespace {

using namespace Tarvik;
using LoopViewClass = ZAROwlDocViewClass<TarvikAnalysisGraphView, 4>;
using WorkflowViewClass = ZAROwlDocViewClass<WorkflowView, 12>;

HINSTANCE const kInstance = reinterpret_cast<HINSTANCE>(std::uintptr_t{0x7A770000});

template <class T> T* Make(T* object) {
    object->AddRef();
    return object;
}

std::u16string Take(BSTR text) {
    std::u16string s = text ? std::u16string(text) : std::u16string();
    SysFreeString(text);
    return s;
}

class Views : public TarvikTest::ModuleHost {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        LibraryEntry(kInstance, DLL_PROCESS_ATTACH, nullptr);
        Vantrel::InstallViewServices(Zar(), *service.Get());
        frame = new Vantrel::HostFrame; // host objects start with one reference
        document = new Vantrel::ViewHostDocument(7, u"Rat 12");
    }
    void TearDown() override {
        document->Release();
        frame->Release();
        host->UnloadModule(); // the host gives back what the module registered first
        LibraryEntry(kInstance, DLL_PROCESS_DETACH, nullptr);
        TarvikTest::ModuleHost::TearDown();
        user::Desktop::Reset();
    }

    HWND ViewWindow() const { return GetWindow(frame->ClientWindow(), GW_CHILD); }
    IUnknown* Doc() const { return static_cast<IHostDocument*>(document); }

    OWL::TModule module{u"Tarvik", kInstance};
    ComPtr<Vantrel::ViewClassService> service =
        ComPtr<Vantrel::ViewClassService>::Adopt(new Vantrel::ViewClassService);
    Vantrel::HostFrame* frame = nullptr;
    Vantrel::ViewHostDocument* document = nullptr;
};

TEST_F(Views, AViewIsMadeThroughItsClassObjectShownInItsFrameAndGoesByReferenceCount) {
    auto* viewClass = Make(new LoopViewClass(u"Loop View", &module));
    EXPECT_EQ(service->InnerObjects(), 1);
    {
        auto view = Vantrel::OpenView(*viewClass, Doc(), *frame, 0x12345, 4);
        ASSERT_TRUE(view);
        const HWND window = ViewWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(GetParent(window), frame->ClientWindow());
        EXPECT_EQ(document->Views().size(), 1u);
        EXPECT_EQ(frame->calls, (std::vector<std::string>{"ViewAttached"}));

        DWORD documentId = 0;
        DWORD viewWord = 0;
        view->GetViewId(&documentId, &viewWord);
        EXPECT_EQ(documentId, 7u);
        EXPECT_EQ(viewWord, 0x00042345u) << "the kind in the high word, the index's low word";
        BSTR title = nullptr;
        view->GetTitle(&title);
        EXPECT_EQ(Take(title), u"Rat 12");

        MoveWindow(window, 0, 0, 300, 200, TRUE);
        user::Desktop::Current().Pump();
        const auto path = std::filesystem::temp_directory_path() / "tarvik-loop-view.png";
        ASSERT_TRUE(user::SaveWindowPng(frame->FrameWindow(), path.string()));
        const gdi::Surface picture = user::WindowPicture(window);
        EXPECT_EQ(gdi::ColorFromPixel(picture.Get(10, 10)), GetSysColor(COLOR_3DFACE))
            << "the loop view stands on the three-dimensional face colour";

        VARIANT_BOOL canClose = VARIANT_FALSE;
        EXPECT_EQ(view->CanClose(&canClose), S_OK);
        EXPECT_EQ(view->Close(), S_OK);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(frame->calls,
                  (std::vector<std::string>{"ViewAttached", "CanCloseView", "ReleaseView", "DetachView"}));
        BSTR afterClose = nullptr;
        view->GetTitle(&afterClose);
        EXPECT_EQ(Take(afterClose), TarvikAnalysisGraphView::GetTitle().ToU16String());
        EXPECT_EQ(TarvikTest::RefCount(view.Get()), 1u);
    }
    EXPECT_EQ(viewClass->Release(), 0u);
}

// The view class objects and the views list their diagnostic part in the framework's object
// registry while they live.
TEST_F(Views, ViewsAndTheirClassesAreListedInTheObjectRegistryWhileTheyLive) {
    const auto& listed = Zar().Objects().Objects();
    const std::size_t before = listed.size();
    auto* viewClass = Make(new LoopViewClass(u"Loop View", &module));
    EXPECT_TRUE(
        listed.contains(reinterpret_cast<ULONG_PTR>(static_cast<IObjInfo*>(&viewClass->DebugPart()))));
    {
        auto view = Vantrel::OpenView(*viewClass, Doc(), *frame, 0, 4);
        ASSERT_TRUE(view);
        EXPECT_EQ(listed.size(), before + 2);
        ComPtr<IObjInfo> info;
        ASSERT_EQ(view->QueryInterface(IID_IObjInfo, reinterpret_cast<void**>(info.Put())), S_OK);
        EXPECT_TRUE(listed.contains(reinterpret_cast<ULONG_PTR>(info.Get())));
        BSTR name = nullptr;
        EXPECT_EQ(info->GetName(&name), S_OK);
        EXPECT_FALSE(Take(name).empty());
        info.Reset();
        view->Close();
    }
    EXPECT_EQ(listed.size(), before + 1) << "the view went with its last reference";
    viewClass->Release();
    EXPECT_EQ(listed.size(), before);
}

TEST_F(Views, TheHostOpensAViewThroughTheClassObjectTheModuleRegistered) {
    ASSERT_EQ(RegisterClassObjects(&host->Application()), S_OK);
    ICAFClassObject* registered = Zar().Classes().FindClass(DocMsgId<12>());
    ASSERT_NE(registered, nullptr);
    ComPtr<IDocViewClass> workflow;
    ASSERT_EQ(registered->QueryInterface(IID_IDocViewClass, reinterpret_cast<void**>(workflow.Put())), S_OK);
    auto view = Vantrel::OpenView(*workflow.Get(), Doc(), *frame, 0, 12);
    ASSERT_TRUE(view);
    ASSERT_NE(ViewWindow(), nullptr);
    EXPECT_EQ(GetParent(ViewWindow()), frame->ClientWindow());
    EXPECT_EQ(view->Close(), S_OK);
    EXPECT_EQ(ViewWindow(), nullptr);
}

TEST_F(Views, AFrameSiteThatKeepsTheViewLeavesItOpen) {
    auto* viewClass = Make(new LoopViewClass(u"Loop View", &module));
    auto view = Vantrel::OpenView(*viewClass, Doc(), *frame, 1, 4);
    ASSERT_TRUE(view);
    frame->releaseAnswer = S_FALSE;
    EXPECT_EQ(view->Close(), S_FALSE);
    EXPECT_TRUE(IsWindow(ViewWindow()));
    frame->allowClose = false;
    VARIANT_BOOL canClose = VARIANT_TRUE;
    EXPECT_EQ(view->CanClose(&canClose), S_FALSE);
    EXPECT_EQ(canClose, VARIANT_FALSE);

    ComPtr<IClientWindow> client;
    ASSERT_EQ(view->QueryInterface(IID_IClientWindow, reinterpret_cast<void**>(client.Put())), S_OK);
    HWND again = nullptr;
    EXPECT_EQ(client->CreateClientWindow(frame, frame->ClientWindow(), &again), E_FAIL);
    const HWND window = ViewWindow();
    EXPECT_EQ(client->DestroyClientWindow(), S_OK);
    EXPECT_FALSE(IsWindow(window)) << "a window made over an alias of the frame's window goes at once";
    view.Reset();
    viewClass->Release();
}

TEST_F(Views, AViewClassNamesItselfAcceptsTheModulesDocumentsAndCountsLocks) {
    auto* viewClass = Make(new WorkflowViewClass(u"Tarvik Workflow", &module));
    BSTR name = nullptr;
    viewClass->GetName(&name);
    EXPECT_EQ(Take(name), u"Tarvik Workflow") << "string 191";
    BSTR menu = nullptr;
    viewClass->GetNameBSTR(&menu);
    EXPECT_EQ(Take(menu), u"Tarvik Workflow");

    const GUID copy = kTarvikViewDocumentType;
    EXPECT_EQ(viewClass->IsTypeGuid(&kTarvikViewDocumentType), S_OK);
    EXPECT_EQ(viewClass->IsTypeGuid(&copy), S_OK);
    EXPECT_EQ(viewClass->IsTypeGuid(&IID_IUnknown), S_FALSE);
    EXPECT_EQ(viewClass->IsTypeGuid(nullptr), S_FALSE);

    viewClass->Lock();
    viewClass->Lock();
    viewClass->Unlock();
    LONG locks = 0;
    viewClass->GetLockCount(0, 0, &locks);
    EXPECT_EQ(locks, 1);
    DWORD flags = 0;
    viewClass->GetFlags(&flags);
    EXPECT_EQ(flags, 1u);
    DWORD typeId = 0;
    viewClass->GetClassId(&typeId);
    EXPECT_EQ(typeId, DocMsgId<12>());
    HINSTANCE resources = nullptr;
    viewClass->GetResourceModule(&resources);
    EXPECT_EQ(resources, kInstance);

    void* out = nullptr;
    EXPECT_EQ(viewClass->QueryInterface(IID_IDocViewClass, &out), S_OK);
    static_cast<IDocViewClass*>(out)->Release();
    EXPECT_EQ(viewClass->QueryInterface(IID_IClassFactory, &out), E_NOINTERFACE);
    EXPECT_EQ(viewClass->Release(), 0u);
}

TEST_F(Views, TheAcceptedInterfacesAreEnumerated) {
    auto* viewClass = Make(new LoopViewClass(u"", &module));
    BSTR menu = nullptr;
    viewClass->GetNameBSTR(&menu);
    EXPECT_EQ(Take(menu), u"Loop View") << "no menu name: the class name (string 106)";

    ComPtr<IEnumInterface> e;
    ASSERT_EQ(viewClass->EnumInterfaces(e.Put()), S_OK);
    const GUID* got[3] = {};
    ULONG fetched = 9;
    EXPECT_EQ(e->Next(1, got, nullptr), S_OK);
    EXPECT_EQ(*got[0], kHostDocumentInterface);
    ComPtr<IEnumInterface> clone;
    ASSERT_EQ(e->Clone(clone.Put()), S_OK);
    EXPECT_EQ(e->Next(3, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(*got[0], kModuleDocumentInterface);
    EXPECT_EQ(e->Next(1, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(e->Next(2, got, nullptr), E_POINTER);
    EXPECT_EQ(e->Next(1, nullptr, &fetched), E_POINTER);
    EXPECT_EQ(clone->Next(1, got, nullptr), S_OK);
    EXPECT_EQ(*got[0], kModuleDocumentInterface) << "the clone starts where the original was";
    e->Reset();
    EXPECT_EQ(e->Skip(3), S_FALSE);
    e.Reset();
    clone.Reset();
    viewClass->Release();
}

struct RecordedState : Vantrel::ComObject<ICommandState> {
    void* find(REFIID iid) override {
        return iid == IID_ICommandState ? static_cast<ICommandState*>(this) : nullptr;
    }
    HRESULT SetText(IAutoOvoString* t) override {
        text.AssignFromInterface(t);
        return S_OK;
    }
    HRESULT SetEnabled(VARIANT_BOOL e) override {
        enabled = e;
        return S_OK;
    }
    Ovo::String text;
    VARIANT_BOOL enabled = 7;
};

class PrintableView : public TarvikAnalysisGraphView {
public:
    using TarvikAnalysisGraphView::TarvikAnalysisGraphView;
    void GetPrintCommandText(Ovo::String& text) override { text = Ovo::String(u"&Print Loop View"); }
    bool CanPrint() override { return true; }
};

TEST_F(Views, TheViewBaseAnswersThePrintStateInTheHostsLanguage) {
    auto* viewClass = Make(new ZAROwlDocViewClass<PrintableView, 4>(u"Loop View", &module));
    auto view = Vantrel::OpenView(*viewClass, Doc(), *frame, 1, 4);
    ASSERT_TRUE(view);
    auto* window = static_cast<ViewBase*>(OWL::GetWindowPtr(ViewWindow()));
    ASSERT_NE(window, nullptr);
    RecordedState state;
    ASSERT_EQ(ZAREventHandler::FireCommandEnabler(*window, kPrintCommandId, &state), S_OK);
    EXPECT_EQ(state.text.ToU16String(), u"&Print Loop View");
    EXPECT_EQ(state.enabled, VARIANT_TRUE);
    host->Application().SetUiLanguage(10);
    ZAREventHandler::FireCommandEnabler(*window, kPrintCommandId, &state);
    EXPECT_EQ(state.text.ToU16String(), u"&Imprimir Loop View");
    ZAREventHandler::FireCommandEnabler(*window, kCopyCommandId, &state);
    EXPECT_EQ(state.enabled, VARIANT_TRUE) << "a graph view copies itself";
    view->Close();
    view.Reset();
    viewClass->Release();
}

// A view that notes the document's data-changed notifications it hears.
class ListeningView : public TarvikAnalysisGraphView {
public:
    using TarvikAnalysisGraphView::TarvikAnalysisGraphView;
    void OnDocumentDataChanged(std::uint32_t flags) override { heard.push_back(flags); }
    std::vector<std::uint32_t> heard;
};

TEST_F(Views, TheDocumentsDataChangedNotificationReachesTheViewThroughTheViewBasesTable) {
    auto* viewClass = Make(new ZAROwlDocViewClass<ListeningView, 4>(u"Loop View", &module));
    auto view = Vantrel::OpenView(*viewClass, Doc(), *frame, 1, 4);
    ASSERT_TRUE(view);
    auto* window = static_cast<ListeningView*>(OWL::GetWindowPtr(ViewWindow()));
    ASSERT_NE(window, nullptr);
    window->heard.clear(); // the view's set-up refreshed it once
    // The document sends the flags word itself as the notification's data.
    ZAREventHandler::FireObserverEvent(*window, nullptr, DocMsgId<33>(), 0x24);
    ZAREventHandler::FireObserverEvent(*window, nullptr, DocMsgId<34>(), 0x24);
    EXPECT_EQ(window->heard, std::vector<std::uint32_t>{0x24});
    // The view base's own rows still answer behind it.
    RecordedState state;
    EXPECT_EQ(ZAREventHandler::FireCommandEnabler(*window, kCopyCommandId, &state), S_OK);
    view->Close();
    view.Reset();
    viewClass->Release();
}

TEST(PrintText, OnlyALeadingAmpersandPrintIsTranslated) {
    struct Case {
        const char16_t* text;
        bool known;
        BYTE language;
        const char16_t* expected;
    };
    for (const Case c :
         {Case{u"&Print Tarvik", true, 10, u"&Imprimir Tarvik"}, Case{u"&Print", true, 10, u"&Imprimir"},
          Case{u"&Print Tarvik", true, 9, u"&Print Tarvik"},
          Case{u"&Print Tarvik", false, 10, u"&Print Tarvik"},
          Case{u"Print Tarvik %1", true, 10, u"Print Tarvik %1"}, Case{u"Do &Print", true, 10, u"Do &Print"},
          Case{u"&Pri", true, 10, u"&Pri"}})
        EXPECT_EQ(ViewBase::LocalisedPrintText(Ovo::String(c.text), c.known, c.language).ToU16String(),
                  std::u16string(c.expected));
}

TEST_F(Views, TheSizeGripHitTestsOnlyOutsideAMaximisedFrame) {
    auto* viewClass = Make(new LoopViewClass(u"Loop View", &module));
    auto view = Vantrel::OpenView(*viewClass, Doc(), *frame, 1, 4);
    const HWND window = ViewWindow();
    MoveWindow(window, 0, 0, 200, 100, TRUE);
    POINT corner{195, 95};
    ClientToScreen(window, &corner);
    POINT middle{100, 50};
    ClientToScreen(window, &middle);
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTBOTTOMRIGHT);
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(middle.x, middle.y)), HTCLIENT);

    ShowWindow(frame->FrameWindow(), SW_MAXIMIZE);
    MoveWindow(window, 0, 0, 200, 100, TRUE);
    ClientToScreen(window, &(corner = POINT{195, 95}));
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTCLIENT);
    // The grip is the view's own: its children (the graph) are put out of the way.
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        ShowWindow(child, SW_HIDE);
    user::Desktop::Current().Pump();
    const gdi::Surface picture = user::WindowPicture(window);
    EXPECT_EQ(gdi::ColorFromPixel(picture.Get(195, 95)), GetSysColor(COLOR_BTNFACE));
    view->Close();
    view.Reset();
    viewClass->Release();
}

struct Decorated : ContextualWindowDecorated {
    std::vector<bool> shown;
    void OnShown(bool s) override { shown.push_back(s); }
};

TEST(ContextualWindow, TheWindowAnswersItsOwnersContextAndTheOwnerHearsItShown) {
    user::Desktop::Reset();
    WNDCLASSW c{};
    c.lpfnWndProc = &DefWindowProcW;
    c.lpszClassName = u"Decorated";
    RegisterClassW(&c);
    Decorated owner;
    owner.window =
        CreateWindowExW(0, u"Decorated", u"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    owner.context = 0x5150;
    owner.ReplaceContentWindow(nullptr);
    const UINT getContext = RegisterWindowMessageW(u"ZARGetWindowContext");
    EXPECT_EQ(SendMessageW(owner.window, getContext, 0, 0), 0x5150);
    ShowWindow(owner.window, SW_SHOW);
    owner.ReplaceContentWindow(nullptr);
    owner.context = 0x6160;
    EXPECT_EQ(SendMessageW(owner.window, getContext, 0, 0), 0x6160);
    ShowWindow(owner.window, SW_HIDE);
    EXPECT_EQ(owner.shown, (std::vector<bool>{true, false}));
    DestroyWindow(owner.window);
    user::Desktop::Reset();
}

} // namespace

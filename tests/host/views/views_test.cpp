#include <filesystem>

#include <gtest/gtest.h>

#include "host/framework/ViewServices.h"
#include "host/loader/Host.h"
#include "module/MessageIds.h"
#include "platform/gdi/gdi.h"
#include "platform/user/Desktop.h"
#include "platform/user/WindowSurfaces.h"
#include "platform/user/user.h"

namespace {

// The host loads the module, which registers its view classes; the host then
// opens the loop view in one of its frames, as the user would from the menu.
TEST(ModuleViews, TheHostOpensTheModulesLoopViewInItsFrame) {
    user::Desktop::Reset();
    {
        Vantrel::Host host;
        auto service = ComPtr<Vantrel::ViewClassService>::Adopt(new Vantrel::ViewClassService);
        Vantrel::InstallViewServices(host.Zar(), *service.Get());
        ASSERT_EQ(host.LoadModule(), S_OK);
        const DWORD loopViewId =
            Tarvik::MakeMessageId(host.Zar().MessageIds().NumberOf(Tarvik::TarvikDocumentGUID), 4);
        ICAFClassObject* registered = host.Zar().Classes().FindClass(loopViewId);
        ASSERT_NE(registered, nullptr);
        ComPtr<IDocViewClass> loopView;
        ASSERT_EQ(registered->QueryInterface(IID_IDocViewClass, reinterpret_cast<void**>(loopView.Put())),
                  S_OK);
        EXPECT_EQ(service->InnerObjects(), 9);

        auto* frame = new Vantrel::HostFrame;
        auto* document = new Vantrel::ViewHostDocument(1, u"Mouse 3");
        {
            auto view =
                Vantrel::OpenView(*loopView.Get(), static_cast<IHostDocument*>(document), *frame, 0, 4);
            ASSERT_TRUE(view);
            const HWND window = GetWindow(frame->ClientWindow(), GW_CHILD);
            ASSERT_NE(window, nullptr);
            MoveWindow(window, 20, 20, 320, 200, TRUE);
            user::Desktop::Current().Pump();
            const auto path = std::filesystem::temp_directory_path() / "tarvik-host-frame-loop-view.png";
            EXPECT_TRUE(user::SaveWindowPng(frame->FrameWindow(), path.string()));
            EXPECT_EQ(gdi::ColorFromPixel(user::WindowPicture(window).Get(5, 5)), GetSysColor(COLOR_3DFACE));
            EXPECT_EQ(view->Close(), S_OK);
            EXPECT_FALSE(IsWindow(window));
        }
        document->Release();
        frame->Release();
        loopView.Reset();
        host.UnloadModule();
    }
    user::Desktop::Reset();
}

} // namespace

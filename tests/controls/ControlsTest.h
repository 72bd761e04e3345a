#pragma once
// A fixture for controls: a fresh desktop and theme library, the module's
// resources under a module handle of the test, and a host (framework and
// application object) registered with COM. At the end the module forgets
// what it fetched and started.

#include <memory>

#include <gtest/gtest.h>

#include "controls/UxThemeDLL.h"
#include "host/loader/Host.h"
#include "module/ModuleExit.h"
#include "module/ModuleInstance.h"
#include "platform/owl/TWindow.h"
#include "platform/theme/ThemeLibrary.h"
#include "platform/user/Desktop.h"
#include "platform/user/user.h"
#include "platform/win32/sysinfo.h"
#include "resources/ModuleResources.h"

namespace controls_test {

inline HMODULE TestModule() {
    return reinterpret_cast<HMODULE>(std::uintptr_t{0x7A110000});
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        theme::ResetSwitches();
        OvoLinkingUtils::UxThemeDLL::Unload();
        SetOsVersion(OsVersion());
        Tarvik::RegisterModuleResources(TestModule());
        Tarvik::SetModuleInstance(TestModule());
        host = std::make_unique<Vantrel::Host>();
    }
    void TearDown() override {
        Tarvik::RunModuleExitList();
        OvoLinkingUtils::UxThemeDLL::Unload();
        host.reset();
        Tarvik::SetModuleInstance(nullptr);
        UnregisterResources(TestModule());
        theme::ResetSwitches();
        SetOsVersion(OsVersion());
    }

    // A visible top-level frame of the framework at (x, y).
    std::unique_ptr<OWL::TWindow> Frame(int x = 100, int y = 100, int w = 300, int h = 200) {
        auto frame = std::make_unique<OWL::TWindow>(static_cast<OWL::TWindow*>(nullptr), u"frame");
        frame->Attr.Style = WS_POPUP | WS_VISIBLE;
        frame->Attr.X = x;
        frame->Attr.Y = y;
        frame->Attr.W = w;
        frame->Attr.H = h;
        return frame;
    }
    void Pump() { user::Desktop::Current().Pump(); }

    std::unique_ptr<Vantrel::Host> host;
};

} // namespace controls_test

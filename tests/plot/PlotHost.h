#pragma once
// A host for the plot library's tests: the framework registered with COM and
// its graph service installed, a fresh desktop, and at the end the module's
// cached services forgotten.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/framework/Framework.h"
#include "host/graph/GraphService.h"
#include "module/MessageIds.h"
#include "module/ModuleExit.h"
#include "platform/user/Desktop.h"
#include "platform/win32/com_ptr.h"
#include "plot/PlotMessages.h"

namespace PlotTest {

class PlotHost : public ::testing::Test {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        framework->Register();
        Vantrel::InstallGraphService(*framework.Get(), *graphs.Get());
    }
    void TearDown() override {
        Tarvik::RunModuleExitList();
        Tarvik::ResetMessageIds();
        framework->Revoke();
        user::Desktop::Reset();
    }

    ComPtr<Vantrel::Framework> framework = ComPtr<Vantrel::Framework>::Adopt(new Vantrel::Framework);
    ComPtr<Vantrel::GraphService> graphs = ComPtr<Vantrel::GraphService>::Adopt(new Vantrel::GraphService);
};

// Records the classes of the messages it hears, in order.
struct MessageLog : MessSys::MessageReceiver {
    template <class M> bool Heard(const MessSys::Message& m, const char* name) {
        if (dynamic_cast<const M*>(&m) == nullptr)
            return false;
        names.push_back(name);
        return true;
    }
    bool ReceiveMessage(const MessSys::Message& m) override {
        using namespace ZOzuve1;
        return Heard<MsgGraph2DDrawerNotifyBeginRedraw>(m, "begin redraw") ||
               Heard<MsgGraph2DDrawerNotifyEndRedraw>(m, "end redraw") ||
               Heard<MsgGraph2DDrawerOnDomainChanged>(m, "domain") ||
               Heard<MsgGraph2DDrawerOnRangeChanged>(m, "range") || Heard<MouseTrackHintMsg>(m, "hint") ||
               Heard<MouseLeaveMsg>(m, "leave") || Heard<MessageQueenChanged>(m, "queen changed") ||
               Heard<MessageQueenTrackEnd>(m, "queen dropped") ||
               Heard<MessageQueenControllerTrackBegin>(m, "track begin") ||
               Heard<MessageQueenControllerTrackEnd>(m, "track end") ||
               Heard<MsgBeginDrag>(m, "begin drag") || Heard<MsgEndDrag>(m, "end drag") ||
               Heard<MsgScalingChanged>(m, "scaling") || Heard<MsgAutoScale>(m, "auto scale");
    }
    std::vector<std::string> names;
    int Count(const std::string& name) const {
        return static_cast<int>(std::count(names.begin(), names.end(), name));
    }
};

} // namespace PlotTest

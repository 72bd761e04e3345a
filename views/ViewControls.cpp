#include "views/ViewControls.h"

#include "module/ModuleInstance.h"

namespace Tarvik {

namespace {

Ovo::String Caption(UINT id) {
    return id == 0 ? Ovo::String() : LoadModuleString(id);
}

} // namespace

std::unique_ptr<OWL::TButton> CreateButtonControl(OWL::TWindow* parent, int id, UINT captionId) {
    return std::make_unique<OWL::TButton>(parent, id, Caption(captionId).c_str(), 0, 0, 0, 0, false, nullptr);
}

std::unique_ptr<OWL::TCheckBox> CreateCheckBoxControl(UINT captionId, OWL::TWindow* parent, int id) {
    return std::make_unique<OWL::TCheckBox>(parent, id, Caption(captionId).c_str(), 0, 0, 0, 0, nullptr);
}

std::unique_ptr<OWL::TStatic> CreateStaticControl(UINT captionId, OWL::TWindow* parent, int id) {
    return std::make_unique<OWL::TStatic>(parent, id, Caption(captionId).c_str(), 0, 0, 0, 0, 0, nullptr);
}

std::unique_ptr<OWL::TEdit> CreateEditControl(OWL::TWindow* parent, int id) {
    return std::make_unique<OWL::TEdit>(parent, id, u"", 0, 0, 0, 0, 0, nullptr);
}

void HostNotifyId4EC1_15(TarvikMessageId* id) {
    *id = MsgIdClass<HostMsgGuid4EC1, 15>::Id();
}

void HostNotifyId3A7D_0(TarvikMessageId* id) {
    *id = MsgIdClass<HostMsgGuid3A7D, 0>::Id();
}

void HostCommandId80170008(TarvikMessageId* id) {
    *id = 0x80170008;
}

void HostMessageId8001000E(TarvikMessageId* id) {
    *id = 0x8001000E;
}

void GetTarvikMsgId2(TarvikMessageId* id) {
    *id = DocMsgId<2>();
}

void GetTarvikMsgId4(TarvikMessageId* id) {
    *id = DocMsgId<4>();
}

} // namespace Tarvik

#include "workflow/WorkflowView.h"

#include "workflow/ModelState.h"

namespace Tarvik {

WorkflowViewModel::WorkflowViewModel(ModelDocument* document) : ModelBase(document) {
    Register<25>(mCurrentStep);
    Register<26>(mPanelFlag);
}

bool WorkflowViewModel::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    ModelState::Read(in, mCurrentStep);
    ModelState::Read(in, mPanelFlag);
    return in.Good();
}

void WorkflowViewModel::SaveState(Ovo::BinOStream& out) const {
    ModelState::Write(out, mCurrentStep);
    ModelState::Write(out, mPanelFlag);
}

} // namespace Tarvik

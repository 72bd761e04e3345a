#include "workflow/WorkflowView.h"

#include "workflow/ModelState.h"

namespace Tarvik {

WorkflowView::WorkflowView(ModelDocument* document) : ModelBase(document) {
    Register<25>(mCurrentStep);
    Register<26>(mPanelFlag);
}

bool WorkflowView::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    ModelState::Read(in, mCurrentStep);
    ModelState::Read(in, mPanelFlag);
    return in.Good();
}

void WorkflowView::SaveState(Ovo::BinOStream& out) const {
    ModelState::Write(out, mCurrentStep);
    ModelState::Write(out, mPanelFlag);
}

} // namespace Tarvik

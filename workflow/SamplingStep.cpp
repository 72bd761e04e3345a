#include "workflow/SamplingStep.h"

#include "workflow/ModelState.h"

namespace Tarvik {

SamplingStep::SamplingStep(ModelDocument* document) : ModelBase(document) {
    Register<14>(mDone);
    for (std::int32_t observed : {kPressureModel, kConductanceModel, kVolumeModel, kSetupModel})
        ObserveModel(observed);
}

bool SamplingStep::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    ModelState::Read(in, mDone);
    return in.Good();
}

void SamplingStep::SaveState(Ovo::BinOStream& out) const {
    ModelState::Write(out, mDone);
}

StepMessage SamplingStep::CheckCanApply() {
    return mDone ? StepMessage::Empty() : StepMessage::Silent();
}

void SamplingStep::OnModelParamsChanged(Model* source, const ModelParamSet& changed) {
    if (source->GetModelId() != kSetupModel || changed.Test(0) || changed.Test(1) || changed.Test(2))
        SetAndCommit<14>(false);
}

} // namespace Tarvik

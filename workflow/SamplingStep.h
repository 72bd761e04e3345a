#pragma once
// The sampling step (model 4): whether sampling is done. It observes the
// pressure, conductance, volume and set-up models (in that order) and marks
// sampling as not done when a calibration changes, or the workflow kind or a
// source channel.

#include "workflow/ModelBase.h"

namespace Tarvik {

class SamplingStep : public ModelBase<kSamplingModel> {
public:
    explicit SamplingStep(ModelDocument* document);

    // 14 bool.
    bool LoadState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveState(Ovo::BinOStream& out) const override;
    // Complete when sampling is done.
    StepMessage CheckCanApply() override;
    void OnModelParamsChanged(Model* source, const ModelParamSet& changed) override;

private:
    bool mDone = false; // 14
};

} // namespace Tarvik

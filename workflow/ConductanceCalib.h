#pragma once
// The conductance calibration step of the small-mammal workflow (model 3): two
// points (recorded value, known conductance), the flag that applies the
// calibration, and the unit of the known values. It observes the set-up model
// and is switched off when the volume channel changes.

#include "workflow/ModelBase.h"

namespace Tarvik {

class ConductanceCalib : public ModelBase<kConductanceModel> {
public:
    explicit ConductanceCalib(ModelDocument* document);

    // 8, 9, 10, 11 f64; 12 bool; 13 as u32 prefix code and base text.
    bool LoadState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveState(Ovo::BinOStream& out) const override;
    StepMessage Validate() override;
    StepMessage CheckCanApply() override;
    void OnModelParamsChanged(Model* source, const ModelParamSet& changed) override;

private:
    double mRecorded1;   // 8
    double mKnown1;      // 9
    double mRecorded2;   // 10
    double mKnown2;      // 11
    bool mApply = false; // 12
    Ovo::Unit mUnit;     // 13
};

} // namespace Tarvik

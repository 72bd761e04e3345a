#pragma once
// The pressure calibration step (model 2): two points (recorded value, known
// pressure in mmHg) and the flag that applies the calibration. It observes the
// set-up model and is switched off when the pressure channel changes.

#include "workflow/ModelBase.h"

namespace Tarvik {

class PressureCalib : public ModelBase<kPressureModel> {
public:
    explicit PressureCalib(ModelDocument* document);

    // 3, 4, 5, 6 f64; 7 bool.
    bool LoadState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveState(Ovo::BinOStream& out) const override;
    StepMessage Validate() override;
    StepMessage CheckCanApply() override;
    void OnModelParamsChanged(Model* source, const ModelParamSet& changed) override;

private:
    double mRecorded1;   // 3
    double mKnown1;      // 4
    double mRecorded2;   // 5
    double mKnown2;      // 6
    bool mApply = false; // 7
};

} // namespace Tarvik

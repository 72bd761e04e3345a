#pragma once
// The alpha calibration step (model 10): the factor alpha by which the volume
// is divided, found by comparing the catheter's cardiac output or stroke volume
// with a reference; the flag that applies it; and the pairs it was found from.
// It observes the set-up, cuvette, saline, volume and conductance models.

#include "workflow/ModelBase.h"

namespace Tarvik {

class AlphaCalib : public ModelBase<kAlphaModel> {
public:
    explicit AlphaCalib(ModelDocument* document);

    // 42 f64; 43 bool; 44 i32; 45, 46, 47, 48 f64.
    bool LoadState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveState(Ovo::BinOStream& out) const override;
    StepMessage Validate() override;
    StepMessage CheckCanApply() override;
    void OnModelParamsChanged(Model* source, const ModelParamSet& changed) override;

    static constexpr std::int32_t kFromCardiacOutput = 1;
    static constexpr std::int32_t kFromStrokeVolume = 2;

private:
    double mAlpha;                            // 42
    bool mApply = false;                      // 43
    std::int32_t mSource = kFromStrokeVolume; // 44
    double mCatheterCO;                       // 45
    double mReferenceCO;                      // 46
    double mCatheterSV;                       // 47
    double mReferenceSV;                      // 48
};

} // namespace Tarvik

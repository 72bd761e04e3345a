#pragma once
// The volume calibration step of the large-mammal workflow (model 11): two
// points, kept as recorded, recorded, known, known; the flag that applies the
// calibration; and the unit of the known values. It observes the set-up model
// and is switched off when the volume channel changes.

#include "workflow/ModelBase.h"
#include "workflow/TwoPointCalib.h"

namespace Tarvik {

class VolumeCalib : public ModelBase<kVolumeModel> {
public:
    explicit VolumeCalib(ModelDocument* document);

    // 54 bool; 50, 51, 52, 53 f64; 49 as u32 prefix code and base text.
    bool LoadState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveState(Ovo::BinOStream& out) const override;
    StepMessage Validate() override;
    StepMessage CheckCanApply() override;
    void OnModelParamsChanged(Model* source, const ModelParamSet& changed) override;

private:
    TwoPointValues Values() const;

    bool mApply = false; // 54
    double mRecorded1;   // 50
    double mRecorded2;   // 51
    double mKnown1;      // 52
    double mKnown2;      // 53
    Ovo::Unit mUnit;     // 49
};

} // namespace Tarvik

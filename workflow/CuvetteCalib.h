#pragma once
// The cuvette calibration step of the small-mammal workflow (model 5): a
// linear relation from conductance to volume (slope, intercept) found from wells
// of known volume, the flag that applies it, the unit of the well volumes, one
// value per well column and the calibration table. It observes the conductance
// and set-up models.

#include "workflow/ModelBase.h"

namespace Tarvik {

class CuvetteCalib : public ModelBase<kCuvetteModel> {
public:
    explicit CuvetteCalib(ModelDocument* document);

    // 15, 16 f64; 17 bool; 33 unit; u32 N and N f64 of 37.
    bool LoadState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveState(Ovo::BinOStream& out) const override;
    // u32 rows, u32 columns, then rows * columns f64 cells row by row (a missing cell is written
    // empty).
    bool LoadExtraState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveExtraState(Ovo::BinOStream& out) const override;
    StepMessage Validate() override;
    StepMessage CheckCanApply() override;
    void OnModelParamsChanged(Model* source, const ModelParamSet& changed) override;

    // The bounds of slope and intercept.
    static constexpr double kLimit = 100000.0;

private:
    double mSlope;              // 15
    double mIntercept;          // 16
    bool mApply = false;        // 17
    Ovo::Unit mUnit;            // 33
    std::vector<double> mWells; // 37
    CuvetteTable mTable;        // 38
};

} // namespace Tarvik

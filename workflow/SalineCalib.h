#pragma once
// The saline calibration step (model 6): the parallel conductance (Vp) found
// from saline boluses and subtracted from the volume signal, the flag that
// applies it, the analysed boluses and the boluses selected in the step's list.
// It observes the set-up, cuvette and volume models.

#include "workflow/ModelBase.h"

namespace Tarvik {

class SalineCalib : public ModelBase<kSalineModel> {
public:
    explicit SalineCalib(ModelDocument* document);

    // 18 f64; 19 bool; one byte 0 (read and ignored).
    bool LoadState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveState(Ovo::BinOStream& out) const override;
    // u32 N; per bolus its value f64 and words 2, 1, 4, 3; the size and members of 41; per bolus
    // the size and members of its set. Read by the stream's version: below 11 an old layout is
    // skipped (nothing changes); from 11 the boluses (records within the old length keep their
    // sets) and 41; from 12 the bolus sets too. A count the stream cannot hold fails the load with
    // nothing changed.
    bool LoadExtraState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveExtraState(Ovo::BinOStream& out) const override;
    StepMessage Validate() override;
    StepMessage CheckCanApply() override;
    void OnModelParamsChanged(Model* source, const ModelParamSet& changed) override;

private:
    double mParallelConductance;       // 18
    bool mApply = false;               // 19
    std::vector<BolusRecord> mBoluses; // 40
    IntSet mSelected;                  // 41
};

} // namespace Tarvik

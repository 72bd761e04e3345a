#include "workflow/ConductanceCalib.h"

#include "core/UnitChoices.h"

#include "workflow/ModelState.h"
#include "workflow/TwoPointCalib.h"

namespace Tarvik {

using namespace ModelState;

namespace {
constexpr TwoPointTexts kTexts{22905, 413, 414, 415, 416, 417, 418};
} // namespace

ConductanceCalib::ConductanceCalib(ModelDocument* document)
    : ModelBase(document), mRecorded1(EmptyValue()), mKnown1(EmptyValue()), mRecorded2(EmptyValue()),
      mKnown2(EmptyValue()), mUnit(Ovo::GetConductanceUnitChoices().front()) {
    Register<8>(mRecorded1);
    Register<9>(mKnown1);
    Register<10>(mRecorded2);
    Register<11>(mKnown2);
    Register<12>(mApply);
    Register<13>(mUnit);
    ObserveModel(kSetupModel);
}

bool ConductanceCalib::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    Read(in, mRecorded1);
    Read(in, mKnown1);
    Read(in, mRecorded2);
    Read(in, mKnown2);
    Read(in, mApply);
    return ReadUnit(in, mUnit) && in.Good();
}

void ConductanceCalib::SaveState(Ovo::BinOStream& out) const {
    Write(out, mRecorded1);
    Write(out, mKnown1);
    Write(out, mRecorded2);
    Write(out, mKnown2);
    Write(out, mApply);
    Write(out, mUnit);
}

StepMessage ConductanceCalib::Validate() {
    return ValidateTwoPoint({mRecorded1, mKnown1, mRecorded2, mKnown2}, kTexts);
}

StepMessage ConductanceCalib::CheckCanApply() {
    const bool setupIncomplete = IsWorkflowInUse() && HasStepMessage(kSetupModel);
    return CheckTwoPoint({mRecorded1, mKnown1, mRecorded2, mKnown2}, mApply, setupIncomplete, kTexts);
}

void ConductanceCalib::OnModelParamsChanged(Model*, const ModelParamSet& changed) {
    if (changed.Test(2))
        SetAndCommit<12>(false);
}

} // namespace Tarvik

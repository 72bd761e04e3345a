#include "workflow/PressureCalib.h"

#include "workflow/ModelState.h"
#include "workflow/TwoPointCalib.h"

namespace Tarvik {

using namespace ModelState;

namespace {
constexpr TwoPointTexts kTexts{22905, 402, 403, 400, 401, 412, 411};
} // namespace

PressureCalib::PressureCalib(ModelDocument* document)
    : ModelBase(document), mRecorded1(EmptyValue()), mKnown1(EmptyValue()), mRecorded2(EmptyValue()),
      mKnown2(EmptyValue()) {
    Register<3>(mRecorded1);
    Register<4>(mKnown1);
    Register<5>(mRecorded2);
    Register<6>(mKnown2);
    Register<7>(mApply);
    ObserveModel(kSetupModel);
}

bool PressureCalib::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    Read(in, mRecorded1);
    Read(in, mKnown1);
    Read(in, mRecorded2);
    Read(in, mKnown2);
    Read(in, mApply);
    return in.Good();
}

void PressureCalib::SaveState(Ovo::BinOStream& out) const {
    Write(out, mRecorded1);
    Write(out, mKnown1);
    Write(out, mRecorded2);
    Write(out, mKnown2);
    Write(out, mApply);
}

StepMessage PressureCalib::Validate() {
    return ValidateTwoPoint({mRecorded1, mKnown1, mRecorded2, mKnown2}, kTexts);
}

StepMessage PressureCalib::CheckCanApply() {
    const bool setupIncomplete = IsWorkflowInUse() && HasStepMessage(kSetupModel);
    return CheckTwoPoint({mRecorded1, mKnown1, mRecorded2, mKnown2}, mApply, setupIncomplete, kTexts);
}

void PressureCalib::OnModelParamsChanged(Model*, const ModelParamSet& changed) {
    if (changed.Test(1))
        SetAndCommit<7>(false);
}

} // namespace Tarvik

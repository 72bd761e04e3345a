#include "workflow/VolumeCalib.h"

#include "workflow/ModelState.h"
#include "workflow/TwoPointCalib.h"

namespace Tarvik {

using namespace ModelState;

namespace {
// The volume step's caption of a value that is no number is the text "The text entered is not a number.".
constexpr TwoPointTexts kTexts{22906, 442, 443, 444, 445, 446, 447};
} // namespace

VolumeCalib::VolumeCalib(ModelDocument* document)
    : ModelBase(document), mRecorded1(EmptyValue()), mRecorded2(EmptyValue()), mKnown1(EmptyValue()),
      mKnown2(EmptyValue()), mUnit(L"L", L'm') {
    Register<54>(mApply);
    Register<50>(mRecorded1);
    Register<51>(mRecorded2);
    Register<52>(mKnown1);
    Register<53>(mKnown2);
    Register<49>(mUnit);
    ObserveModel(kSetupModel);
}

TwoPointValues VolumeCalib::Values() const {
    return {mRecorded1, mKnown1, mRecorded2, mKnown2};
}

bool VolumeCalib::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    Read(in, mApply);
    Read(in, mRecorded1);
    Read(in, mRecorded2);
    Read(in, mKnown1);
    Read(in, mKnown2);
    return ReadUnit(in, mUnit) && in.Good();
}

void VolumeCalib::SaveState(Ovo::BinOStream& out) const {
    Write(out, mApply);
    Write(out, mRecorded1);
    Write(out, mRecorded2);
    Write(out, mKnown1);
    Write(out, mKnown2);
    Write(out, mUnit);
}

StepMessage VolumeCalib::Validate() {
    return ValidateTwoPoint(Values(), kTexts);
}

StepMessage VolumeCalib::CheckCanApply() {
    const bool setupIncomplete = IsWorkflowInUse() && HasStepMessage(kSetupModel);
    return CheckTwoPoint(Values(), mApply, setupIncomplete, kTexts);
}

void VolumeCalib::OnModelParamsChanged(Model*, const ModelParamSet& changed) {
    if (changed.Test(2))
        SetAndCommit<54>(false);
}

} // namespace Tarvik

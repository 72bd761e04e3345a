#include "workflow/AlphaCalib.h"

#include "core/OFormatStringStream.h"
#include "module/ModuleInstance.h"
#include "workflow/ModelState.h"

namespace Tarvik {

using namespace ModelState;

AlphaCalib::AlphaCalib(ModelDocument* document)
    : ModelBase(document), mAlpha(EmptyValue()), mCatheterCO(EmptyValue()), mReferenceCO(EmptyValue()),
      mCatheterSV(EmptyValue()), mReferenceSV(EmptyValue()) {
    Register<42>(mAlpha);
    Register<43>(mApply);
    Register<44>(mSource);
    Register<45>(mCatheterCO);
    Register<46>(mReferenceCO);
    Register<47>(mCatheterSV);
    Register<48>(mReferenceSV);
    for (std::int32_t observed : {kSetupModel, kCuvetteModel, kSalineModel, kVolumeModel, kConductanceModel})
        ObserveModel(observed);
}

bool AlphaCalib::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    Read(in, mAlpha);
    Read(in, mApply);
    Read(in, mSource);
    Read(in, mCatheterCO);
    Read(in, mReferenceCO);
    Read(in, mCatheterSV);
    Read(in, mReferenceSV);
    return in.Good();
}

void AlphaCalib::SaveState(Ovo::BinOStream& out) const {
    Write(out, mAlpha);
    Write(out, mApply);
    Write(out, mSource);
    Write(out, mCatheterCO);
    Write(out, mReferenceCO);
    Write(out, mCatheterSV);
    Write(out, mReferenceSV);
}

StepMessage AlphaCalib::Validate() {
    // An edit field stores the not-a-number value for text it cannot read as a number.
    if (IsNotANumberValue(mAlpha))
        return StepMessage(22905, 424);
    if (mAlpha < 0.0) {
        Ovo::OFormatStringStream format(LoadModuleString(22947));
        format << 0;
        format.EndArgument();
        return StepMessage(LoadModuleString(22907), format.str());
    }
    if (ApproxEqual(mAlpha, 0.0))
        return StepMessage(22907, 22948);
    if (mSource == kFromCardiacOutput) {
        if (IsNotANumberValue(mCatheterCO))
            return StepMessage(22905, 426);
        if (IsNotANumberValue(mReferenceCO))
            return StepMessage(22905, 427);
    }
    if (mSource == kFromStrokeVolume) {
        if (IsNotANumberValue(mCatheterSV))
            return StepMessage(22905, 428);
        if (IsNotANumberValue(mReferenceSV))
            return StepMessage(22905, 429);
    }
    return StepMessage::Empty();
}

StepMessage AlphaCalib::CheckCanApply() {
    if (IsNaN(mAlpha))
        return StepMessage(410, 425);
    return mApply ? StepMessage::Empty() : StepMessage::Silent();
}

void AlphaCalib::OnModelParamsChanged(Model* source, const ModelParamSet& changed) {
    const std::int32_t from = source->GetModelId();
    if (from == kCuvetteModel || from == kSalineModel || from == kConductanceModel || from == kVolumeModel ||
        changed.Test(2))
        SetAndCommit<43>(false);
}

} // namespace Tarvik

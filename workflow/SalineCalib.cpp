#include "workflow/SalineCalib.h"

#include "workflow/LoopView.h"
#include "workflow/ModelState.h"
#include "workflow/WorkflowSteps.h"

namespace Tarvik {

using namespace ModelState;

namespace {
// Bytes of a bolus record in the stream: its value and four words.
constexpr std::uint64_t kBolusBytes = 8 + 4 * 4;
// The layout read below version 11: per bolus eight and four bytes.
constexpr std::uint64_t kOldBolusBytes = 8 + 4;
constexpr std::uint32_t kBolusVersion = 11;
constexpr std::uint32_t kBolusSetsVersion = 12;
} // namespace

SalineCalib::SalineCalib(ModelDocument* document) : ModelBase(document), mParallelConductance(EmptyValue()) {
    Register<18>(mParallelConductance);
    Register<19>(mApply);
    Register<40>(mBoluses);
    Register<41>(mSelected);
    for (std::int32_t observed : {kSetupModel, kCuvetteModel, kVolumeModel})
        ObserveModel(observed);
}

bool SalineCalib::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    Read(in, mParallelConductance);
    Read(in, mApply);
    bool ignored = false;
    Read(in, ignored);
    return in.Good();
}

void SalineCalib::SaveState(Ovo::BinOStream& out) const {
    Write(out, mParallelConductance);
    Write(out, mApply);
    Write(out, false);
}

bool SalineCalib::LoadExtraState(Ovo::BinIStream& in, std::uint32_t version) {
    std::uint32_t count = 0;
    Read(in, count);
    if (version < kBolusVersion) {
        if (!CountFits(in, count, kOldBolusBytes))
            return false;
        std::vector<std::uint8_t> skipped(count * kOldBolusBytes + sizeof(std::uint32_t));
        in.ReadBytes(skipped.data(), static_cast<ULONG>(skipped.size()));
        return in.Good();
    }
    if (!CountFits(in, count, kBolusBytes))
        return false;
    std::vector<BolusRecord> boluses = mBoluses;
    boluses.resize(count);
    for (BolusRecord& bolus : boluses) {
        Read(in, bolus.value);
        Read(in, bolus.word2);
        Read(in, bolus.word1);
        Read(in, bolus.word4);
        Read(in, bolus.word3);
    }
    IntSet selected;
    if (!ReadIntSet(in, selected))
        return false;
    if (version >= kBolusSetsVersion)
        for (BolusRecord& bolus : boluses)
            if (!ReadIntSet(in, bolus.members))
                return false;
    if (!in.Good())
        return false;
    mBoluses = std::move(boluses);
    mSelected = std::move(selected);
    return true;
}

void SalineCalib::SaveExtraState(Ovo::BinOStream& out) const {
    Write(out, static_cast<std::uint32_t>(mBoluses.size()));
    for (const BolusRecord& bolus : mBoluses) {
        Write(out, bolus.value);
        Write(out, bolus.word2);
        Write(out, bolus.word1);
        Write(out, bolus.word4);
        Write(out, bolus.word3);
    }
    WriteIntSet(out, mSelected);
    for (const BolusRecord& bolus : mBoluses)
        WriteIntSet(out, bolus.members);
}

StepMessage SalineCalib::Validate() {
    // An edit field stores the not-a-number value for text it cannot read as a number.
    return IsNotANumberValue(mParallelConductance) ? StepMessage(22905, 421) : StepMessage::Empty();
}

StepMessage SalineCalib::CheckCanApply() {
    if (IsWorkflowInUse() && Document() != nullptr) {
        const std::int32_t kind = GetWorkflowKind(*Document());
        if (kind == 1 && HasStepMessage(kCuvetteModel))
            return StepMessage(410, 423);
        if (kind == 2 && HasStepMessage(kVolumeModel))
            return StepMessage(410, 448);
    }
    if (IsNaN(mParallelConductance))
        return StepMessage(410, 422);
    return mApply ? StepMessage::Empty() : StepMessage::Silent();
}

void SalineCalib::OnModelParamsChanged(Model* source, const ModelParamSet& changed) {
    if (changed.Test(34))
        NotifyParamsChanged(GetParamIdSet());
    const std::int32_t from = source->GetModelId();
    if (changed.Test(0) || from == kCuvetteModel || from == kVolumeModel || from == kConductanceModel)
        SetAndCommit<19>(false);
}

} // namespace Tarvik

#include "workflow/CuvetteCalib.h"

#include "core/OFormatStringStream.h"
#include "module/ModuleInstance.h"
#include "workflow/ModelState.h"

namespace Tarvik {

using namespace ModelState;

namespace {

// The format of string id with the two bounds in place of %1 and %2.
Ovo::String BoundsText(UINT id) {
    Ovo::OFormatStringStream format(LoadModuleString(id));
    format << -CuvetteCalib::kLimit;
    format.EndArgument();
    format << CuvetteCalib::kLimit;
    format.EndArgument();
    return format.str();
}

bool OutOfRange(double v) {
    return v < -CuvetteCalib::kLimit || v > CuvetteCalib::kLimit;
}

} // namespace

CuvetteCalib::CuvetteCalib(ModelDocument* document)
    : ModelBase(document), mSlope(EmptyValue()), mIntercept(EmptyValue()), mUnit(L"L", Ovo::Unit::kMicro) {
    Register<15>(mSlope);
    Register<16>(mIntercept);
    Register<17>(mApply);
    Register<33>(mUnit);
    Register<37>(mWells);
    Register<38>(mTable);
    ObserveModel(kConductanceModel);
    ObserveModel(kSetupModel);
}

bool CuvetteCalib::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    Read(in, mSlope);
    Read(in, mIntercept);
    Read(in, mApply);
    if (!ReadUnit(in, mUnit))
        return false;
    std::uint32_t count = 0;
    Read(in, count);
    if (!CountFits(in, count, sizeof(double)))
        return false;
    std::vector<double> wells(count, 0.0);
    for (double& well : wells)
        Read(in, well);
    if (!in.Good())
        return false;
    mWells = std::move(wells);
    return true;
}

void CuvetteCalib::SaveState(Ovo::BinOStream& out) const {
    Write(out, mSlope);
    Write(out, mIntercept);
    Write(out, mApply);
    Write(out, mUnit);
    Write(out, static_cast<std::uint32_t>(mWells.size()));
    for (double well : mWells)
        Write(out, well);
}

bool CuvetteCalib::LoadExtraState(Ovo::BinIStream& in, std::uint32_t) {
    CuvetteTable table;
    Read(in, table.rows);
    Read(in, table.columns);
    // Both counts come from the data: their product is taken in 64 bits and must fit the stream.
    const std::uint64_t cells = std::uint64_t{table.rows} * table.columns;
    if (!CountFits(in, cells, sizeof(double)))
        return false;
    table.cells.assign(static_cast<std::size_t>(cells), 0.0);
    for (double& cell : table.cells)
        Read(in, cell);
    if (!in.Good())
        return false;
    mTable = std::move(table);
    return true;
}

void CuvetteCalib::SaveExtraState(Ovo::BinOStream& out) const {
    Write(out, mTable.rows);
    Write(out, mTable.columns);
    const std::uint64_t cells = std::uint64_t{mTable.rows} * mTable.columns;
    for (std::uint64_t i = 0; i < cells; ++i)
        Write(out, i < mTable.cells.size() ? mTable.cells[static_cast<std::size_t>(i)] : EmptyValue());
}

StepMessage CuvetteCalib::Validate() {
    // An edit field stores the not-a-number value for text it cannot read as a number.
    if (IsNotANumberValue(mSlope))
        return StepMessage(22905, 22925);
    if (IsNotANumberValue(mIntercept))
        return StepMessage(22905, 22926);
    if (OutOfRange(mSlope))
        return StepMessage(LoadModuleString(22907), BoundsText(22923));
    if (ApproxEqual(mSlope, 0.0))
        return StepMessage(22927, 22928);
    if (OutOfRange(mIntercept))
        return StepMessage(LoadModuleString(22907), BoundsText(22924));
    return StepMessage::Empty();
}

StepMessage CuvetteCalib::CheckCanApply() {
    if (IsWorkflowInUse() && HasStepMessage(kConductanceModel))
        return StepMessage(410, 419);
    if (IsNaN(mSlope) || IsNaN(mIntercept))
        return StepMessage(410, 420);
    return mApply ? StepMessage::Empty() : StepMessage::Silent();
}

void CuvetteCalib::OnModelParamsChanged(Model* source, const ModelParamSet& changed) {
    if (changed.Test(34))
        NotifyParamsChanged(GetParamIdSet());
    if (changed.Test(2) || source->GetModelId() == kConductanceModel)
        SetAndCommit<17>(false);
}

} // namespace Tarvik

#include "workflow/AnalysisStep.h"

#include "workflow/ModelState.h"

namespace Tarvik {

AnalysisStep::AnalysisStep(ModelDocument* document) : ModelBase(document) {
    Register<20>(mAnalysisType);
}

bool AnalysisStep::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    ModelState::Read(in, mAnalysisType);
    return in.Good();
}

void AnalysisStep::SaveState(Ovo::BinOStream& out) const {
    ModelState::Write(out, mAnalysisType);
}

} // namespace Tarvik

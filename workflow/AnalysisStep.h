#pragma once
// The analyze step (model 7): the analysis type, 0 or 1 (1: the relations
// analysis, whose plots the step shows). The step never counts as complete.

#include "workflow/ModelBase.h"

namespace Tarvik {

class AnalysisStep : public ModelBase<kAnalysisModel> {
public:
    explicit AnalysisStep(ModelDocument* document);

    // 20 i32.
    bool LoadState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveState(Ovo::BinOStream& out) const override;
    StepMessage CheckCanApply() override { return StepMessage::Silent(); }

private:
    std::int32_t mAnalysisType = 0; // 20
};

} // namespace Tarvik

#pragma once
// The workflow panel (model 9): the current workflow step, as a step-dialog id
// (1 set-up, 2 pressure, 3 conductance, 4 sampling, 5 cuvette, 6 saline, 7
// analyze, 8 alpha, 9 volume), and a flag of the panel.

#include "workflow/ModelBase.h"

namespace Tarvik {

class WorkflowViewModel : public ModelBase<kWorkflowViewModel> {
public:
    explicit WorkflowViewModel(ModelDocument* document);

    // 25 i32; 26 bool.
    bool LoadState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveState(Ovo::BinOStream& out) const override;

private:
    std::int32_t mCurrentStep = 1; // 25
    bool mPanelFlag = true;        // 26
};

} // namespace Tarvik

#pragma once
// Tarvik::SamplingStepDlg: the sampling step (step-dialog id 4, template 137, model 4). It says what
// to sample (with the cuvette wells in the small-mammal workflow only), offers the sampling pane
// and the detector settings (1092), and "Sampling complete" (1077, parameter 14).

#include "dialogs/StepDlgBase.h"

namespace Tarvik {

class SamplingStepDlg : public StepDlgBase<SamplingStepDlg, 4> {
public:
    using StepDlgBase::StepDlgBase;

    BEGIN_MSG_MAP(SamplingStepDlg)
    COMMAND_HANDLER(1092, BN_CLICKED, OnSettings)
    COMMAND_HANDLER(1077, BN_CLICKED, OnComplete)
    CHAIN_MSG_MAP(StepDlgBase)
    END_MSG_MAP()

    StepDlgTables Tables() const override;
    void OnModelChanged(const ModelParamSet& changed) override;

protected:
    void PrepareDialog() override;
    void SetUpControl(HWND child, int id) override;

private:
    LRESULT OnSettings(WORD, WORD, HWND, BOOL&);
    LRESULT OnComplete(WORD, WORD, HWND, BOOL&);
};

} // namespace Tarvik

#pragma once
// Tarvik::AlphaDlg: the alpha calibration step (step-dialog id 8, template 141, model 10). Alpha is
// the catheter's cardiac output (mode 1) or stroke volume (mode 2) over the reference value of the
// same quantity; the dialog computes it as the user types and stores it in parameter 42.

#include "dialogs/StepDlgBase.h"

namespace Tarvik {

class AlphaDlg : public StepDlgBase<AlphaDlg, 8> {
public:
    using StepDlgBase::StepDlgBase;

    BEGIN_MSG_MAP(AlphaDlg)
    COMMAND_CODE_HANDLER(EN_CHANGE, OnEditChange)
    COMMAND_HANDLER(1077, BN_CLICKED, OnApply)
    COMMAND_CODE_HANDLER(CBN_SELCHANGE, OnSourceChange)
    CHAIN_MSG_MAP(StepDlgBase)
    END_MSG_MAP()

    StepDlgTables Tables() const override;
    void OnModelChanged(const ModelParamSet& changed) override;

protected:
    void PrepareDialog() override;

private:
    LRESULT OnEditChange(WORD, WORD id, HWND, BOOL&);
    LRESULT OnApply(WORD, WORD, HWND, BOOL&);
    LRESULT OnSourceChange(WORD, WORD, HWND control, BOOL&);
    double ComputeAlpha();
};

} // namespace Tarvik

#pragma once
// Tarvik::CuvetteStep: the cuvette calibration step (step-dialog id 5, template 138, model 5): the
// linear conversion volume = slope x conductance + intercept, its slope (1113) and intercept (1114)
// shown in the calibration's volume unit and the conductance unit, and its apply flag (1077).

#include "dialogs/StepDlgBase.h"

namespace Tarvik {

class CuvetteStep : public StepDlgBase<CuvetteStep, 5> {
public:
    using StepDlgBase::StepDlgBase;

    BEGIN_MSG_MAP(CuvetteStep)
    COMMAND_CODE_HANDLER(EN_CHANGE, OnEditChange)
    COMMAND_HANDLER(1077, BN_CLICKED, OnApply)
    CHAIN_MSG_MAP(StepDlgBase)
    END_MSG_MAP()

    StepDlgTables Tables() const override;
    void OnModelChanged(const ModelParamSet& changed) override;

protected:
    void PrepareDialog() override;

private:
    LRESULT OnEditChange(WORD, WORD id, HWND, BOOL&);
    LRESULT OnApply(WORD, WORD, HWND, BOOL&);
    // The prefix factors of the calibration's volume unit and of the conductance unit.
    double VolumeFactor();
    double ConductanceFactor();
};

} // namespace Tarvik

#pragma once
// Tarvik::PressureStep: the two-point pressure calibration (step-dialog id 2, template 135, model 2).
// For each point the base value sampled on the pressure channel (shown in the channel's unit,
// stored without its prefix) and the known pressure in mmHg; 1077 applies the calibration.

#include "dialogs/StepDlgBase.h"

namespace Tarvik {

class PressureStep : public StepDlgBase<PressureStep, 2> {
public:
    using StepDlgBase::StepDlgBase;

    BEGIN_MSG_MAP(PressureStep)
    COMMAND_CODE_HANDLER(EN_CHANGE, OnEditChange)
    COMMAND_HANDLER(1077, BN_CLICKED, OnApply)
    COMMAND_HANDLER(1104, BN_CLICKED, OnLaunch)
    COMMAND_HANDLER(1075, BN_CLICKED, OnSetFromSelection)
    COMMAND_HANDLER(1076, BN_CLICKED, OnSetFromSelection)
    CHAIN_MSG_MAP(StepDlgBase)
    END_MSG_MAP()

    StepDlgTables Tables() const override;
    void OnModelChanged(const ModelParamSet& changed) override;
    void AfterStepMessage() override;

protected:
    void PrepareDialog() override;
    void SetUpControl(HWND child, int id) override;

private:
    LRESULT OnEditChange(WORD, WORD id, HWND, BOOL&);
    LRESULT OnApply(WORD, WORD, HWND, BOOL&);
    LRESULT OnLaunch(WORD, WORD, HWND, BOOL&);
    LRESULT OnSetFromSelection(WORD, WORD id, HWND button, BOOL&);
};

// The start-up tables of the two-point calibration steps (templates 135, 136 and 142), whose unit
// labels show the unit of the given channel.
StepDlgTables CalibrationStepTables(UnitLabelChannel channel);

// The launch row (1104 and its label 1112) is usable only with the control software installed.
void EnableLaunchRow(HWND dialog);

} // namespace Tarvik

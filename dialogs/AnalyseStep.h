#pragma once
// Tarvik::AnalyseStep: the last step of both workflows (step-dialog id 7, template 139, model 7):
// the analysis type (1095: "Baseline" 0, "Occlusion" 1), and buttons that analyse now (1098), open
// the module's settings (1092) and the host's analysis manager (1094).

#include "dialogs/StepDlgBase.h"

namespace Tarvik {

class AnalyseStep : public StepDlgBase<AnalyseStep, 7> {
public:
    using StepDlgBase::StepDlgBase;

    BEGIN_MSG_MAP(AnalyseStep)
    COMMAND_CODE_HANDLER(CBN_SELCHANGE, OnTypeChange)
    COMMAND_HANDLER(1092, BN_CLICKED, OnSettings)
    COMMAND_HANDLER(1098, BN_CLICKED, OnAnalyse)
    COMMAND_HANDLER(1094, BN_CLICKED, OnAnalysisManager)
    CHAIN_MSG_MAP(StepDlgBase)
    END_MSG_MAP()

    StepDlgTables Tables() const override;
    void OnModelChanged(const ModelParamSet& changed) override;

protected:
    void PrepareDialog() override;
    void SetUpControl(HWND child, int id) override;

private:
    LRESULT OnTypeChange(WORD, WORD, HWND control, BOOL&);
    LRESULT OnSettings(WORD, WORD, HWND, BOOL&);
    LRESULT OnAnalyse(WORD, WORD, HWND, BOOL&);
    LRESULT OnAnalysisManager(WORD, WORD, HWND, BOOL&);
};

} // namespace Tarvik

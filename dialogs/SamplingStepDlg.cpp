#include "dialogs/SamplingStepDlg.h"

#include "module/ModuleInstance.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/WorkflowSteps.h"

namespace Tarvik {

namespace {

const int kDescriptions[] = {1074};
const int kSamplingButtons[] = {1071};
const int kSamplingLabels[] = {1093};
const StepDlgResize kResize[] = {
    {1074, kSizeX}, {1072, kSizeX}, {1073, kSizeX}, {1092, kMoveX}, {1071, kMoveX}};

} // namespace

StepDlgTables SamplingStepDlg::Tables() const {
    StepDlgTables tables;
    tables.descriptions = kDescriptions;
    tables.samplingButtons = kSamplingButtons;
    tables.samplingLabels = kSamplingLabels;
    tables.resize = kResize;
    return tables;
}

void SamplingStepDlg::PrepareDialog() {
    AlignSeparator(1072);
    AlignSeparator(1073);
    const Ovo::String text = LoadModuleString(GetWorkflowKind(Document()) == 1 ? 453 : 454);
    ::SetDlgItemTextW(m_hWnd, 1074, text.c_str());
}

void SamplingStepDlg::SetUpControl(HWND, int id) {
    if (id == 1092)
        AddBitmapButton(1092, 138);
}

void SamplingStepDlg::OnModelChanged(const ModelParamSet& changed) {
    if (changed.Test(14))
        CheckDlgButton(1077, GetModelParam<14>(StepModel()) ? BST_CHECKED : BST_UNCHECKED);
}

LRESULT SamplingStepDlg::OnSettings(WORD, WORD, HWND, BOOL&) {
    SendAutomation(276, 4);
    return 0;
}

LRESULT SamplingStepDlg::OnComplete(WORD, WORD, HWND, BOOL&) {
    OnApplyClicked(1077, [this](bool complete) { SetModelParam<14>(StepModel(), complete); });
    return 0;
}

} // namespace Tarvik

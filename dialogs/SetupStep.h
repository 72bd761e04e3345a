#pragma once
// Tarvik::SetupStep: the first step of both workflows (step-dialog id 1, template 124). The user
// chooses the workflow kind (1070: "Small mammal" 1, "Large mammal" 2) and the pressure (1005) and
// volume (1006) channels, item index = channel number; the set-up model (1) holds all three.

#include "dialogs/StepDlgBase.h"
#include "platform/atl/CWindowImpl.h"
#include "platform/user/combobox.h"

namespace Tarvik {

// A drop-down list that shows the hint "Choose ..." while nothing is selected.
class ChooseCombo : public ATL::CWindowImpl<ChooseCombo> {
public:
    BEGIN_MSG_MAP(ChooseCombo)
    MESSAGE_HANDLER(WM_PAINT, OnPaint)
    END_MSG_MAP()

private:
    LRESULT OnPaint(UINT message, WPARAM wParam, LPARAM lParam, BOOL&);
};

class SetupStep : public StepDlgBase<SetupStep, 1> {
public:
    using StepDlgBase::StepDlgBase;

    BEGIN_MSG_MAP(SetupStep)
    COMMAND_CODE_HANDLER(CBN_SELCHANGE, OnSelectionChange)
    CHAIN_MSG_MAP(StepDlgBase)
    END_MSG_MAP()

    StepDlgTables Tables() const override;
    void OnModelChanged(const ModelParamSet& changed) override;

protected:
    void PrepareDialog() override;

private:
    LRESULT OnSelectionChange(WORD, WORD id, HWND control, BOOL&);

    ChooseCombo mWorkflow;
    ChooseCombo mPressure;
    ChooseCombo mVolume;
};

// Appends the texts to the combo box, widening its drop-down list to the widest text + 8 pixels
// (never narrowing it).
void FillCombo(HWND dialog, int id, const std::vector<std::u16string>& texts);

} // namespace Tarvik

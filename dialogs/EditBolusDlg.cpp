#include "dialogs/EditBolusDlg.h"

#include "controls/NumberFields.h"
#include "controls/QuietText.h"
#include "controls/WindowText.h"
#include "core/NumberText.h"
#include "core/ScaledValue.h"
#include "dialogs/StepDlgBase.h"
#include "module/ModuleInstance.h"

namespace Tarvik {

namespace {

constexpr int kValue = 1131;
constexpr int kUnitLabel = 1133;

} // namespace

INT_PTR EditBolusDlg::Run(HWND parent) {
    ATL::_AtlBaseModule.SetResourceInstance(ModuleInstance());
    return DoModal(parent);
}

double EditBolusDlg::Factor() const {
    return MakeScaledValue(mUnit, 1.0).scale;
}

double EditBolusDlg::Shown() const {
    const std::u16string text = GetWindowTextString(GetDlgItem(kValue));
    return GetWindowTextAsDouble(std::wstring(text.begin(), text.end()));
}

LRESULT EditBolusDlg::OnInitDialog(UINT, WPARAM, LPARAM, BOOL&) {
    InstallQuietText(GetDlgItem(kValue));
    SetWindowTextFromDouble(GetDlgItem(kValue), ScaleValue(*mValue, 1.0 / Factor()));
    const std::wstring unit = mUnit.Text();
    ::SetDlgItemTextW(m_hWnd, kUnitLabel, std::u16string(unit.begin(), unit.end()).c_str());
    // OK starts as the shown value allows: a value that is no number cannot be confirmed.
    ::EnableWindow(GetDlgItem(IDOK), Shown() == Shown());
    return TRUE;
}

LRESULT EditBolusDlg::OnEditChange(WORD, WORD, HWND, BOOL&) {
    ::EnableWindow(GetDlgItem(IDOK), Shown() == Shown());
    return 0;
}

LRESULT EditBolusDlg::OnCloseCmd(WORD, WORD id, HWND, BOOL&) {
    if (id == IDOK) {
        const double shown = Shown();
        // Enter reaches OK even while it is disabled: a field without a number is not stored.
        if (shown != shown)
            return 0;
        *mValue = shown * Factor();
    }
    EndDialog(id);
    return 0;
}

} // namespace Tarvik

#pragma once
// Tarvik::EditBolusDlg: the modal dialog (template 143) in which one parallel conductance of the
// saline calibration's list is corrected. The value is shown in the prefixed scale of the unit
// given and stored back, on OK only, in the unprefixed scale. OK is enabled only while the field
// holds a number.

#include "controls/WhiteDlg.h"
#include "core/Unit.h"
#include "platform/atl/CDialogImpl.h"

namespace Tarvik {

class EditBolusDlg : public ATL::CDialogImpl<EditBolusDlg>, public Ovo::WhiteDlg<EditBolusDlg> {
public:
    enum { IDD = 143 };
    // value: in, the value to edit; out, on OK, the confirmed value. Both in unit's unprefixed scale.
    EditBolusDlg(double* value, const Ovo::Unit& unit) : mValue(value), mUnit(unit) {}

    BEGIN_MSG_MAP(EditBolusDlg)
    MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
    COMMAND_HANDLER(1131, EN_CHANGE, OnEditChange)
    COMMAND_ID_HANDLER(IDOK, OnCloseCmd)
    COMMAND_ID_HANDLER(IDCANCEL, OnCloseCmd)
    CHAIN_MSG_MAP(Ovo::WhiteDlg<EditBolusDlg>)
    END_MSG_MAP()

    // 1 for OK, 2 for Cancel, -1 when the dialog cannot be made.
    INT_PTR Run(HWND parent);

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnEditChange(WORD, WORD, HWND, BOOL&);
    LRESULT OnCloseCmd(WORD, WORD id, HWND, BOOL&);
    double Shown() const;
    double Factor() const;

    double* mValue;
    Ovo::Unit mUnit;
};

} // namespace Tarvik

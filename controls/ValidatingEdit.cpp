#include "controls/ValidatingEdit.h"

#include "controls/ErrorProvider.h"

DEFINE_RESPONSE_TABLE1(ValidatingEdit, OWL::TEdit)
EV_WM_CHAR, EV_MESSAGE(OWL::WM_CHILDINVALID, EvChildInvalid), END_RESPONSE_TABLE;

ValidatingEdit::ValidatingEdit(OWL::TWindow* parent) : OWL::TEdit(parent, kControlId, 256) {}

void ValidatingEdit::EvChar(UINT key, UINT repeat, UINT flags) {
    OWL::TEdit::EvChar(key, repeat, flags);
    if (mErrorProvider != nullptr && IsValid(true))
        mErrorProvider->SetError(Ovo::String(), Ovo::String(), false);
}

LRESULT ValidatingEdit::EvChildInvalid(WPARAM wParam, LPARAM lParam) {
    if (mErrorProvider != nullptr)
        return 0;
    return OWL::TEdit::EvChildInvalid(wParam, lParam);
}

#include "controls/IntEdit.h"

#include <cwchar>

#include "controls/LongRangeValidatorErrProv.h"

IntEdit::IntEdit(OWL::TWindow* parent) : ValidatingEdit(parent) {
    SetValidator(new OvoControls::OvoRangeValidator(1, 10));
}

void IntEdit::SetupWindow() {
    ValidatingEdit::SetupWindow();
    ModifyStyle(0, ES_NUMBER);
}

bool IntEdit::IsTextValid() {
    WCHAR text[30] = {};
    GetWindowText(text, 30);
    wchar_t wide[30] = {};
    for (int i = 0; i < 30; ++i)
        wide[i] = static_cast<wchar_t>(text[i]);
    wchar_t* end = nullptr;
    std::wcstol(wide, &end, 10);
    return end != wide && *end == 0;
}

void IntEdit::SetErrorProvider(OvoControls::ErrorProvider* provider) {
    ValidatingEdit::SetErrorProvider(provider);
    auto* current = dynamic_cast<OWL::TRangeValidator*>(GetValidator());
    const long minimum = current ? current->GetMin() : 1;
    const long maximum = current ? current->GetMax() : 10;
    if (provider != nullptr)
        SetValidator(new OvoControls::LongRangeValidatorErrProv(minimum, maximum, provider));
    else
        SetValidator(new OvoControls::OvoRangeValidator(minimum, maximum));
}

#pragma once
// A validating field for an integer from 1 to 10 (the range may be changed
// through its validator): digits only, reported through the error provider
// when one is set.

#include "controls/ValidatingEdit.h"

class IntEdit : public ValidatingEdit {
public:
    explicit IntEdit(OWL::TWindow* parent);

    // At most 29 characters, all of them one decimal integer.
    bool IsTextValid() override;
    // Replaces the validator by one with the same range that reports to the
    // provider (or, for null, through the framework's box).
    void SetErrorProvider(OvoControls::ErrorProvider* provider) override;

protected:
    // Adds ES_NUMBER to the field, so that only digits can be typed.
    void SetupWindow() override;
};

#pragma once
// An edit field of a dialog (control 1001, at most 255 characters) that can
// report an invalid text through an error provider instead of the framework's
// message box: each typed character that leaves the text valid hides the
// provider again, and the framework's child-invalid report (its box and the
// focus taken back) is left out while a provider is set.

#include "platform/owl/TEdit.h"

namespace OvoControls {
class ErrorProvider;
}

class ValidatingEdit : public OWL::TEdit {
public:
    static constexpr int kControlId = 1001;

    explicit ValidatingEdit(OWL::TWindow* parent);

    // Whether the field's text is acceptable as a whole.
    virtual bool IsTextValid() = 0;
    // The provider to report to (not owned; null: the framework's box).
    virtual void SetErrorProvider(OvoControls::ErrorProvider* provider) { mErrorProvider = provider; }
    OvoControls::ErrorProvider* GetErrorProvider() const { return mErrorProvider; }

    void EvChar(UINT key, UINT repeat, UINT flags);
    LRESULT EvChildInvalid(WPARAM wParam, LPARAM lParam);

    DECLARE_RESPONSE_TABLE(ValidatingEdit);

protected:
    OvoControls::ErrorProvider* mErrorProvider = nullptr;
};

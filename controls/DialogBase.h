#pragma once
// The base of the module's framework dialogs: the dialog template is read
// from the library's resources (its US English template, the language the
// module's resources are in) and the dialog is built from that copy.

#include "platform/owl/TDialog.h"

namespace Ovo {

class DialogBase : public OWL::TDialog {
public:
    // resId names the RT_DIALOG resource (MAKEINTRESOURCEW for a number);
    // module null takes the library's own instance. A missing template makes
    // a dialog that Execute cannot run (-1).
    DialogBase(OWL::TWindow* parent, LPCWSTR resId, OWL::TModule* module = nullptr);

private:
    static std::vector<BYTE> LoadTemplate(LPCWSTR resId, OWL::TModule* module);
};

} // namespace Ovo

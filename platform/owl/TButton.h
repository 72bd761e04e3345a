#pragma once
// A push button: a TWindow over the system "Button" class, new or an alias
// of a dialog's control.

#include "platform/owl/TWindow.h"
#include "platform/user/button.h"

namespace OWL {

class TButton : public TWindow {
public:
    // Style WS_CHILD | WS_VISIBLE | WS_TABSTOP, BS_DEFPUSHBUTTON when isDefault.
    TButton(TWindow* parent, int id, LPCWSTR text, int x, int y, int w, int h, bool isDefault = false,
            TModule* module = nullptr);
    // An alias of the parent's control of that id.
    TButton(TWindow* parent, int resourceId, TModule* module = nullptr);

protected:
    LPCWSTR GetClassName() const override { return u"Button"; }
};

} // namespace OWL

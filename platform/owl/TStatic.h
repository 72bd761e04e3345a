#pragma once
// A static control: a TWindow over the system "Static" class, new or an alias
// of a dialog control.

#include "platform/owl/TWindow.h"
#include "platform/user/static.h"

namespace OWL {

class TStatic : public TWindow {
public:
    // Style WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT.
    TStatic(TWindow* parent, int id, LPCWSTR title, int x, int y, int w, int h, UINT textLimit = 0,
            TModule* module = nullptr);
    // An alias of the parent's control of that id.
    TStatic(TWindow* parent, int resourceId, UINT textLimit = 0, TModule* module = nullptr);

    void SetText(LPCWSTR text) { SetWindowText(text); }

protected:
    LPCWSTR GetClassName() const override { return u"Static"; }

private:
    UINT mTextLimit;
};

} // namespace OWL

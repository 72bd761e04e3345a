#pragma once
// A caption line dividing a dialog into sections: the static's text at its
// left, then a one-pixel line through the middle to its right edge, in the
// colours of the theme's group box (text, then border colour or its hint,
// else light grey 0xCCCCCC). A separator without text paints nothing.

#include "platform/owl/TStatic.h"

namespace OvoControls {

class DialogSeparator : public OWL::TStatic {
public:
    // An alias of the parent dialog's static control.
    DialogSeparator(OWL::TWindow* parent, int controlId);

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;

    DECLARE_RESPONSE_TABLE(DialogSeparator);

protected:
    // Adds SS_NOTIFY.
    void SetupWindow() override;
};

} // namespace OvoControls

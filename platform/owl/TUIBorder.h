#pragma once
// The framework's three-dimensional borders, drawn in the system colours.
// Button styles are two pixels wide: ButtonUp raised (light top-left, dark
// bottom-right), ButtonDn pressed (a dark frame and a shadow inside it).

#include "platform/owl/TDC.h"
#include "platform/owl/TRect.h"

namespace OWL {

class TUIBorder {
public:
    enum TStyle { None = 0, Plain = 1, Raised = 2, Recessed = 3, ButtonUp = 6, ButtonDn = 7 };

    TUIBorder(const TRect& frame, TStyle style) : mFrame(frame), mStyle(style) {}

    void Paint(TDC& dc) const;
    // The rectangle inside the border.
    TRect GetClientRect() const;

private:
    TRect mFrame;
    TStyle mStyle;
};

} // namespace OWL

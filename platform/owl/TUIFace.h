#pragma once
// A face's caption as the framework paints it by state: Normal in the button
// text colour; Disabled embossed (the highlight colour one pixel down and
// right, then the 3D shadow colour in place). The face is filled first unless
// its fill colour is TColor::None.

#include <string>

#include "platform/owl/TColor.h"
#include "platform/owl/TDC.h"
#include "platform/owl/TRect.h"

namespace OWL {

class TUIFace {
public:
    enum TState { Normal = 0, Down = 1, Indeterm = 2, Disabled = 3, Default = 4 };

    TUIFace(const TRect& face, std::u16string text, const TColor& fill = TColor::None,
            UINT format = DT_SINGLELINE | DT_CENTER | DT_VCENTER)
        : mFace(face), mText(std::move(text)), mFill(fill), mFormat(format) {}

    // Draws the caption in the state; highlight is the embossing colour.
    void Paint(TDC& dc, TState state, const TColor& highlight = TColor::Sys3dHilight) const;

private:
    TRect mFace;
    std::u16string mText;
    TColor mFill;
    UINT mFormat;
};

} // namespace OWL

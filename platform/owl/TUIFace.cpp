#include "platform/owl/TUIFace.h"

namespace OWL {

void TUIFace::Paint(TDC& dc, TState state, const TColor& highlight) const {
    if (!mFill.IsNone()) {
        HBRUSH fill = CreateSolidBrush(mFill.GetValue());
        dc.FillRect(mFace, fill);
        DeleteObject(fill);
    }
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    TRect r = mFace;
    if (state == Disabled) {
        TRect shifted(r.left + 1, r.top + 1, r.right + 1, r.bottom + 1);
        const TColor old = dc.SetTextColor(highlight);
        dc.DrawText(mText.c_str(), -1, shifted, mFormat);
        dc.SetTextColor(TColor::Sys3dShadow);
        dc.DrawText(mText.c_str(), -1, r, mFormat);
        dc.SetTextColor(old);
    } else {
        const TColor old = dc.SetTextColor(TColor::SysColor(COLOR_BTNTEXT));
        if (state == Down)
            r = TRect(r.left + 1, r.top + 1, r.right + 1, r.bottom + 1);
        dc.DrawText(mText.c_str(), -1, r, mFormat);
        dc.SetTextColor(old);
    }
    dc.SetBkMode(oldMode);
}

} // namespace OWL

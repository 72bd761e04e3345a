#include "platform/owl/TUIBorder.h"

namespace OWL {
namespace {

// One pixel wide frame: top and left in one colour, bottom and right in another.
void Frame(TDC& dc, const TRect& r, int topLeft, int bottomRight) {
    dc.FillRect(TRect(r.left, r.top, r.right, r.top + 1), GetSysColorBrush(topLeft));
    dc.FillRect(TRect(r.left, r.top, r.left + 1, r.bottom), GetSysColorBrush(topLeft));
    dc.FillRect(TRect(r.left, r.bottom - 1, r.right, r.bottom), GetSysColorBrush(bottomRight));
    dc.FillRect(TRect(r.right - 1, r.top, r.right, r.bottom), GetSysColorBrush(bottomRight));
}

int Width(TUIBorder::TStyle style) {
    switch (style) {
    case TUIBorder::None:
        return 0;
    case TUIBorder::Plain:
    case TUIBorder::Raised:
    case TUIBorder::Recessed:
        return 1;
    default:
        return 2;
    }
}

} // namespace

void TUIBorder::Paint(TDC& dc) const {
    const TRect inner(mFrame.left + 1, mFrame.top + 1, mFrame.right - 1, mFrame.bottom - 1);
    switch (mStyle) {
    case Plain:
        Frame(dc, mFrame, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME);
        break;
    case Raised:
        Frame(dc, mFrame, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
        break;
    case Recessed:
        Frame(dc, mFrame, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        break;
    case ButtonUp:
        Frame(dc, mFrame, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW);
        Frame(dc, inner, COLOR_3DLIGHT, COLOR_BTNSHADOW);
        break;
    case ButtonDn:
        Frame(dc, mFrame, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW);
        Frame(dc, inner, COLOR_BTNSHADOW, COLOR_BTNFACE);
        break;
    case None:
        break;
    }
}

TRect TUIBorder::GetClientRect() const {
    const int w = Width(mStyle);
    return TRect(mFrame.left + w, mFrame.top + w, mFrame.right - w, mFrame.bottom - w);
}

} // namespace OWL

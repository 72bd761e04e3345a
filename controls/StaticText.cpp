#include "controls/StaticText.h"

#include "controls/Fonts.h"
#include "controls/SysColours.h"
#include "platform/user/sysparams_api.h"

DEFINE_RESPONSE_TABLE1(StaticText, OWL::TWindow)
EV_WM_SIZE, END_RESPONSE_TABLE;

namespace {

constexpr UINT kCentre = 6; // TA_CENTER

// The gadget-window font, made by the first StaticText and kept.
HFONT SharedFont() {
    static const OWL::TFont font = [] {
        LOGFONTW f{};
        SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof f, &f, 0);
        return OWL::TFont(f);
    }();
    return font.GetHandle();
}

} // namespace

StaticText::StaticText(OWL::TWindow* parent)
    : OWL::TWindow(parent), mTextColour(CurrentSysColours().buttonText),
      mBackground(CurrentSysColours().buttonFace) {
    Attr.Style = (WS_CHILD | WS_VISIBLE) & ~WS_GROUP;
    Attr.H = 20;
    SharedFont();
}

void StaticText::SetText(const Ovo::String& text) {
    mText = text;
    Invalidate();
}

void StaticText::SetColours(COLORREF text, COLORREF background) {
    mTextColour = text;
    mBackground = background;
    Invalidate();
}

void StaticText::SetInverted(bool inverted) {
    mInverted = inverted;
    Invalidate();
}

void StaticText::SetAlignment(UINT horizontal, UINT vertical) {
    mHorizontal = horizontal;
    mVertical = vertical;
    Layout();
}

HFONT StaticText::FontInUse() const {
    return mFont ? mFont : SharedFont();
}

void StaticText::Layout() {
    const auto [average, height] = GetFontLineHeight(FontInUse());
    mAverageCharWidth = average;
    mFontHeight = height;
    const OWL::TRect client = GetHandle() ? GetClientRect() : OWL::TRect(0, 0, Attr.W, Attr.H);
    mOrigin = OWL::TPoint(0, 0);
    mDrawFlags = mHorizontal | mVertical;
    if (mHorizontal == kCentre)
        mOrigin.x = client.Width() / 2;
    if (mVertical == kCentre) {
        mOrigin.y = (client.Height() - mFontHeight) / 2;
        if (mHorizontal != kCentre)
            mDrawFlags &= ~kCentre;
    }
}

void StaticText::EvSize(UINT, const OWL::TSize&) {
    DefaultProcessing();
    Layout();
    Invalidate();
}

void StaticText::Paint(OWL::TDC& dc, bool, OWL::TRect&) {
    const OWL::TRect client = GetClientRect();
    dc.SetTextColor(mInverted ? RGB(255, 255, 255) : mTextColour);
    dc.SetBkColor(mInverted ? RGB(0, 0, 0) : mBackground);
    dc.SetTextAlign(mDrawFlags);
    HGDIOBJ old = SelectObject(dc, FontInUse());
    dc.ExtTextOut(mOrigin.x, mOrigin.y, ETO_OPAQUE, &client, mText.c_str(), mText.Length());
    SelectObject(dc, old);
}

#pragma once
// A self-painted single-line text: the button-text colour on the button
// face (or white on black when inverted), in its own font or the shared
// gadget-window font, aligned by a horizontal and a vertical alignment code
// (TA_ values; 6 in the vertical code centres the line vertically).

#include <memory>

#include "core/String.h"
#include "platform/owl/TWindow.h"

class StaticText : public OWL::TWindow {
public:
    // Style WS_CHILD | WS_VISIBLE, at (0, 0), 0 wide and 20 high.
    explicit StaticText(OWL::TWindow* parent);

    const Ovo::String& GetText() const { return mText; }
    void SetText(const Ovo::String& text);
    void SetColours(COLORREF text, COLORREF background);
    void SetInverted(bool inverted);
    void SetAlignment(UINT horizontal, UINT vertical);
    // The font to draw with (not owned); null: the shared font.
    void SetFont(HFONT font) { mFont = font; }

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;
    void EvSize(UINT kind, const OWL::TSize& size);

    // The drawing origin and text-alignment flags of the last layout.
    OWL::TPoint Origin() const { return mOrigin; }
    UINT DrawFlags() const { return mDrawFlags; }

    DECLARE_RESPONSE_TABLE(StaticText);

private:
    HFONT FontInUse() const;
    void Layout();

    COLORREF mTextColour;
    COLORREF mBackground;
    UINT mDrawFlags = 0;
    UINT mHorizontal = 0;
    UINT mVertical = 0;
    Ovo::String mText;
    int mAverageCharWidth = 0;
    int mFontHeight = 0;
    OWL::TPoint mOrigin;
    bool mInverted = false;
    HFONT mFont = nullptr;
};

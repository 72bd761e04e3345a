#pragma once
// A button gadget with a text beside, above or below its glyph.

#include <string>

#include "platform/owl/TButtonGadget.h"
#include "platform/owl/TFont.h"

namespace OWL {

class TButtonTextGadget : public TButtonGadget {
public:
    enum TAlign { Left = 0, Center = 1, Right = 2 };
    enum TStyle { sBitmap = 1, sText = 2, sBitmapText = 3 };
    enum TLayoutStyle { lTextLeft = 0, lTextTop = 1, lTextRight = 2, lTextBottom = 3 };

    TButtonTextGadget(int id, int glyphResourceId, TStyle style = sBitmapText, TType type = Command,
                      bool enabled = true, TState state = Up, bool sharedGlyph = false, UINT numChars = 4);

    void Paint(TDC& dc) override;

    const std::u16string& GetText() const { return mText; }
    void SetText(const std::u16string& text) {
        mText = text;
        Invalidate();
    }
    TAlign GetAlign() const { return mAlign; }
    void SetAlign(TAlign align) { mAlign = align; }
    TStyle GetStyle() const { return mStyle; }
    void SetStyle(TStyle style) { mStyle = style; }
    TLayoutStyle GetLayoutStyle() const { return mLayout; }
    void SetLayoutStyle(TLayoutStyle layout) { mLayout = layout; }
    // The gadget's own font, or null: the window's.
    void SetFont(HFONT font) { mFont = font; }
    HFONT GetFont() const;
    UINT GetNumChars() const { return mNumChars; }
    // Flag word of the framework: bit 4 (16) makes enablers leave the text.
    UINT GetFlags() const { return mFlags; }
    void SetFlags(UINT flags) { mFlags = flags; }
    // The text's extent in the gadget's font.
    TSize GetTextSize() const;

protected:
    std::u16string mText;
    TAlign mAlign = Center;
    TStyle mStyle;
    TLayoutStyle mLayout = lTextRight;
    HFONT mFont = nullptr;
    UINT mNumChars;
    UINT mFlags = 0;
};

} // namespace OWL

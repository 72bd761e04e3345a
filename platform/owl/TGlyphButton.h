#pragma once
// A push button that shows glyphs beside its caption and paints itself: a
// border (TUIBorder), a default frame, the face with glyph and caption, and a
// focus rectangle, each a virtual step that a derived button may replace.
//
// The button keeps its state in a word of bits (IsSet, Set, Clear):
// 0x01 pressed, 0x02 focus, 0x04 default, 0x08 disabled, 0x10 show the caption,
// 0x20 show the glyph, 0x100 a pressed glyph is present, 0x200 a disabled glyph
// is present. A click (press and release inside, or Space) sends WM_COMMAND
// (id, BN_CLICKED) to the parent. Made new, it is a window of the framework's
// own class; as an alias of a dialog's button it takes over that button's
// painting and mouse.
//
// Glyphs are cels 0 (normal), 1 (pressed) and 2 (disabled), owned by the
// button. LayoutTextGlyph places the glyph left of the caption, 4 pixels
// apart, the two centred as a group in the face; the caption's rectangle is
// the text's height, centred vertically within the face.

#include <memory>

#include "platform/owl/TBitmap.h"
#include "platform/owl/TButton.h"
#include "platform/owl/TDC.h"

namespace OWL {

class TGlyphButton : public TButton {
public:
    enum TGlyphType { gtUp = 0, gtSelected = 1, gtDisabled = 2 };
    static constexpr UINT biPushed = 0x01;
    static constexpr UINT biFocus = 0x02;
    static constexpr UINT biDefault = 0x04;
    static constexpr UINT biDisabled = 0x08;
    static constexpr UINT biShowText = 0x10;
    static constexpr UINT biShowGlyph = 0x20;
    static constexpr UINT biGlyphSelected = 0x100;
    static constexpr UINT biGlyphDisabled = 0x200;

    TGlyphButton(TWindow* parent, int id, LPCWSTR text, int x, int y, int w, int h, int type = 0,
                 bool isDefault = false, TModule* module = nullptr);
    TGlyphButton(TWindow* parent, int resourceId, int type = 0, TModule* module = nullptr);
    ~TGlyphButton() override;

    bool IsSet(UINT bits) const { return (mState & bits) != 0; }
    void Set(UINT bits) { mState |= bits; }
    void Clear(UINT bits) { mState &= ~bits; }
    int GetType() const { return mType; }

    // Takes the bitmap as the glyph of that kind (null removes it).
    void SetGlyph(TBitmap* bitmap, TGlyphType type = gtUp);
    // The glyph of a cel (0 normal, 1 pressed, 2 disabled); null when none.
    TBitmap* GetGlyph(int cel) const;
    // The size of a glyph's cel (the normal glyph's); empty without one.
    TSize GetCelSize() const;

    void Paint(TDC& dc, bool erase, TRect& rect) override;
    // The border; face becomes the rectangle inside it.
    virtual void PaintFrame(TDC& dc, TRect& face);
    virtual void PaintDefaultRect(TDC& dc, TRect& face);
    virtual void PaintFace(TDC& dc, const TRect& face);
    virtual void PaintFocusRect(TDC& dc, const TRect& face);
    virtual void LayoutTextGlyph(const TRect& face, const TSize& text, const TSize& glyph, TRect& textRect,
                                 TRect& glyphRect) const;

    void EvLButtonDown(UINT modKeys, const TPoint& point);
    void EvLButtonUp(UINT modKeys, const TPoint& point);
    void EvMouseMove(UINT modKeys, const TPoint& point);
    void EvKeyDown(UINT key, UINT repeat, UINT flags);
    void EvKeyUp(UINT key, UINT repeat, UINT flags);
    void EvSetFocus(HWND losing);
    void EvKillFocus(HWND gaining);
    void EvCancelMode();
    LRESULT EvEnable(WPARAM enabled, LPARAM);
    LRESULT EvGetFont(WPARAM, LPARAM);
    LRESULT EvSetFont(WPARAM font, LPARAM redraw);
    LRESULT EvSetState(WPARAM pushed, LPARAM);
    LRESULT EvGetState(WPARAM, LPARAM);
    LRESULT EvGetDlgCode(WPARAM, LPARAM);
    bool EvEraseBkgnd(HDC) { return true; }

    DECLARE_RESPONSE_TABLE(TGlyphButton);

protected:
    void SetupWindow() override;
    LPCWSTR GetClassName() const override { return TWindow::GetClassName(); }
    // Sends the parent WM_COMMAND (id, BN_CLICKED).
    void NotifyClicked();

private:
    UINT mState = biShowText;
    int mType;
    std::unique_ptr<TBitmap> mGlyphs[3];
    HFONT mFont = nullptr;
};

} // namespace OWL

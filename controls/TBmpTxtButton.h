#pragma once
// A push button with a small glyph beside its caption, drawn in the visual
// style when a theme can be opened (classic three-dimensional otherwise). It
// is hot while the mouse is over it, and with a tip text a plain pop-up shows
// that text 500 ms after the mouse came to rest on it, for 5 seconds, until
// the mouse leaves or a button or key is pressed. A click reaches the parent
// as WM_COMMAND (id, BN_CLICKED), only when released over the button; a
// toggle button (toggle mode 1) flips its state on every release.

#include <memory>

#include "controls/Popup.h"
#include "core/String.h"
#include "platform/owl/TGlyphButton.h"
#include "platform/theme/uxtheme.h"

namespace OvoControls {

class TBmpTxtButton : public OWL::TGlyphButton {
public:
    // A new button at an empty rectangle (the owner places it).
    TBmpTxtButton(OWL::TWindow* parent, int id, LPCWSTR text, OWL::TModule* module = nullptr);
    // An alias of a dialog's button.
    enum FromResource { kFromResource };
    TBmpTxtButton(OWL::TWindow* parent, FromResource, int resourceId, OWL::TModule* module = nullptr);
    ~TBmpTxtButton() override;

    // The glyph from a bitmap resource of the library, its light grey mapped
    // to the button face.
    void SetGlyphBitmap(int resourceId);
    void SetTipText(const Ovo::String& text) { mTipText = text; }
    void SetToggleMode(int mode) { mToggleMode = mode; }
    void SetParentBrushBackground(bool parentBrush) { mParentBrushBackground = parentBrush; }

    bool IsClassic() const { return mClassic; }
    bool IsHot() const { return mHot; }
    int ToggleOn() const { return mToggleOn; }
    Ovo::Popup* TipPopup() const { return mTipPopup.get(); }
    // The theme state the face was last painted in (0 before a themed paint).
    int PaintedThemeState() const { return mPaintedState; }

    void PaintFrame(OWL::TDC& dc, OWL::TRect& face) override;
    void PaintDefaultRect(OWL::TDC& dc, OWL::TRect& face) override;
    void PaintFace(OWL::TDC& dc, const OWL::TRect& face) override;
    void PaintFocusRect(OWL::TDC& dc, const OWL::TRect& face) override;
    virtual void PaintClassicFace(OWL::TDC& dc, const OWL::TRect& face);

    void EvMouseMove(UINT modKeys, const OWL::TPoint& point);
    void EvLButtonDown(UINT modKeys, const OWL::TPoint& point);
    void EvLButtonUp(UINT modKeys, const OWL::TPoint& point);
    void EvKeyUp(UINT key, UINT repeat, UINT flags);
    void EvKeyDown(UINT key, UINT repeat, UINT flags);
    void EvMouseLeave();
    void EvTimer(UINT_PTR id);
    void EvThemeChanged();
    void EvRButtonDown(UINT modKeys, const OWL::TPoint& point);
    void EvMButtonDown(UINT modKeys, const OWL::TPoint& point);
    void EvCancelMode();
    void EvKillFocus(HWND gaining);
    LRESULT EvEnable(WPARAM enabled, LPARAM);

    DECLARE_RESPONSE_TABLE(TBmpTxtButton);

protected:
    void SetupWindow() override;

private:
    void OpenTheme();
    void EnterHot();
    void LeaveHot();
    void EndTip();
    bool Pressed() const { return IsSet(biPushed); }
    void Unpress();
    void DrawGlyphAndCaption(OWL::TDC& dc, const OWL::TRect& face, bool themed);
    void DrawDisabledGlyph(OWL::TDC& dc, OWL::TBitmap& glyph, const OWL::TRect& at);

    HTHEME mTheme = nullptr;
    bool mClassic = false;
    bool mHot = false;
    bool mClicked = false;
    bool mFocusCue = false;
    bool mTrackingLeave = false;
    const char16_t* mThemeClass = u"BUTTON";
    Ovo::String mTipText;
    std::unique_ptr<Ovo::Popup> mTipPopup;
    bool mTipShown = false;
    UINT_PTR mTipTimer = 0;
    int mTipElapsed = 0;
    int mToggleMode = 0;
    int mToggleOn = 0;
    int mTipDuration = 5000;
    bool mParentBrushBackground = false;
    int mPaintedState = 0;
};

} // namespace OvoControls

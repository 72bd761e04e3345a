#pragma once
// A window of gadgets laid out in a row (a toolbar). It paints each gadget
// with the viewport at the gadget's origin, routes the mouse to the gadget
// under it (or to the one that captured it), tells gadgets when the mouse
// enters and leaves them, and runs their command enabling in IdleAction.
// A gadget with a tip text gets a tooltip below the pointer once the pointer
// has rested on it for the double-click time; leaving the gadget or the
// window, or pressing a button, hides it.

#include <memory>
#include <vector>

#include "platform/owl/TFont.h"
#include "platform/owl/TGadget.h"
#include "platform/owl/TWindow.h"

namespace OWL {

class TGadgetWindow : public TWindow {
public:
    enum TPlacement { Before = 0, After = 1 };

    TGadgetWindow(TWindow* parent = nullptr, TModule* module = nullptr);
    ~TGadgetWindow() override;

    // The window takes the gadget; with no sibling it goes first (Before) or
    // last (After).
    void Insert(TGadget& gadget, TPlacement placement = After, TGadget* sibling = nullptr);
    // Takes the gadget out; the caller owns it again.
    TGadget* Remove(TGadget& gadget);
    const std::vector<TGadget*>& Gadgets() const { return mGadgets; }
    TGadget* GadgetWithId(int id) const;
    // The visible gadget at a client point, or null.
    TGadget* GadgetFromPoint(const TPoint& point) const;
    // Places the gadgets in a row from the margin: each at its desired size.
    virtual void LayoutSession();
    // The size the gadgets need, margins included.
    TSize GetDesiredSize();

    // Bit 0: flat buttons (borders only while pressed).
    static UINT GetFlatStyle() { return sFlatStyle; }
    static void SetFlatStyle(UINT style) { sFlatStyle = style; }
    HFONT GetFont() const { return mFont->GetHandle(); }

    // Command enabling of every gadget; false (no more idle work).
    bool IdleAction(long idleCount);
    // The gadget wants every mouse message until it releases.
    void GadgetSetCapture(TGadget& gadget);
    void GadgetReleaseCapture(TGadget& gadget);
    TGadget* GadgetWithCapture() const { return mCapture; }
    // A gadget was activated: WM_COMMAND with its id to the parent window.
    virtual void GadgetActivated(TGadget& gadget);

    void Paint(TDC& dc, bool erase, TRect& rect) override;

    // The tooltip window, once a tip has been shown (it is then kept, hidden
    // between tips).
    HWND TipWindow() const { return mTip; }

    void EvMouseMove(UINT modKeys, const TPoint& point);
    void EvMouseLeave();
    void EvTimer(UINT_PTR id);
    void EvLButtonDown(UINT modKeys, const TPoint& point);
    void EvLButtonUp(UINT modKeys, const TPoint& point);
    // A second quick press counts as a press.
    void EvLButtonDblClk(UINT modKeys, const TPoint& point) { EvLButtonDown(modKeys, point); }
    void EvRButtonDown(UINT modKeys, const TPoint& point);
    void EvRButtonUp(UINT modKeys, const TPoint& point);
    void EvSysColorChange();

    DECLARE_RESPONSE_TABLE(TGadgetWindow);

protected:
    void SetupWindow() override;
    void ShowTip();
    void HideTip();
    static TPoint Local(const TGadget& g, const TPoint& p) {
        return TPoint(p.x - g.GetBounds().left, p.y - g.GetBounds().top);
    }

    std::vector<TGadget*> mGadgets;
    std::unique_ptr<TFont> mFont;
    TGadget* mCapture = nullptr;
    TGadget* mAtMouse = nullptr;
    TGadget* mTipGadget = nullptr; // the gadget whose tip is due or shown
    HWND mTip = nullptr;
    bool mTracking = false;
    int mMargin = 2;
    static inline UINT sFlatStyle = 1;
};

} // namespace OWL

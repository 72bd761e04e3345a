#pragma once
// A gadget: a part of a gadget window (a toolbar) that has bounds, paints
// itself and answers the mouse, without a window of its own. The virtual
// operations keep the framework's slot order, which the themed gadgets
// extend: 0 destructor, 1 SetEnabled, 2 GetDesiredSize, 3 SetBounds,
// 4 IdleAction, 5 CommandEnable, 6 SysColorChange, 7 Created, 8 Inserted,
// 9 Moved, 10 Removed, 11 PtIn, 12 Paint, 13 PaintBorder, 14 MouseEnter,
// 15 MouseMove, 16 MouseLeave, 17 LButtonDown, 18 RButtonDown, 19 LButtonUp,
// 20 RButtonUp. Points given to a gadget are relative to its bounds; it
// paints in its own coordinates (the window moves the viewport to its origin).

#include <string>
#include <utility>

#include "platform/owl/TCommandEnabler.h"
#include "platform/owl/TDC.h"

namespace OWL {

class TGadgetWindow;

class TGadget {
public:
    explicit TGadget(int id = 0);
    virtual ~TGadget();
    TGadget(const TGadget&) = delete;
    TGadget& operator=(const TGadget&) = delete;

    virtual void SetEnabled(bool enabled);
    virtual void GetDesiredSize(TSize& size);
    virtual void SetBounds(const TRect& bounds);
    virtual bool IdleAction(long idleCount);
    virtual void CommandEnable() {}
    virtual void SysColorChange() {}
    virtual void Created() {}
    virtual void Inserted() {}
    virtual void Moved() {}
    virtual void Removed() {}
    virtual bool PtIn(const TPoint& point);
    virtual void Paint(TDC& dc);
    virtual void PaintBorder(TDC& dc);
    virtual void MouseEnter(UINT modKeys, const TPoint& point) {}
    virtual void MouseMove(UINT modKeys, const TPoint& point) {}
    virtual void MouseLeave(UINT modKeys, const TPoint& point) {}
    virtual void LButtonDown(UINT modKeys, const TPoint& point) {}
    virtual void RButtonDown(UINT modKeys, const TPoint& point) {}
    virtual void LButtonUp(UINT modKeys, const TPoint& point) {}
    virtual void RButtonUp(UINT modKeys, const TPoint& point) {}

    int GetId() const { return mId; }
    TGadgetWindow* GetGadgetWindow() const { return mWindow; }
    const TRect& GetBounds() const { return mBounds; }
    bool GetEnabled() const { return mEnabled; }
    bool IsVisible() const { return mVisible; }
    void SetVisible(bool visible) { mVisible = visible; }
    void SetShrinkWrap(bool width, bool height) {
        mShrinkWrapWidth = width;
        mShrinkWrapHeight = height;
    }
    bool GetShrinkWrapWidth() const { return mShrinkWrapWidth; }
    bool GetShrinkWrapHeight() const { return mShrinkWrapHeight; }
    // The inner rectangle: the bounds (in gadget coordinates) less the borders.
    TRect GetInnerRect() const;
    // The border widths on each side.
    const TRect& Borders() const { return mBorders; }
    // Space between the borders and the content on each side (left, top,
    // right, bottom), counted in the desired size and the inner rectangle.
    const TRect& Margins() const { return mMargins; }
    void SetMargins(const TRect& margins) { mMargins = margins; }
    // The text the gadget window's tooltip shows over the gadget; none when empty.
    const std::u16string& GetTipText() const { return mTipText; }
    void SetTipText(std::u16string text) { mTipText = std::move(text); }
    void Invalidate(bool erase = true) const;

protected:
    friend class TGadgetWindow;
    TGadgetWindow* mWindow = nullptr;
    int mId;
    TRect mBounds;
    // Borders and margins together across (cx) and down (cy).
    TSize FrameSize() const;

    TRect mBorders{2, 2, 2, 2}; // left, top, right, bottom
    TRect mMargins{0, 0, 0, 0};
    std::u16string mTipText;
    bool mEnabled = true;
    bool mVisible = true;
    bool mShrinkWrapWidth = true;
    bool mShrinkWrapHeight = true;
};

} // namespace OWL

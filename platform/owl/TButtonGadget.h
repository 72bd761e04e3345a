#pragma once
// A button gadget: a glyph from a bitmap resource on a raised face that sinks
// while pressed; in the flat style the face is raised only while the pointer
// is over an enabled button. Pressing captures the mouse for the gadget; releasing over it
// activates it: a command button sends WM_COMMAND with its id to the gadget
// window's parent, a non-exclusive one toggles between up and down first, an
// exclusive one goes down. Slots 21 to 27 follow TGadget's: PaintFace,
// GetGlyphDib, ReleaseGlyphDib, BuildCelArray, BeginPressed, CancelPressed,
// Activate.

#include "platform/owl/TGadget.h"

namespace OWL {

class TButtonGadget : public TGadget {
public:
    enum TType { Command = 0, Exclusive = 1, NonExclusive = 2 };
    enum TState { Up = 0, Down = 1, Indeterminate = 2 };

    TButtonGadget(int glyphResourceId, int id, TType type = Command, bool enabled = true, TState state = Up,
                  bool sharedGlyph = false);

    void GetDesiredSize(TSize& size) override;
    void CommandEnable() override;
    void Paint(TDC& dc) override;
    void PaintBorder(TDC& dc) override;
    void LButtonDown(UINT modKeys, const TPoint& point) override;
    void MouseEnter(UINT modKeys, const TPoint& point) override;
    void MouseMove(UINT modKeys, const TPoint& point) override;
    void MouseLeave(UINT modKeys, const TPoint& point) override;
    void LButtonUp(UINT modKeys, const TPoint& point) override;

    virtual void PaintFace(TDC& dc, const TRect& rect);
    // The glyph bitmap, loaded from the window's module on first need; null
    // when there is none.
    virtual HBITMAP GetGlyphDib();
    virtual void ReleaseGlyphDib();
    virtual void BuildCelArray() {}
    virtual void BeginPressed(const TPoint& point);
    virtual void CancelPressed(const TPoint& point, bool mouseUp = false);
    virtual void Activate(const TPoint& point);

    TType GetButtonType() const { return mType; }
    TState GetButtonState() const { return mState; }
    void SetButtonState(TState state);
    bool IsPressed() const { return mPressed; }
    int GetGlyphResourceId() const { return mGlyphResourceId; }
    // Checks from command enablers are ignored when set.
    void SetIgnoreCheck(bool ignore) { mIgnoreCheck = ignore; }
    bool IgnoresCheck() const { return mIgnoreCheck; }
    // Moves the face by (1, 1) while pressed.
    bool OffsetsFaceWhenPressed() const { return mOffsetWhenPressed; }

protected:
    int mGlyphResourceId;
    TType mType;
    TState mState;
    bool mPressed = false;
    bool mPointerOver = false;
    bool mSharedGlyph;
    bool mIgnoreCheck = false;
    bool mOffsetWhenPressed = true;
    HBITMAP mGlyph = nullptr;
};

// The enabler a button gadget sends: Enable enables the gadget, SetCheck sets
// its state unless it ignores checks.
class TButtonGadgetEnabler : public TCommandEnabler {
public:
    TButtonGadgetEnabler(HWND receiver, TButtonGadget& gadget);
    void Enable(bool enable = true) override;
    void SetCheck(int state) override;

protected:
    TButtonGadget& mGadget;
};

} // namespace OWL

#pragma once
// A scroll bar control: a TWindow over the system "ScrollBar" class, with its
// range, position and page, and one handler per scroll action. A
// WM_HSCROLL or WM_VSCROLL from the bar reaches this object through the
// parent (TWindow passes it on) and EvHScroll/EvVScroll call the handler of
// its action code. The handlers move the position by LineMagnitude or
// PageMagnitude, to the thumb's position, or to an end of the range; a
// class overrides them to scroll something else instead.

#include "platform/owl/TWindow.h"
#include "platform/user/scrollbar.h"

namespace OWL {

class TScrollBar : public TWindow {
public:
    // Style WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP and SBS_HORZ or
    // SBS_VERT; a breadth of 0 takes the system's (SM_CYHSCROLL, SM_CXVSCROLL).
    TScrollBar(TWindow* parent, int id, int x, int y, int w, int h, bool isHScrollBar,
               TModule* module = nullptr);
    // An alias over an existing scroll bar.
    explicit TScrollBar(HWND handle, TModule* module = nullptr) : TWindow(handle, module) {}

    void GetRange(int& minimum, int& maximum) const;
    int GetPosition() const;
    void SetRange(int minimum, int maximum, bool redraw = true);
    // The position, kept within the range.
    void SetPosition(int position, bool redraw = true);
    // Moves the position by delta within the range; the change made.
    int DeltaPos(int delta);
    // info->fMask says what is read; cbSize is set here.
    void GetScrollInfo(SCROLLINFO* info, UINT mask) const;
    void SetScrollInfo(SCROLLINFO* info, bool redraw = true);

    // The actions, in this order.
    virtual void SBLineUp();
    virtual void SBLineDown();
    virtual void SBPageUp();
    virtual void SBPageDown();
    virtual void SBThumbPosition(int thumbPos);
    virtual void SBThumbTrack(int thumbPos);
    virtual void SBTop();
    virtual void SBBottom();
    virtual void SBEndScroll() {}

    void EvHScroll(UINT code, UINT thumbPos, HWND bar);
    void EvVScroll(UINT code, UINT thumbPos, HWND bar);

    int LineMagnitude = 1;
    int PageMagnitude = 10;

    DECLARE_RESPONSE_TABLE(TScrollBar);

protected:
    LPCWSTR GetClassName() const override { return u"ScrollBar"; }
    // Calls the handler of a WM_HSCROLL/WM_VSCROLL action code.
    void Dispatch(UINT code, UINT thumbPos);
};

} // namespace OWL

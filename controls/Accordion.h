#pragma once
// A collapsible pane: a header with the window's text as its title, an
// optional status icon (done or error) and a down chevron, over a content
// window the parent hands over when the pane opens. A click on the header
// opens or closes the pane with a 120 ms height animation; the parent hears
// of each step through WM_NOTIFY (AccordionNotify) to lay its panes out, and
// supplies the content at 0x8002. A closed pane owns no content window.
//
// Messages: WM_USER+1 lays an open pane out again (content size changed),
// WM_USER+2 (title, text) sets the error balloon's texts (a null one clears
// the error), WM_USER+3 (done) marks the step done.

#include <memory>
#include <string>

#include "platform/atl/CWindowImpl.h"
#include "platform/gdiplus/gdiplus.h"

namespace OvoControls {

// The record of the accordion's WM_NOTIFY (wParam: its control id).
struct AccordionNotify {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
    HWND content; // 0x8002: the parent puts the content window here
};

class Accordion : public ATL::CWindowImpl<Accordion, ATL::CWindow, ATL::CWinTraits<0x56000000, 0x10000>> {
public:
    static constexpr UINT kRelayout = 0x0401;
    static constexpr UINT kSetTexts = 0x0402;
    static constexpr UINT kSetDone = 0x0403;
    static constexpr UINT kStepped = 0x8001;
    static constexpr UINT kExpanding = 0x8002;
    static constexpr UINT kCollapsing = 0x8003;
    static constexpr UINT_PTR kAnimationTimer = 0x71;
    static constexpr DWORD kAnimationMs = 120;
    enum AnimState { kCollapsed = 0, kExpandingState = 1, kExpanded = 2, kCollapsingState = 3 };

    Accordion();
    ~Accordion() override;

    BEGIN_MSG_MAP(Accordion)
    MESSAGE_HANDLER(WM_CREATE, OnCreate)
    MESSAGE_HANDLER(WM_NCDESTROY, OnNcDestroy)
    MESSAGE_HANDLER(WM_ERASEBKGND, OnEraseBackground)
    MESSAGE_HANDLER(WM_PAINT, OnPaint)
    MESSAGE_HANDLER(WM_LBUTTONUP, OnLButtonUp)
    MESSAGE_HANDLER(WM_LBUTTONDBLCLK, OnLButtonDblClk)
    MESSAGE_HANDLER(WM_MOUSEMOVE, OnMouseMove)
    MESSAGE_HANDLER(WM_MOUSELEAVE, OnMouseLeave)
    MESSAGE_HANDLER(WM_TIMER, OnTimer)
    MESSAGE_HANDLER(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
    MESSAGE_HANDLER(WM_SIZE, OnSize)
    MESSAGE_HANDLER(kRelayout, OnRelayout)
    MESSAGE_HANDLER(kSetTexts, OnSetTexts)
    MESSAGE_HANDLER(kSetDone, OnSetFlag)
    END_MSG_MAP()

    // Opens or closes the pane as a click on its header does; nothing when it is in that state.
    void Expand(bool open) { SetExpanded(open); }

    int State() const { return mAnimState; }
    bool IsExpanded() const { return mExpanded; }
    bool IsDone() const { return mDone; }
    bool HasError() const { return mError; }
    bool IsHot() const { return mHot; }
    HWND Content() const { return mContent; }
    int HeaderHeight() const { return mHeaderHeight; }
    RECT HeaderRect() const;

protected:
    LRESULT OnCreate(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnNcDestroy(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnEraseBackground(UINT, WPARAM, LPARAM, BOOL&) { return 1; }
    LRESULT OnPaint(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnLButtonUp(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnLButtonDblClk(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnMouseMove(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnMouseLeave(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnTimer(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnWindowPosChanging(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnRelayout(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnSetTexts(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnSetFlag(UINT, WPARAM, LPARAM, BOOL&);

private:
    void SetExpanded(bool expand);
    void StartAnimation();
    UINT Notify(UINT code, HWND* content = nullptr);
    int Margin() const;
    Gdiplus::Bitmap* StatusIcon();
    RECT IconRect(Gdiplus::Bitmap& icon, int left) const;
    void InvalidateHeader(bool erase);
    void PaintHeader(HDC dc, bool hot);
    void PaintBody(HDC dc);
    void ShowErrorBalloon(const RECT& screenIcon);
    int ClientHeight() const;

    int mAnimState = kCollapsed;
    bool mExpanded = false;
    bool mEatNextUp = false;
    bool mPaintedHot = false;
    bool mHot = false;
    int mCollapsedHeight = 0;
    int mStartHeight = 0;
    int mTargetHeight = 0;
    int mHeaderHeight = 0;
    int mWidth = 0;
    DWORD mAnimStart = 0;
    bool mDone = false;
    bool mError = false;
    std::unique_ptr<Gdiplus::Bitmap> mDoneIcon;
    std::unique_ptr<Gdiplus::Bitmap> mChevron;
    std::unique_ptr<Gdiplus::Bitmap> mErrorIcon;
    POINT mLastMouse{-1, -1};
    RECT mBalloonRect{0, 0, 0, 0};
    HFONT mTitleFont = nullptr;
    HWND mContent = nullptr;
    std::u16string mErrorTitle;
    std::u16string mErrorText;
};

} // namespace OvoControls

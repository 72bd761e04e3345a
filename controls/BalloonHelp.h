#pragma once
// A balloon: a pop-up with a stem pointing at an anchor on the screen, an
// optional icon, a bold title, an optional close button, a body text and an
// optional link. It closes on the mouse and key events its options name,
// after an optional time-out or when the application is deactivated, and
// may delete itself when its window goes. It is drawn through the theme
// (TOOLTIP and TEXTSTYLE) when buffered theming is available, plainly
// otherwise.
//
// Options: 0x1 close button, 0x2 inner shadow (plain drawing), 0x4 topmost
// tool window, 0x8 / 0x10 / 0x20 close on a left / middle / right press,
// 0x40 / 0x80 / 0x100 on a release, 0x200 when the mouse moves away
// (IsNearLaunchPoint), 0x400 on a key, 0x800 on deactivation, 0x1000 delete
// the object with its window, 0x2000 / 0x4000 never fade in / out, 0x8000
// not shown at launch, 0x10000 move the whole stem with the anchor when
// shifted onto the monitor, 0x20000 the window's own rectangle counts as
// near, 0x40000 a clickable link, 0x80000 (CBalloonHelpEx) the near rectangle.
//
// Layout flags: 0x2 icon at the right of the title row, 0x1 at the left with
// the title after it; 0x1000 close button at the left, 0x2000 at the right;
// 0x200 / 0x400 title centred / right; 0x20 / 0x40 body and link centred /
// right. The default 0x2111: icon left, close button right, texts left.

#include <functional>
#include <memory>
#include <string>

#include "controls/BalloonFrame.h"
#include "controls/ThemeHandle.h"
#include "platform/atl/CWindowImpl.h"
#include "platform/user/imagelist_api.h"

namespace WTL {

class CBalloonHelp : public ATL::CWindowImpl<CBalloonHelp, ATL::CWindow, ATL::CWinTraits<0x56000000, 0>> {
public:
    static constexpr DWORD kCloseButton = 0x1;
    static constexpr DWORD kShadow = 0x2;
    static constexpr DWORD kTopmost = 0x4;
    static constexpr DWORD kCloseOnLeftDown = 0x8;
    static constexpr DWORD kCloseOnMiddleDown = 0x10;
    static constexpr DWORD kCloseOnRightDown = 0x20;
    static constexpr DWORD kCloseOnLeftUp = 0x40;
    static constexpr DWORD kCloseOnMiddleUp = 0x80;
    static constexpr DWORD kCloseOnRightUp = 0x100;
    static constexpr DWORD kCloseOnMouseMove = 0x200;
    static constexpr DWORD kCloseOnKey = 0x400;
    static constexpr DWORD kCloseOnDeactivate = 0x800;
    static constexpr DWORD kDeleteThisOnClose = 0x1000;
    static constexpr DWORD kNoFadeIn = 0x2000;
    static constexpr DWORD kNoFadeOut = 0x4000;
    static constexpr DWORD kNoShow = 0x8000;
    static constexpr DWORD kMoveWholeStem = 0x10000;
    static constexpr DWORD kWindowIsNear = 0x20000;
    static constexpr DWORD kClickableLink = 0x40000;
    static constexpr DWORD kUseNearRect = 0x80000;
    static constexpr DWORD kDefaultLayout = 0x2111;

    CBalloonHelp();
    ~CBalloonHelp() override;

    BEGIN_MSG_MAP(CBalloonHelp)
    MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
    MESSAGE_HANDLER(WM_ERASEBKGND, OnEraseBackground)
    MESSAGE_HANDLER(WM_PAINT, OnPaint)
    MESSAGE_HANDLER(WM_NCPAINT, OnNcPaint)
    MESSAGE_HANDLER(WM_NCCALCSIZE, OnNcCalcSize)
    MESSAGE_HANDLER(WM_NCHITTEST, OnNcHitTest)
    MESSAGE_HANDLER(WM_CAPTURECHANGED, OnCaptureChanged)
    MESSAGE_HANDLER(WM_MOUSEMOVE, OnMouseMove)
    MESSAGE_HANDLER(WM_LBUTTONDOWN, OnLButtonDown)
    MESSAGE_HANDLER(WM_LBUTTONUP, OnLButtonUp)
    MESSAGE_HANDLER(WM_MOUSEACTIVATE, OnMouseActivate)
    MESSAGE_HANDLER(WM_TIMER, OnTimer)
    MESSAGE_HANDLER(WM_ACTIVATEAPP, OnActivateApp)
    MESSAGE_HANDLER(WM_PRINT, OnPrint)
    MESSAGE_HANDLER(WM_THEMECHANGED, OnThemeChanged)
    MESSAGE_HANDLER(WM_SYSCOLORCHANGE, OnThemeChanged)
    END_MSG_MAP()

    void OnFinalMessage(HWND) override;

    // Null texts count as empty; anchor null keeps the anchor set before.
    // 1, or 0 when the window cannot be made.
    virtual int Open(HWND parent, LPCWSTR title, LPCWSTR body, const POINT* anchor, DWORD options,
                     LPCWSTR url, UINT timeout, DWORD layout);
    // The client size: the wider of title row and content, and title row +
    // 8 + content high.
    virtual SIZE MeasureContent(HDC dc);
    virtual bool IsNearLaunchPoint(POINT screen);

    // The icon: an icon's picture, or a bitmap through a mask colour, or an
    // icon resource of a module (null: the system's), 16 x 16 on the
    // balloon's background as ReducedIcon makes it.
    void SetIconImage(HICON icon);
    void SetIconImage(HBITMAP bitmap, COLORREF maskColour);
    void SetIconImage(HINSTANCE module, LPCWSTR iconName);
    // The icon drawn at 32 x 32 over the background and reduced to 16 x 16
    // with HALFTONE stretching: a new bitmap, null without an icon.
    static HBITMAP ReducedIcon(HICON icon, COLORREF background);
    void SetAnchorPoint(POINT screen);
    // The anchor follows a window: its window rectangle's top-left plus the
    // offset, laid out again whenever a window move changes that point.
    void SetAnchorWindow(HWND window, POINT offset);
    void AnchorAtWindowCentre(HWND window);
    void SetLink(LPCWSTR text, std::function<void()> callback);
    void SetMouseTolerance(int pixels) { mTolerance = pixels; }
    void Close();

    // What tests and callers look at.
    DWORD Options() const { return mOptions; }
    int Quadrant() const { return mQuadrant; }
    const POINT (&Stem() const)[3] { return mStem; }
    const RECT& LinkRect() const { return mLinkRect; }
    const RECT& CloseRect() const { return mCloseRect; }
    POINT AnchorPoint() const;
    COLORREF BackgroundColour() const;
    COLORREF BorderColour() const;

    // The hooks' handlers.
    void OnMouseHook(UINT message, POINT screen);
    void OnKeyHook(WPARAM key, LPARAM data);
    void OnWindowMoved();

protected:
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnEraseBackground(UINT, WPARAM, LPARAM, BOOL&) { return 1; }
    LRESULT OnPaint(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnNcPaint(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnNcCalcSize(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnCaptureChanged(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnMouseMove(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnLButtonDown(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnLButtonUp(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnMouseActivate(UINT, WPARAM, LPARAM, BOOL&) { return MA_NOACTIVATE; }
    // The margin around the content answers as client area, so a release
    // anywhere on the balloon reaches the client handlers.
    LRESULT OnNcHitTest(UINT, WPARAM, LPARAM, BOOL&) { return HTCLIENT; }
    LRESULT OnTimer(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnActivateApp(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnPrint(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnThemeChanged(UINT, WPARAM, LPARAM, BOOL&);

    // Lays the window out and places it, when it exists.
    void PositionWindow();
    void RefreshBalloonThemes();
    RECT WorkArea();
    bool Themed() const;

    DWORD mOptions = 3;
    UINT mTimeout = 0;
    int mTolerance = 3;
    HFONT mTitleFont = nullptr;
    HFONT mBodyFont = nullptr;
    DWORD mBorderColour = 0x80000017;
    DWORD mBackgroundColour = 0x80000018;
    std::u16string mBody;
    std::u16string mLinkText;
    std::u16string mUrl;
    POINT mAnchor{0, 0};
    POINT mAnchorOffset{0, 0};
    HWND mAnchorWindow = nullptr;
    RECT mWorkArea{0, 0, 0, 0};
    HIMAGELIST mIcon = nullptr;
    POINT mLaunchCursor{0, 0};
    UINT mCloseState = 0;
    HRGN mRegion = nullptr;
    DWORD mLayout = kDefaultLayout;
    RECT mLinkRect{0, 0, 0, 0};
    std::function<void()> mLinkCallback;
    ThemeHandle mTooltipTheme{nullptr, u"TOOLTIP"};
    ThemeHandle mTextTheme{nullptr, u"TEXTSTYLE"};
    SIZE mCloseSize{14, 14};

private:
    struct Rows;
    Rows Measure(HDC dc);
    void PaintContent(HDC dc);
    void PaintFrame(HDC dc);
    void ShowBalloon();
    void InstallHooks();
    void RemoveHooks();
    void SetCloseState(UINT state);
    void RecheckHot(POINT client);
    SIZE IconSize() const;

    int mQuadrant = 0;
    POINT mStem[3]{};
    BalloonFrame mFrame;
    RECT mCloseRect{0, 0, 0, 0};
    bool mLinkPressed = false;
    bool mClosing = false;
    bool mMouseHook = false;
    bool mKeyHook = false;
    bool mMoveHook = false;
    POINT mLaidOutAnchor{0, 0};
};

// A balloon with a minimum client width and a "near" rectangle (screen) that
// option 0x80000 uses for IsNearLaunchPoint.
class CBalloonHelpEx : public CBalloonHelp {
public:
    SIZE MeasureContent(HDC dc) override;
    bool IsNearLaunchPoint(POINT screen) override;

    void SetNearRect(const RECT& rect) { mNear = rect; }
    void SetMinimumWidth(int width) { mMinimumWidth = width; }

private:
    RECT mNear{0, 0, 0, 0};
    int mMinimumWidth = 0;
};

} // namespace WTL

// A balloon at a dialog control, explaining why it was refused: anchored at
// a check box's top-left plus (7, 7) or else the centre of the control, with
// the system warning icon, closing on presses, moves, keys and deactivation,
// deleting itself. Null when it could not be opened (nothing is left behind).
WTL::CBalloonHelp* ShowBalloonAtControl(HWND control, LPCWSTR title, LPCWSTR text);
// The texts are string-table entries of the module, host identity substituted.
WTL::CBalloonHelp* ShowBalloonStringAtControl(HWND control, UINT titleId, UINT textId);
// A step message's caption as the title and its text as the body (any type
// with Caption() and Message() giving strings with c_str()).
template <class Message> WTL::CBalloonHelp* ShowBalloonFormattedAtControl(HWND control, Message message) {
    return ShowBalloonAtControl(control, message.Caption().c_str(), message.Message().c_str());
}
// Class "Button" (read into 64 characters) with style bit 0x2.
bool IsCheckBoxControl(HWND control);

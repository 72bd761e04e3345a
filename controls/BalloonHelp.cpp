#include "controls/BalloonHelp.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "controls/UxThemeDLL.h"
#include "core/ResourceStrings.h"
#include "core/XOvo.h"
#include "module/ModuleInstance.h"
#include "platform/gdi/gdi.h"
#include "platform/owl/TXOwl.h"
#include "platform/shell/shellapi.h"
#include "platform/user/user.h"
#include "platform/win32/modules.h"

namespace WTL {
namespace {

constexpr int kStemBand = 20; // the non-client band on the stem's side
constexpr int kMargin = 8;    // the non-client band around the content, inside the outline
constexpr int kRowGap = 8;    // between the title row and the content, and around row parts
constexpr int kCornerRadius = 4;
constexpr UINT kHotTimer = 2;
constexpr UINT kTimeoutTimer = 1;
constexpr COLORREF kPlainLink = RGB(0, 0, 132);

COLORREF Translate(DWORD ole) {
    COLORREF c = 0;
    OleTranslateColor(ole, nullptr, &c);
    return c;
}

bool Fading(DWORD options, DWORD never) {
    if (options & never)
        return false;
    BOOL animation = FALSE, fade = FALSE;
    SystemParametersInfoW(SPI_GETTOOLTIPANIMATION, 0, &animation, 0);
    SystemParametersInfoW(SPI_GETTOOLTIPFADE, 0, &fade, 0);
    return animation && fade;
}

SIZE TextSize(HDC dc, HFONT font, const std::u16string& text, UINT flags, LONG width) {
    if (text.empty())
        return SIZE{0, 0};
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &r, flags | DT_CALCRECT);
    SelectObject(dc, old);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// One set of hooks of a kind for every balloon that wants it.
struct HookSet {
    int kind;
    HOOKPROC proc;
    HHOOK hook = nullptr;
    std::vector<CBalloonHelp*> balloons;

    void Add(CBalloonHelp* b) {
        if (std::find(balloons.begin(), balloons.end(), b) != balloons.end())
            return;
        balloons.push_back(b);
        if (hook == nullptr)
            hook = SetWindowsHookExW(kind, proc, nullptr, GetCurrentThreadId());
    }
    void Remove(CBalloonHelp* b) {
        balloons.erase(std::remove(balloons.begin(), balloons.end(), b), balloons.end());
        if (balloons.empty() && hook != nullptr) {
            UnhookWindowsHookEx(hook);
            hook = nullptr;
        }
    }
};

LRESULT MouseHookProc(int code, WPARAM message, LPARAM lParam);
LRESULT KeyHookProc(int code, WPARAM key, LPARAM lParam);

LRESULT MoveHookProc(int code, WPARAM sent, LPARAM lParam);

HookSet& MoveHooks() {
    static HookSet set{WH_CALLWNDPROCRET, &MoveHookProc};
    return set;
}

// A window moved: balloons tied to an anchor window follow it. Moving a
// balloon moves windows too, so the hook does not run into itself.
LRESULT MoveHookProc(int code, WPARAM sent, LPARAM lParam) {
    static bool running = false;
    HookSet& set = MoveHooks();
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call != nullptr && call->message == WM_MOVE && !running) {
        running = true;
        for (CBalloonHelp* b : std::vector<CBalloonHelp*>(set.balloons))
            if (std::find(set.balloons.begin(), set.balloons.end(), b) != set.balloons.end())
                b->OnWindowMoved();
        running = false;
    }
    return CallNextHookEx(set.hook, code, sent, lParam);
}

HookSet& MouseHooks() {
    static HookSet set{WH_MOUSE, &MouseHookProc};
    return set;
}

HookSet& KeyHooks() {
    static HookSet set{WH_KEYBOARD, &KeyHookProc};
    return set;
}

LRESULT MouseHookProc(int code, WPARAM message, LPARAM lParam) {
    HookSet& set = MouseHooks();
    if (code == HC_ACTION) {
        const POINT pt = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->pt;
        for (CBalloonHelp* b : std::vector<CBalloonHelp*>(set.balloons))
            if (std::find(set.balloons.begin(), set.balloons.end(), b) != set.balloons.end())
                b->OnMouseHook(static_cast<UINT>(message), pt);
    }
    return CallNextHookEx(set.hook, code, message, lParam);
}

LRESULT KeyHookProc(int code, WPARAM key, LPARAM lParam) {
    HookSet& set = KeyHooks();
    if (code == HC_ACTION)
        for (CBalloonHelp* b : std::vector<CBalloonHelp*>(set.balloons))
            if (std::find(set.balloons.begin(), set.balloons.end(), b) != set.balloons.end())
                b->OnKeyHook(key, lParam);
    return CallNextHookEx(set.hook, code, key, lParam);
}

DWORD CloseBitFor(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        return CBalloonHelp::kCloseOnLeftDown;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
        return CBalloonHelp::kCloseOnMiddleDown;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
        return CBalloonHelp::kCloseOnRightDown;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        return CBalloonHelp::kCloseOnLeftUp;
    case WM_MBUTTONUP:
    case WM_NCMBUTTONUP:
        return CBalloonHelp::kCloseOnMiddleUp;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
        return CBalloonHelp::kCloseOnRightUp;
    default:
        return 0;
    }
}

bool IsLeftPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_NCLBUTTONDOWN || message == WM_LBUTTONDBLCLK;
}

UINT TextAlign(DWORD layout, DWORD centre, DWORD right) {
    return (layout & centre) ? DT_CENTER : (layout & right) ? DT_RIGHT : DT_LEFT;
}

} // namespace

// The parts of the title row and the content, measured.
struct CBalloonHelp::Rows {
    SIZE icon{0, 0};
    SIZE close{0, 0};
    SIZE title{0, 0};
    SIZE body{0, 0};
    SIZE link{0, 0};
    LONG rowWidth = 0;
    LONG rowHeight = 0;
    LONG contentWidth = 0;
    LONG contentHeight = 0;
};

CBalloonHelp::CBalloonHelp() : mBodyFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {}

CBalloonHelp::~CBalloonHelp() {
    RemoveHooks();
    if (mIcon != nullptr)
        ImageList_Destroy(mIcon);
    try {
        mTooltipTheme.Close();
        mTextTheme.Close();
    } catch (const XOvo&) {
    }
    if (mRegion != nullptr)
        DeleteObject(mRegion);
    if (mTitleFont != nullptr)
        DeleteObject(mTitleFont);
}

void CBalloonHelp::OnFinalMessage(HWND) {
    if (mOptions & kDeleteThisOnClose)
        delete this;
}

COLORREF CBalloonHelp::BackgroundColour() const {
    return Translate(mBackgroundColour);
}

COLORREF CBalloonHelp::BorderColour() const {
    return Translate(mBorderColour);
}

bool CBalloonHelp::Themed() const {
    return mTooltipTheme.IsOpen();
}

int CBalloonHelp::Open(HWND parent, LPCWSTR title, LPCWSTR body, const POINT* anchor, DWORD options,
                       LPCWSTR url, UINT timeout, DWORD layout) {
    mBody = body ? body : u"";
    mOptions = options;
    mUrl = url ? url : u"";
    mTimeout = timeout;
    mLayout = layout;
    mClosing = false;
    if (anchor != nullptr) {
        mAnchor = *anchor;
        mAnchorOffset = POINT{0, 0};
        mAnchorWindow = nullptr;
        mWorkArea = RECT{0, 0, 0, 0};
    }
    if (mTitleFont == nullptr) {
        LOGFONTW f{};
        GetObjectW(mBodyFont, sizeof f, &f);
        f.lfWeight = FW_BOLD;
        mTitleFont = CreateFontIndirectW(&f);
    }
    if (m_hWnd == nullptr) {
        const DWORD ex = (options & kTopmost) ? WS_EX_TOOLWINDOW | WS_EX_TOPMOST : 0;
        if (Create(parent, RECT{0, 0, 0, 0}, title ? title : u"", WS_POPUP, ex) == nullptr)
            return 0;
    } else {
        SetWindowText(title ? title : u"");
    }
    RefreshBalloonThemes();
    PositionWindow();
    GetCursorPos(&mLaunchCursor);
    InstallHooks();
    if (mTimeout > 0)
        SetTimer(kTimeoutTimer, mTimeout);
    if (!(mOptions & kNoShow)) {
        ShowBalloon();
        UpdateWindow();
    }
    return 1;
}

void CBalloonHelp::RefreshBalloonThemes() {
    try {
        mTooltipTheme.Close();
        mTextTheme.Close();
    } catch (const XOvo&) {
    }
    if (!IsBufferedThemingAvailable())
        return;
    mTooltipTheme.SetWindow(m_hWnd);
    mTextTheme.SetWindow(m_hWnd);
    try {
        mTooltipTheme.Get();
        mTextTheme.Get();
    } catch (const XOvo&) { // no theme for these classes: drawn plainly
        mTooltipTheme.Close();
    }
}

void CBalloonHelp::ShowBalloon() {
    if (Fading(mOptions, kNoFadeIn) && AnimateWindow(m_hWnd, 200, AW_BLEND))
        return;
    ShowWindow(SW_SHOWNA);
}

void CBalloonHelp::Close() {
    if (m_hWnd == nullptr || mClosing)
        return;
    mClosing = true;
    if (Fading(mOptions, kNoFadeOut))
        AnimateWindow(m_hWnd, 200, AW_BLEND | AW_HIDE);
    PostMessage(WM_CLOSE);
}

void CBalloonHelp::InstallHooks() {
    RemoveHooks();
    if (m_hWnd == nullptr)
        return;
    if (mOptions & 0x3F8) {
        MouseHooks().Add(this);
        mMouseHook = true;
    }
    if (mOptions & kCloseOnKey) {
        KeyHooks().Add(this);
        mKeyHook = true;
    }
    if (mAnchorWindow != nullptr) {
        MoveHooks().Add(this);
        mMoveHook = true;
    }
}

void CBalloonHelp::RemoveHooks() {
    if (mMouseHook)
        MouseHooks().Remove(this);
    if (mKeyHook)
        KeyHooks().Remove(this);
    if (mMoveHook)
        MoveHooks().Remove(this);
    mMouseHook = mKeyHook = mMoveHook = false;
}

POINT CBalloonHelp::AnchorPoint() const {
    if (mAnchorWindow == nullptr)
        return mAnchor;
    RECT r{};
    ::GetWindowRect(mAnchorWindow, &r);
    return POINT{r.left + mAnchorOffset.x, r.top + mAnchorOffset.y};
}

RECT CBalloonHelp::WorkArea() {
    if (mWorkArea.right <= mWorkArea.left) {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        GetMonitorInfoW(MonitorFromPoint(AnchorPoint(), MONITOR_DEFAULTTONEAREST), &info);
        mWorkArea = info.rcWork;
    }
    return mWorkArea;
}

SIZE CBalloonHelp::IconSize() const {
    int cx = 0, cy = 0;
    if (mIcon != nullptr)
        ImageList_GetIconSize(mIcon, &cx, &cy);
    return SIZE{cx, cy};
}

CBalloonHelp::Rows CBalloonHelp::Measure(HDC dc) {
    Rows r;
    r.icon = IconSize();
    if (mOptions & kCloseButton) {
        mCloseSize = SIZE{14, 14};
        if (Themed()) {
            SIZE themed{14, 14};
            if (OvoLinkingUtils::UxThemeDLL::GetThemePartSize(mTooltipTheme.Get(), dc, TTP_CLOSE, 1, nullptr,
                                                              TS_DRAW, &themed) >= 0)
                mCloseSize = themed;
        }
        r.close = mCloseSize;
    }
    WCHAR title[256] = {};
    GetWindowTextW(m_hWnd, title, 256);
    r.title = TextSize(dc, mTitleFont, title, DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS, 0);
    const LONG wrap = (WorkArea().right - WorkArea().left) / 2;
    r.body = TextSize(dc, mBodyFont, mBody, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS, wrap);
    r.link = TextSize(dc, mBodyFont, mLinkText, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS, wrap);
    r.rowWidth = r.icon.cx + r.close.cx;
    if (title[0] != 0)
        r.rowWidth += r.title.cx + (r.icon.cx > 0 || r.close.cx > 0 ? kRowGap : 0);
    r.rowHeight = std::max({r.icon.cy, r.close.cy, r.title.cy});
    r.contentWidth = std::max(r.body.cx, r.link.cx);
    r.contentHeight = r.body.cy + r.link.cy;
    return r;
}

SIZE CBalloonHelp::MeasureContent(HDC dc) {
    const Rows r = Measure(dc);
    return SIZE{std::max(r.rowWidth, r.contentWidth), r.rowHeight + kRowGap + r.contentHeight};
}

bool CBalloonHelp::IsNearLaunchPoint(POINT p) {
    if (mOptions & kWindowIsNear) {
        RECT r{};
        GetWindowRect(&r);
        r = RECT{r.left - mTolerance, std::min(r.top - mTolerance, mLaunchCursor.y), r.right + mTolerance,
                 r.bottom + mTolerance};
        return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
    }
    return std::abs(p.x - mLaunchCursor.x) <= mTolerance && std::abs(p.y - mLaunchCursor.y) <= mTolerance;
}

void CBalloonHelp::PositionWindow() {
    if (m_hWnd == nullptr)
        return;
    HDC screen = ::GetDC(nullptr);
    const SIZE content = MeasureContent(screen);
    const LONG W = content.cx + 16, H = content.cy + 36;
    const POINT a = AnchorPoint();
    mLaidOutAnchor = a;
    const RECT work = WorkArea();
    const POINT centre{(work.right - work.left) / 2 + work.left, (work.bottom - work.top) / 2 + work.top};
    mQuadrant = a.y < centre.y ? (a.x < centre.x ? 1 : 0) : (a.x < centre.x ? 2 : 3);
    const LONG q = (W - 20) / 4;
    switch (mQuadrant) {
    case 0:
        mStem[0] = {3 * q, 21}, mStem[1] = {3 * q + 20, 1}, mStem[2] = {3 * q + 20, 21};
        break;
    case 1:
        mStem[0] = {q + 20, 21}, mStem[1] = {q, 1}, mStem[2] = {q, 21};
        break;
    case 2:
        mStem[0] = {q + 20, H - 22}, mStem[1] = {q, H - 2}, mStem[2] = {q, H - 22};
        break;
    default:
        mStem[0] = {3 * q, H - 22}, mStem[1] = {3 * q + 20, H - 2}, mStem[2] = {3 * q + 20, H - 22};
        break;
    }
    for (POINT& p : mStem)
        p.x = std::clamp<LONG>(p.x, 8, std::max<LONG>(8, W - 8));
    const LONG left = a.x - mStem[1].x, top = a.y - mStem[1].y;
    LONG dx = 0, dy = 0;
    if (left < work.left)
        dx = work.left - left;
    else if (left + W >= work.right)
        dx = work.right - left - W;
    if (top + 20 < work.top)
        dy = work.top - top - 20;
    else if (top + H - 20 >= work.bottom)
        dy = work.bottom - top - H + 20;
    mStem[1].x -= dx;
    if (mOptions & kMoveWholeStem) {
        mStem[0].x -= dx;
        mStem[2].x -= dx;
    }
    MoveWindow(left + dx, top + dy, W, H, TRUE);
    HRGN region = nullptr;
    if (Themed()) {
        BalloonRegionRequest request{screen, RECT{0, 0, W, H}, &mTooltipTheme, mQuadrant,
                                     POINT{mStem[1].x, mQuadrant < 2 ? 0 : H - kStemBand}};
        try {
            region = CreateThemedBalloonRegion(request, mFrame);
        } catch (const XOvo&) {
            region = nullptr;
        }
    }
    if (region == nullptr) {
        const bool up = mQuadrant < 2;
        region = CreateBalloonRegion(mStem, POINT{0, up ? kStemBand : 0}, POINT{W, up ? H : H - kStemBand},
                                     kCornerRadius);
    }
    ::ReleaseDC(nullptr, screen);
    if (mRegion != nullptr && EqualRgn(region, mRegion)) {
        DeleteObject(region);
    } else {
        if (mRegion != nullptr)
            DeleteObject(mRegion);
        mRegion = region;
        HRGN copy = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(copy, mRegion, nullptr, RGN_COPY);
        SetWindowRgn(m_hWnd, copy, TRUE);
    }
    UpdateWindow();
}

LRESULT CBalloonHelp::OnNcCalcSize(UINT, WPARAM wParam, LPARAM lParam, BOOL&) {
    RECT* r =
        wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    if (mQuadrant < 2)
        r->top += kStemBand;
    else
        r->bottom -= kStemBand;
    InflateRect(r, -kMargin, -kMargin);
    r->right = std::max(r->right, r->left);
    r->bottom = std::max(r->bottom, r->top);
    return 0;
}

void CBalloonHelp::PaintFrame(HDC dc) {
    if (Themed()) {
        try {
            DrawThemedBalloon(dc, mTooltipTheme, TTP_BALLOON, 1, mFrame);
            return;
        } catch (const XOvo&) {
        }
    }
    if (mRegion == nullptr)
        return;
    HBRUSH background = CreateSolidBrush(BackgroundColour());
    HBRUSH border = CreateSolidBrush(BorderColour());
    FillRgn(dc, mRegion, background);
    FrameRgn(dc, mRegion, border, 1, 1);
    if (mOptions & kShadow) {
        const COLORREF bg = BackgroundColour();
        auto shade = [&](int add) {
            return RGB(static_cast<BYTE>(GetRValue(bg) / 3 + add), static_cast<BYTE>(GetGValue(bg) / 3 + add),
                       static_cast<BYTE>(GetBValue(bg) / 3 + add));
        };
        HBRUSH light = CreateSolidBrush(shade(170));
        HBRUSH dark = CreateSolidBrush(shade(120));
        OffsetRgn(mRegion, 1, 1);
        FrameRgn(dc, mRegion, light, 2, 2);
        OffsetRgn(mRegion, -2, -2);
        FrameRgn(dc, mRegion, dark, 2, 2);
        OffsetRgn(mRegion, 1, 1);
        DeleteObject(light);
        DeleteObject(dark);
    }
    DeleteObject(background);
    DeleteObject(border);
}

LRESULT CBalloonHelp::OnNcPaint(UINT, WPARAM, LPARAM, BOOL&) {
    HDC dc = GetWindowDC();
    PaintFrame(dc);
    ReleaseDC(dc);
    return 0;
}

void CBalloonHelp::PaintContent(HDC dc) {
    const Rows r = Measure(dc);
    RECT client{};
    GetClientRect(&client);
    LONG areaLeft = 0, areaRight = client.right;
    if (mIcon != nullptr) {
        const int x = (mLayout & 0x2) ? client.right - r.icon.cx : 0;
        ImageList_Draw(mIcon, 0, dc, x, 0, ILD_NORMAL);
        if (mLayout & 0x2)
            areaRight -= r.icon.cx + kRowGap;
        else if (mLayout & 0x1)
            areaLeft += r.icon.cx + kRowGap;
    }
    mCloseRect = RECT{0, 0, 0, 0};
    if (mOptions & kCloseButton) {
        if (mLayout & 0x1000) {
            mCloseRect = RECT{areaLeft, 0, areaLeft + r.close.cx, r.close.cy};
            areaLeft += r.close.cx + kRowGap;
        } else {
            mCloseRect = RECT{areaRight - r.close.cx, 0, areaRight, r.close.cy};
            areaRight -= r.close.cx + kRowGap;
        }
        const int state = (mCloseState & DFCS_PUSHED) ? 3 : (mCloseState & DFCS_HOT) ? 2 : 1;
        bool drawn = false;
        if (Themed())
            drawn = OvoLinkingUtils::UxThemeDLL::DrawThemeBackground(mTooltipTheme.Get(), dc, TTP_CLOSE,
                                                                     state, &mCloseRect) >= 0;
        if (!drawn)
            DrawFrameControl(dc, &mCloseRect, DFC_CAPTION,
                             DFCS_CAPTIONCLOSE | (mCloseState ? mCloseState : DFCS_FLAT));
    }
    WCHAR title[256] = {};
    GetWindowTextW(m_hWnd, title, 256);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, BorderColour());
    HGDIOBJ old = SelectObject(dc, mTitleFont);
    RECT titleRect{areaLeft, 0, areaRight, r.rowHeight};
    DrawTextW(dc, title, -1, &titleRect,
              DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER | TextAlign(mLayout, 0x200, 0x400));
    SelectObject(dc, mBodyFont);
    const UINT align = TextAlign(mLayout, 0x20, 0x40);
    const LONG top = r.rowHeight + kRowGap;
    RECT bodyRect{0, top, client.right, top + r.body.cy};
    const UINT bodyFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | align;
    bool drawn = false;
    if (Themed() && !mBody.empty())
        drawn = OvoLinkingUtils::UxThemeDLL::DrawThemeText(mTooltipTheme.Get(), dc, TTP_BALLOON, 1,
                                                           mBody.c_str(), bodyFlags, &bodyRect) >= 0;
    if (!drawn && !mBody.empty())
        DrawTextW(dc, mBody.c_str(), -1, &bodyRect, bodyFlags);
    mLinkRect = RECT{0, 0, 0, 0};
    if (!mLinkText.empty()) {
        const LONG width = r.link.cx;
        const LONG x = align == DT_CENTER  ? (client.right - width) / 2
                       : align == DT_RIGHT ? client.right - width
                                           : 0;
        mLinkRect = RECT{x, top + r.body.cy, x + width, top + r.body.cy + r.link.cy};
        bool themedLink = false;
        if (Themed() && mTextTheme.IsOpen())
            themedLink =
                OvoLinkingUtils::UxThemeDLL::DrawThemeText(mTextTheme.Get(), dc, TEXT_HYPERLINKTEXT, 2,
                                                           mLinkText.c_str(), bodyFlags, &mLinkRect) >= 0;
        if (!themedLink) {
            SetTextColor(dc, kPlainLink);
            RECT link = mLinkRect;
            DrawTextW(dc, mLinkText.c_str(), -1, &link, bodyFlags);
            const RECT underline{mLinkRect.left, mLinkRect.bottom, mLinkRect.right, mLinkRect.bottom + 1};
            HBRUSH ink = CreateSolidBrush(kPlainLink);
            FillRect(dc, &underline, ink);
            DeleteObject(ink);
        }
    }
    SelectObject(dc, old);
}

LRESULT CBalloonHelp::OnPaint(UINT, WPARAM, LPARAM, BOOL&) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    RECT client{};
    GetClientRect(&client);
    if (Themed()) {
        RECT body = mFrame.body;
        OffsetRect(&body, -kMargin, (mQuadrant < 2 ? -kStemBand : 0) - kMargin);
        OvoLinkingUtils::UxThemeDLL::DrawThemeBackground(mTooltipTheme.Get(), dc, TTP_BALLOON, 1, &body);
        PaintContent(dc);
    } else {
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap =
            CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
        HGDIOBJ old = SelectObject(memory, bitmap);
        HBRUSH background = CreateSolidBrush(BackgroundColour());
        FillRect(memory, &client, background);
        DeleteObject(background);
        PaintContent(memory);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    EndPaint(m_hWnd, &ps);
    return 0;
}

LRESULT CBalloonHelp::OnPrint(UINT, WPARAM wParam, LPARAM lParam, BOOL&) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (lParam & PRF_NONCLIENT)
        PaintFrame(dc);
    if (lParam & (PRF_CLIENT | PRF_ERASEBKGND)) {
        const POINT origin{kMargin, (mQuadrant < 2 ? kStemBand : 0) + kMargin};
        POINT previous{};
        SetViewportOrgEx(dc, origin.x, origin.y, &previous);
        if (!Themed() && (lParam & PRF_ERASEBKGND)) {
            RECT client{};
            GetClientRect(&client);
            HBRUSH background = CreateSolidBrush(BackgroundColour());
            FillRect(dc, &client, background);
            DeleteObject(background);
        }
        if (lParam & PRF_CLIENT)
            PaintContent(dc);
        SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
    }
    return 0;
}

void CBalloonHelp::SetCloseState(UINT state) {
    if (state == mCloseState)
        return;
    mCloseState = state;
    InvalidateRect(m_hWnd, &mCloseRect, FALSE);
}

void CBalloonHelp::RecheckHot(POINT client) {
    if (mOptions & kCloseButton) {
        const bool over = PtInRect(&mCloseRect, client) != FALSE;
        const UINT pushed = mCloseState & DFCS_PUSHED;
        if (over) {
            SetCloseState(DFCS_HOT | pushed);
            SetTimer(kHotTimer, 100);
        } else {
            SetCloseState(pushed);
        }
    }
    if ((mOptions & kClickableLink) && mLinkRect.right > mLinkRect.left)
        ::SetCursor(LoadCursorW(nullptr, PtInRect(&mLinkRect, client) ? IDC_HAND : IDC_ARROW));
}

LRESULT CBalloonHelp::OnMouseMove(UINT, WPARAM, LPARAM lParam, BOOL&) {
    RecheckHot(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return 0;
}

LRESULT CBalloonHelp::OnLButtonDown(UINT, WPARAM, LPARAM lParam, BOOL&) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if ((mOptions & kCloseButton) && PtInRect(&mCloseRect, p)) {
        SetCloseState(DFCS_HOT | DFCS_PUSHED);
        SetCapture();
    } else if ((mOptions & kClickableLink) && PtInRect(&mLinkRect, p)) {
        mLinkPressed = true;
        SetCapture();
    }
    return 0;
}

LRESULT CBalloonHelp::OnLButtonUp(UINT, WPARAM, LPARAM lParam, BOOL&) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (mCloseState & DFCS_PUSHED) {
        ReleaseCapture();
        if (PtInRect(&mCloseRect, p))
            Close();
        else
            SetCloseState(0);
        return 0;
    }
    if (mLinkPressed) {
        mLinkPressed = false;
        ReleaseCapture();
        if (PtInRect(&mLinkRect, p)) {
            const std::function<void()> callback = mLinkCallback;
            Close();
            if (callback)
                callback();
        }
        return 0;
    }
    if (!(mOptions & kClickableLink) && !mUrl.empty()) {
        const std::u16string url = mUrl;
        Close();
        ShellExecuteW(nullptr, nullptr, url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    return 0;
}

LRESULT CBalloonHelp::OnCaptureChanged(UINT, WPARAM, LPARAM, BOOL&) {
    if (mOptions & kCloseButton)
        SetCloseState(0);
    return 0;
}

LRESULT CBalloonHelp::OnTimer(UINT, WPARAM id, LPARAM, BOOL& handled) {
    if (id == kHotTimer) {
        KillTimer(kHotTimer);
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(&p);
        RecheckHot(p);
    } else if (id == kTimeoutTimer) {
        KillTimer(kTimeoutTimer);
        Close();
    } else {
        handled = FALSE;
    }
    return 0;
}

LRESULT CBalloonHelp::OnActivateApp(UINT, WPARAM active, LPARAM, BOOL&) {
    if (!active && (mOptions & kCloseOnDeactivate))
        Close();
    return 0;
}

LRESULT CBalloonHelp::OnThemeChanged(UINT, WPARAM, LPARAM, BOOL&) {
    RefreshBalloonThemes();
    return 0;
}

LRESULT CBalloonHelp::OnDestroy(UINT, WPARAM, LPARAM, BOOL&) {
    RemoveHooks();
    return 0;
}

void CBalloonHelp::OnMouseHook(UINT message, POINT screen) {
    if (m_hWnd == nullptr || mClosing)
        return;
    if (message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE) {
        if ((mOptions & kCloseOnMouseMove) && !IsNearLaunchPoint(screen))
            Close();
        return;
    }
    const DWORD bit = CloseBitFor(message);
    if (bit == 0 || !(mOptions & bit))
        return;
    if (IsLeftPress(message) && (mOptions & kClickableLink)) {
        POINT client = screen;
        ScreenToClient(&client);
        if (PtInRect(&mLinkRect, client))
            return;
    }
    Close();
}

void CBalloonHelp::OnKeyHook(WPARAM, LPARAM data) {
    if ((static_cast<DWORD>(data) & 0x80000000u) == 0)
        Close();
}

void CBalloonHelp::OnWindowMoved() {
    const POINT now = AnchorPoint();
    if (mAnchorWindow != nullptr && (now.x != mLaidOutAnchor.x || now.y != mLaidOutAnchor.y))
        PositionWindow();
}

void CBalloonHelp::SetAnchorWindow(HWND window, POINT offset) {
    mAnchorWindow = window;
    mAnchorOffset = offset;
    mWorkArea = RECT{0, 0, 0, 0};
    if (mMoveHook)
        MoveHooks().Remove(this);
    mMoveHook = window != nullptr && m_hWnd != nullptr;
    if (mMoveHook)
        MoveHooks().Add(this);
    PositionWindow();
}

HBITMAP CBalloonHelp::ReducedIcon(HICON icon, COLORREF background) {
    if (icon == nullptr)
        return nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC large = CreateCompatibleDC(screen);
    HDC small = CreateCompatibleDC(screen);
    HBITMAP big = CreateCompatibleBitmap(screen, 32, 32);
    HBITMAP result = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ oldLarge = SelectObject(large, big);
    HGDIOBJ oldSmall = SelectObject(small, result);
    const RECT all{0, 0, 32, 32};
    HBRUSH fill = CreateSolidBrush(background);
    FillRect(large, &all, fill);
    DeleteObject(fill);
    DrawIconEx(large, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    SetStretchBltMode(small, HALFTONE);
    StretchBlt(small, 0, 0, 16, 16, large, 0, 0, 32, 32, SRCCOPY);
    SelectObject(large, oldLarge);
    SelectObject(small, oldSmall);
    DeleteObject(big);
    DeleteDC(large);
    DeleteDC(small);
    ::ReleaseDC(nullptr, screen);
    return result;
}

void CBalloonHelp::SetIconImage(HINSTANCE module, LPCWSTR iconName) {
    const auto icon = static_cast<HICON>(LoadImageW(module, iconName, IMAGE_ICON, 16, 16, LR_SHARED));
    if (HBITMAP reduced = ReducedIcon(icon, BackgroundColour())) {
        SetIconImage(reduced, BackgroundColour());
        DeleteObject(reduced);
    }
}

void CBalloonHelp::SetIconImage(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return;
    BITMAP b{};
    GetObjectW(info.hbmColor, sizeof b, &b);
    DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    if (mIcon != nullptr)
        ImageList_Destroy(mIcon);
    mIcon = ImageList_Create(b.bmWidth, b.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 1);
    ImageList_ReplaceIcon(mIcon, -1, icon);
    PositionWindow();
}

void CBalloonHelp::SetIconImage(HBITMAP bitmap, COLORREF maskColour) {
    BITMAP b{};
    if (GetObjectW(bitmap, sizeof b, &b) == 0)
        return;
    if (mIcon != nullptr)
        ImageList_Destroy(mIcon);
    mIcon = ImageList_Create(b.bmWidth, b.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 1);
    ImageList_AddMasked(mIcon, bitmap, maskColour);
    PositionWindow();
}

void CBalloonHelp::SetAnchorPoint(POINT screen) {
    mAnchor = screen;
    mAnchorOffset = POINT{0, 0};
    mAnchorWindow = nullptr;
    if (std::exchange(mMoveHook, false))
        MoveHooks().Remove(this);
    mWorkArea = RECT{0, 0, 0, 0};
    PositionWindow();
}

void CBalloonHelp::AnchorAtWindowCentre(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    SetAnchorPoint(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void CBalloonHelp::SetLink(LPCWSTR text, std::function<void()> callback) {
    mLinkText = text ? text : u"";
    mLinkCallback = std::move(callback);
    PositionWindow();
}

SIZE CBalloonHelpEx::MeasureContent(HDC dc) {
    SIZE s = CBalloonHelp::MeasureContent(dc);
    if (mMinimumWidth > 0)
        s.cx = std::max<LONG>(s.cx, mMinimumWidth);
    return s;
}

bool CBalloonHelpEx::IsNearLaunchPoint(POINT screen) {
    if (!(mOptions & kUseNearRect))
        return CBalloonHelp::IsNearLaunchPoint(screen);
    return mNear.right > mNear.left && mNear.bottom > mNear.top && PtInRect(&mNear, screen);
}

} // namespace WTL

bool IsCheckBoxControl(HWND control) {
    WCHAR name[64] = {};
    GetClassNameW(control, name, 64);
    return std::u16string_view(name) == u"Button" && (GetWindowLongPtrW(control, GWL_STYLE) & 0x2) != 0;
}

WTL::CBalloonHelp* ShowBalloonAtControl(HWND control, LPCWSTR title, LPCWSTR text) {
    auto* balloon = new WTL::CBalloonHelp();
    RECT r{};
    GetWindowRect(control, &r);
    const POINT anchor = IsCheckBoxControl(control) ? POINT{r.left + 7, r.top + 7}
                                                    : POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    balloon->SetAnchorPoint(anchor);
    balloon->SetIconImage(LoadIconW(nullptr, IDI_WARNING));
    if (!balloon->Open(control, title, text, nullptr, 0x7E38, nullptr, 0,
                       WTL::CBalloonHelp::kDefaultLayout)) {
        delete balloon; // no window, so it would never delete itself
        return nullptr;
    }
    return balloon;
}

WTL::CBalloonHelp* ShowBalloonStringAtControl(HWND control, UINT titleId, UINT textId) {
    Ovo::String title, text;
    Ovo::LoadResString(title, Tarvik::ModuleInstance(), titleId, true);
    Ovo::LoadResString(text, Tarvik::ModuleInstance(), textId, true);
    return ShowBalloonAtControl(control, title.c_str(), text.c_str());
}

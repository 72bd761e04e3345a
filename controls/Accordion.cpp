#include "controls/Accordion.h"

#include <algorithm>
#include <cmath>

#include "controls/BalloonHelp.h"
#include "controls/GdiPlusBitmap.h"
#include "controls/GdiplusStarter.h"
#include "controls/UxThemeDLL.h"
#include "controls/WindowText.h"
#include "core/SystemVersionInfo.h"
#include "module/ModuleInstance.h"
#include "platform/gdi/gdi.h"
#include "platform/win32/text.h"
#include "resources/ModuleImages.h"

namespace OvoControls {
namespace {

constexpr DWORD kFadeMs = 80;

// Buffered painting needs Windows NT 6 or later; decided once.
bool BufferedPaintingAvailable() {
    static const bool available = [] {
        const OSVERSIONINFOW& v = Ovo::GetSystemVersionInfo().version;
        return v.dwPlatformId == VER_PLATFORM_WIN32_NT && v.dwMajorVersion >= 6;
    }();
    return available;
}

// A PNG resource of the library, copied once into premultiplied ARGB.
std::unique_ptr<Gdiplus::Bitmap> LoadIcon(WORD id) {
    EnsureGdiplusStarted();
    TGdiPlusBitmapResource png;
    if (!png.LoadPngResource(MAKEINTRESOURCEW(id), Tarvik::ModuleInstance()))
        return nullptr;
    const int w = static_cast<int>(png.Get()->GetWidth()), h = static_cast<int>(png.Get()->GetHeight());
    auto copy = std::make_unique<Gdiplus::Bitmap>(w, h, Gdiplus::PixelFormat32bppPARGB);
    Gdiplus::Graphics(copy.get()).DrawImage(png.Get(), 0, 0, w, h);
    return copy;
}

bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

TRIVERTEX Vertex(LONG x, LONG y, COLORREF c) {
    return TRIVERTEX{x,
                     y,
                     static_cast<COLOR16>(GetRValue(c) << 8),
                     static_cast<COLOR16>(GetGValue(c) << 8),
                     static_cast<COLOR16>(GetBValue(c) << 8),
                     0};
}

} // namespace

Accordion::Accordion() : mChevron(LoadIcon(Tarvik::kChevronPng)) {}

Accordion::~Accordion() {
    if (mTitleFont != nullptr)
        DeleteObject(mTitleFont);
}

int Accordion::ClientHeight() const {
    RECT r{};
    ::GetClientRect(m_hWnd, &r);
    return r.bottom - r.top;
}

RECT Accordion::HeaderRect() const {
    RECT r{};
    ::GetClientRect(m_hWnd, &r);
    r.bottom = std::min<LONG>(r.bottom, r.top + mHeaderHeight);
    return r;
}

int Accordion::Margin() const {
    LOGFONTW f{};
    GetObjectW(mTitleFont, sizeof f, &f);
    return static_cast<int>(-0.8 * f.lfHeight);
}

LRESULT Accordion::OnCreate(UINT, WPARAM, LPARAM lParam, BOOL&) {
    if (BufferedPaintingAvailable()) {
        try {
            OvoLinkingUtils::UxThemeDLL::BufferedPaintInit();
        } catch (const std::exception&) { // no theme library: painted directly
        }
    }
    LOGFONTW f{};
    SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof f, &f, 0);
    if (win32::SameIgnoringCase(std::u16string(f.lfFaceName), u"Segoe UI")) {
        const std::u16string semibold = u"Segoe UI Semibold";
        std::fill(std::begin(f.lfFaceName), std::end(f.lfFaceName), u'\0');
        std::copy(semibold.begin(), semibold.end(), f.lfFaceName);
    } else {
        f.lfWeight = 600;
    }
    mTitleFont = CreateFontIndirectW(&f);
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    mCollapsedHeight = mStartHeight = mTargetHeight = mHeaderHeight = create->cy;
    mWidth = create->cx;
    POINT cursor{};
    GetCursorPos(&cursor);
    ::ScreenToClient(m_hWnd, &cursor);
    mHot = Contains(HeaderRect(), cursor);
    return 0;
}

LRESULT Accordion::OnNcDestroy(UINT, WPARAM, LPARAM, BOOL& handled) {
    if (BufferedPaintingAvailable()) {
        try {
            OvoLinkingUtils::UxThemeDLL::BufferedPaintUnInit();
        } catch (const std::exception&) {
        }
    }
    mContent = nullptr;
    handled = FALSE; // the window's own clean-up runs too
    return 0;
}

UINT Accordion::Notify(UINT code, HWND* content) {
    AccordionNotify n{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), code, nullptr};
    ::SendMessageW(GetParent(), WM_NOTIFY, n.idFrom, reinterpret_cast<LPARAM>(&n));
    if (content != nullptr)
        *content = n.content;
    return code;
}

void Accordion::StartAnimation() {
    mAnimStart = GetTickCount();
    SetTimer(kAnimationTimer, 0);
    mEatNextUp = false;
}

void Accordion::SetExpanded(bool expand) {
    if (expand == mExpanded)
        return;
    mExpanded = expand;
    HWND offered = nullptr;
    if (expand)
        Notify(kExpanding, &offered);
    else
        Notify(kCollapsing);
    if (expand && offered != nullptr && ::IsWindow(offered) && mContent == nullptr) {
        mContent = offered;
        ::SetParent(mContent, m_hWnd);
        RECT own{}, content{};
        ::GetClientRect(m_hWnd, &own);
        ::GetClientRect(mContent, &content);
        ::SetWindowPos(mContent, nullptr, 1, mHeaderHeight, own.right - 2, content.bottom,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    mTargetHeight = mCollapsedHeight;
    if (expand) {
        RECT content{0, 0, 0, 0};
        if (::IsWindow(mContent))
            ::GetClientRect(mContent, &content);
        mTargetHeight += content.bottom + 1;
    }
    StartAnimation();
}

LRESULT Accordion::OnLButtonUp(UINT, WPARAM, LPARAM, BOOL&) {
    if (mEatNextUp) {
        mEatNextUp = false;
        return 0;
    }
    if (mAnimState == kCollapsed || mAnimState == kCollapsingState) {
        mAnimState = kExpandingState;
        SetExpanded(true);
    } else {
        mAnimState = kCollapsingState;
        SetExpanded(false);
    }
    mEatNextUp = false;
    return 0;
}

LRESULT Accordion::OnLButtonDblClk(UINT, WPARAM, LPARAM, BOOL&) {
    mEatNextUp = true;
    return 0;
}

LRESULT Accordion::OnTimer(UINT, WPARAM id, LPARAM, BOOL& handled) {
    if (id != kAnimationTimer) {
        handled = FALSE;
        return 0;
    }
    const DWORD e = GetTickCount() - mAnimStart;
    int h = mTargetHeight;
    if (e < kAnimationMs)
        h = mStartHeight +
            static_cast<int>((mTargetHeight - mStartHeight) / static_cast<double>(kAnimationMs) * e);
    h = std::max(h, mCollapsedHeight);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    SetWindowPos(nullptr, 0, 0, client.right, h,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (e >= kAnimationMs) {
        mStartHeight = h;
        KillTimer(kAnimationTimer);
        if (!mExpanded && mContent != nullptr) {
            ::DestroyWindow(mContent);
            mContent = nullptr;
        }
        mAnimState = mExpanded ? kExpanded : kCollapsed;
    }
    Notify(kStepped);
    return 0;
}

LRESULT Accordion::OnRelayout(UINT, WPARAM, LPARAM, BOOL& handled) {
    if (!mExpanded) {
        handled = FALSE;
        return 0;
    }
    RECT content{0, 0, 0, 0};
    if (::IsWindow(mContent))
        ::GetClientRect(mContent, &content);
    mTargetHeight = mHeaderHeight + 1 + content.bottom;
    mAnimStart = GetTickCount();
    SetTimer(kAnimationTimer, 0);
    return 0;
}

LRESULT Accordion::OnWindowPosChanging(UINT, WPARAM, LPARAM lParam, BOOL&) {
    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    if (pos->flags & SWP_NOSIZE)
        return 0;
    if (!mExpanded && mStartHeight == mTargetHeight)
        pos->cy = mHeaderHeight;
    if (pos->cy != ClientHeight()) { // an outside resize wins over the animation
        mStartHeight = mTargetHeight = pos->cy;
        KillTimer(kAnimationTimer);
        mAnimState = mExpanded ? kExpanded : kCollapsed;
    }
    return 0;
}

LRESULT Accordion::OnSize(UINT, WPARAM, LPARAM lParam, BOOL&) {
    if (mContent == nullptr)
        return 0;
    const int w = static_cast<short>(LOWORD(static_cast<DWORD>(lParam)));
    RECT content{};
    ::GetClientRect(mContent, &content);
    if (content.right != w - 2)
        ::SetWindowPos(mContent, nullptr, 0, 0, w - 2, content.bottom,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (w != mWidth) {
        InvalidateHeader(true);
        mWidth = w;
    }
    return 0;
}

LRESULT Accordion::OnSetTexts(UINT, WPARAM title, LPARAM text, BOOL&) {
    if (title != 0 && text != 0) {
        mErrorTitle = reinterpret_cast<LPCWSTR>(title);
        mErrorText = reinterpret_cast<LPCWSTR>(text);
        mError = true;
    } else {
        mError = false;
    }
    InvalidateHeader(true);
    return 0;
}

LRESULT Accordion::OnSetFlag(UINT, WPARAM done, LPARAM, BOOL&) {
    mDone = done != 0;
    InvalidateHeader(true);
    return 0;
}

void Accordion::InvalidateHeader(bool erase) {
    const RECT header = HeaderRect();
    ::InvalidateRect(m_hWnd, &header, erase ? TRUE : FALSE);
}

Gdiplus::Bitmap* Accordion::StatusIcon() {
    if (mError) {
        if (!mErrorIcon)
            mErrorIcon = LoadIcon(Tarvik::kErrorPng);
        return mErrorIcon.get();
    }
    if (mDone) {
        if (!mDoneIcon)
            mDoneIcon = LoadIcon(Tarvik::kDonePng);
        return mDoneIcon.get();
    }
    return nullptr;
}

RECT Accordion::IconRect(Gdiplus::Bitmap& icon, int left) const {
    const int w = static_cast<int>(icon.GetWidth()), h = static_cast<int>(icon.GetHeight());
    const int top = (mHeaderHeight - h) / 2;
    return RECT{left, top, left + w, top + h};
}

LRESULT Accordion::OnMouseMove(UINT, WPARAM, LPARAM lParam, BOOL&) {
    const POINT p{static_cast<short>(LOWORD(static_cast<DWORD>(lParam))),
                  static_cast<short>(HIWORD(static_cast<DWORD>(lParam)))};
    mHot = Contains(HeaderRect(), p);
    if (mHot != mPaintedHot)
        InvalidateHeader(false);
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
    TrackMouseEvent(&track);
    POINT screen = p;
    ::ClientToScreen(m_hWnd, &screen);
    if (mError) {
        if (!mErrorIcon)
            mErrorIcon = LoadIcon(Tarvik::kErrorPng);
        if (mErrorIcon) {
            RECT r = IconRect(*mErrorIcon, Margin());
            POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
            ::ClientToScreen(m_hWnd, &corners[0]);
            ::ClientToScreen(m_hWnd, &corners[1]);
            r = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
            const bool empty = mBalloonRect.right <= mBalloonRect.left;
            if (empty && Contains(r, screen) && !Contains(r, mLastMouse)) {
                mBalloonRect = r;
                ShowErrorBalloon(r);
            } else if (!empty && !Contains(r, screen)) {
                mBalloonRect = RECT{0, 0, 0, 0};
            }
        }
    }
    mLastMouse = screen;
    return 0;
}

LRESULT Accordion::OnMouseLeave(UINT, WPARAM, LPARAM, BOOL&) {
    mHot = false;
    if (mPaintedHot)
        InvalidateHeader(false);
    return 0;
}

void Accordion::ShowErrorBalloon(const RECT& screenIcon) {
    auto* balloon = new WTL::CBalloonHelpEx();
    balloon->SetNearRect(screenIcon);
    balloon->SetAnchorPoint(
        POINT{(screenIcon.left + screenIcon.right) / 2, (screenIcon.top + screenIcon.bottom) / 2});
    balloon->SetMouseTolerance(3);
    balloon->SetIconImage(nullptr, IDI_EXCLAMATION);
    if (!balloon->Open(m_hWnd, mErrorTitle.c_str(), mErrorText.c_str(), nullptr, 0x87E38, nullptr, 0,
                       WTL::CBalloonHelp::kDefaultLayout))
        delete balloon;
}

void Accordion::PaintHeader(HDC dc, bool hot) {
    const RECT header = HeaderRect();
    const RECT inner{header.left + 1, header.top + 1, header.right - 1, header.bottom - 1};
    HRGN frame = CreateRectRgnIndirect(&header);
    HRGN hole = CreateRectRgnIndirect(&inner);
    CombineRgn(frame, frame, hole, RGN_DIFF);
    HBRUSH frameBrush = CreateSolidBrush(hot ? 0xB2B2B2 : 0xBFBFBF);
    FillRgn(dc, frame, frameBrush);
    DeleteObject(frameBrush);
    DeleteObject(frame);
    DeleteObject(hole);
    TRIVERTEX v[2] = {Vertex(inner.left, inner.top, hot ? 0xF0F0F0 : 0xEDEDED),
                      Vertex(inner.right, inner.bottom, hot ? 0xE0E0E0 : 0xDEDEDE)};
    GRADIENT_RECT g{0, 1};
    GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_V);
    const int m = Margin();
    int titleLeft = m;
    {
        Gdiplus::Graphics graphics(dc);
        if (mChevron) {
            const RECT c = IconRect(*mChevron, header.right - static_cast<int>(mChevron->GetWidth()) - m);
            graphics.DrawImage(mChevron.get(), c.left, c.top);
        }
        if (Gdiplus::Bitmap* status = StatusIcon()) {
            const RECT s = IconRect(*status, m);
            graphics.DrawImage(status, s.left, s.top);
            titleLeft = s.right + m;
        }
    }
    const std::u16string title = GetWindowTextString(m_hWnd);
    if (title.empty())
        return;
    HGDIOBJ oldFont = SelectObject(dc, mTitleFont);
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, title.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    const int top = (mHeaderHeight - (measured.bottom - measured.top)) / 2;
    RECT text{titleLeft, top, titleLeft + (measured.right - measured.left),
              top + (measured.bottom - measured.top)};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, mDone && !mError ? 0x275B35 : hot ? 0x000000 : 0x444444);
    DrawTextW(dc, title.c_str(), -1, &text, DT_SINGLELINE);
    SelectObject(dc, oldFont);
}

void Accordion::PaintBody(HDC dc) {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    if (client.bottom <= mHeaderHeight)
        return;
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, client.left, client.top, client.right, mHeaderHeight);
    const RECT body{client.left, mHeaderHeight, client.right, client.bottom};
    Fill(dc, body, 0xBFBFBF);
    const RECT inside{body.left + 1, body.top, body.right - 1, body.bottom - 1};
    Fill(dc, inside, 0xFFFFFF);
    RestoreDC(dc, saved);
}

LRESULT Accordion::OnPaint(UINT, WPARAM, LPARAM, BOOL&) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    bool painted = false;
    if (BufferedPaintingAvailable()) {
        try {
            if (OvoLinkingUtils::UxThemeDLL::BufferedPaintRenderAnimation(m_hWnd, dc)) {
                ::EndPaint(m_hWnd, &ps);
                return 0;
            }
            PaintBody(dc);
            // The header cross-fades; the body beneath it is painted directly.
            const RECT header = HeaderRect();
            BP_ANIMATIONPARAMS fade{sizeof(BP_ANIMATIONPARAMS), 0, BPAS_LINEAR,
                                    mHot != mPaintedHot ? kFadeMs : 0};
            HDC from = nullptr, to = nullptr;
            HANIMATIONBUFFER animation =
                OvoLinkingUtils::UxThemeDLL::BeginBufferedAnimation(m_hWnd, dc, &header, &fade, &from, &to);
            if (animation == nullptr) {
                PaintHeader(dc, mHot);
            } else {
                if (from != nullptr)
                    PaintHeader(from, mPaintedHot);
                if (to != nullptr)
                    PaintHeader(to, mHot);
                OvoLinkingUtils::UxThemeDLL::EndBufferedAnimation(animation);
                mPaintedHot = mHot;
            }
            painted = true;
        } catch (const std::exception&) { // no theme library: painted directly below
        }
    }
    if (!painted) {
        PaintBody(dc);
        PaintHeader(dc, mHot);
        mPaintedHot = mHot;
    }
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

} // namespace OvoControls

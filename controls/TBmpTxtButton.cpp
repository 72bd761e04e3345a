#include "controls/TBmpTxtButton.h"

#include <cmath>
#include <string>

#include "controls/GdiplusStarter.h"
#include "controls/ThemeOpen.h"
#include "controls/UxThemeDLL.h"
#include "core/XOvo.h"
#include "module/ModuleInstance.h"
#include "platform/gdiplus/gdiplus.h"
#include "platform/owl/TBtnBitmap.h"
#include "platform/owl/TUIBorder.h"
#include "platform/owl/TUIFace.h"
#include "platform/user/input_api.h"
#include "platform/user/window_api.h"

namespace OvoControls {
namespace {

constexpr UINT_PTR kTipTimer = 1;
constexpr UINT kTipPeriod = 500;
constexpr int kButtonType = 16;

// The theme state of a push button: later checks win.
int ThemeState(const OWL::TGlyphButton& b) {
    int state = 1;
    if (b.IsSet(OWL::TGlyphButton::biDefault))
        state = 5;
    if (b.IsSet(OWL::TGlyphButton::biFocus))
        state = 2;
    if (b.IsSet(OWL::TGlyphButton::biPushed))
        state = 3;
    if (b.IsSet(OWL::TGlyphButton::biDisabled))
        state = 4;
    return state;
}

OWL::TRect Offset(const OWL::TRect& r, int d) {
    return OWL::TRect(r.left + d, r.top + d, r.right + d, r.bottom + d);
}

std::u16string WithoutAmpersands(std::u16string text) {
    std::erase(text, u'&');
    return text;
}

// The font the caption is drawn in: the button's, the parent's, or a new one
// of the default GUI font (created, to be deleted by the caller).
HFONT CaptionFont(const OWL::TWindow& button, bool& created) {
    created = false;
    if (HFONT own = button.GetWindowFont())
        return own;
    if (HWND parent = button.GetParentH())
        if (auto font = reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0)))
            return font;
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    HFONT font = CreateFontIndirectW(&lf);
    created = font != nullptr;
    return font;
}

} // namespace

DEFINE_RESPONSE_TABLE1(TBmpTxtButton, OWL::TGlyphButton)
EV_WM_MOUSEMOVE, EV_WM_LBUTTONDOWN, EV_WM_LBUTTONUP, EV_WM_KEYUP, EV_WM_KEYDOWN,
    ::OWL::entries::Mouse<TMyClass>(WM_LBUTTONDBLCLK, &TMyClass::EvLButtonUp), EV_WM_MOUSELEAVE, EV_WM_TIMER,
    EV_WM_THEMECHANGED, EV_WM_RBUTTONDOWN, EV_WM_MBUTTONDOWN,
    ::OWL::entries::Void<TMyClass>(WM_CANCELMODE, &TMyClass::EvCancelMode), EV_WM_KILLFOCUS,
    EV_MESSAGE(WM_ENABLE, EvEnable), END_RESPONSE_TABLE;

TBmpTxtButton::TBmpTxtButton(OWL::TWindow* parent, int id, LPCWSTR text, OWL::TModule* module)
    : OWL::TGlyphButton(parent, id, text, 0, 0, 0, 0, kButtonType, false, module) {}

TBmpTxtButton::TBmpTxtButton(OWL::TWindow* parent, FromResource, int resourceId, OWL::TModule* module)
    : OWL::TGlyphButton(parent, resourceId, kButtonType, module) {}

TBmpTxtButton::~TBmpTxtButton() {
    CloseTheme(mTheme);
}

void TBmpTxtButton::SetGlyphBitmap(int resourceId) {
    SetGlyph(new OWL::TBtnBitmap(Tarvik::ModuleInstance(), MAKEINTRESOURCEW(resourceId)), gtUp);
    if (GetHandle() != nullptr)
        Invalidate(true);
}

void TBmpTxtButton::OpenTheme() {
    CloseTheme(mTheme);
    if (PlatformThemes())
        mTheme = TryOpenTheme(GetHandle(), mThemeClass);
    mClassic = mTheme == nullptr;
}

void TBmpTxtButton::SetupWindow() {
    OpenTheme();
    mHot = mClicked = mFocusCue = mTipShown = mTrackingLeave = false;
    mTipElapsed = 0;
    OWL::TGlyphButton::SetupWindow();
}

void TBmpTxtButton::EvThemeChanged() {
    OpenTheme();
    Invalidate(true);
}

void TBmpTxtButton::EndTip() {
    KillTimer(mTipTimer);
    mTipPopup.reset();
}

void TBmpTxtButton::Unpress() {
    if (::GetCapture() == GetHandle())
        ReleaseCapture();
    if (mToggleMode != 1)
        Clear(biPushed);
}

void TBmpTxtButton::EnterHot() {
    mHot = true;
    OWL::TGlyphButton::EvSetFocus(nullptr);
    Invalidate(false);
}

void TBmpTxtButton::LeaveHot() {
    mHot = false;
    if (mToggleMode == 0 && Pressed())
        SendMessage(BM_SETSTATE, 0);
    EvKillFocus(nullptr);
    Invalidate(false);
}

void TBmpTxtButton::EvKillFocus(HWND) {
    Clear(biFocus);
    if (Pressed())
        Unpress();
    Invalidate(false);
}

void TBmpTxtButton::EvMouseMove(UINT modKeys, const OWL::TPoint& point) {
    if (!mTrackingLeave) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, GetHandle(), 0};
        TrackMouseEvent(&track);
        mTrackingLeave = true;
    }
    if (!mTipShown && !mTipText.IsEmpty()) {
        if (mClicked) {
            OWL::TGlyphButton::EvMouseMove(modKeys, point);
            return;
        }
        mTipTimer = SetTimer(kTipTimer, kTipPeriod);
    }
    if (mClicked) {
        OWL::TGlyphButton::EvMouseMove(modKeys, point);
        return;
    }
    const bool inside = GetClientRect().Contains(point);
    if (!mClassic) {
        if (inside && !mHot)
            EnterHot();
        else if (!inside && mHot)
            LeaveHot();
    } else if (inside && !mHot) {
        mHot = true;
    } else if (!inside && mHot) {
        mHot = false;
        if (Pressed())
            SendMessage(BM_SETSTATE, 0);
    }
}

void TBmpTxtButton::EvLButtonDown(UINT modKeys, const OWL::TPoint& point) {
    OWL::TGlyphButton::EvLButtonDown(modKeys, point);
    SetCapture();
    if (!mTipText.IsEmpty() && mTipShown) {
        EndTip();
        mTipShown = false;
    }
    mHot = true;
    Invalidate(false);
}

void TBmpTxtButton::EvLButtonUp(UINT, const OWL::TPoint& point) {
    if (::GetCapture() == GetHandle()) {
        if (mToggleMode == 0 || mToggleOn == 1)
            SendMessage(BM_SETSTATE, 0);
        if (mToggleMode == 1)
            mToggleOn = mToggleOn ? 0 : 1;
        if (GetClientRect().Contains(point))
            NotifyClicked();
    }
    ReleaseCapture();
    mClicked = true;
    Invalidate(false);
}

void TBmpTxtButton::EvKeyUp(UINT key, UINT repeat, UINT flags) {
    OWL::TGlyphButton::EvKeyUp(key, repeat, flags);
    if (key == VK_TAB) {
        mFocusCue = true;
        Clear(biDefault);
    }
    Invalidate(false);
}

void TBmpTxtButton::EvKeyDown(UINT key, UINT repeat, UINT flags) {
    OWL::TGlyphButton::EvKeyDown(key, repeat, flags);
    if (!mTipText.IsEmpty())
        EndTip();
    Invalidate(false);
}

void TBmpTxtButton::EvRButtonDown(UINT, const OWL::TPoint&) {
    DefaultProcessing();
    if (!mTipText.IsEmpty())
        EndTip();
}

void TBmpTxtButton::EvMButtonDown(UINT, const OWL::TPoint&) {
    DefaultProcessing();
    if (!mTipText.IsEmpty())
        EndTip();
}

void TBmpTxtButton::EvCancelMode() {
    Unpress();
    Invalidate(false);
}

LRESULT TBmpTxtButton::EvEnable(WPARAM enabled, LPARAM) {
    if (enabled) {
        Clear(biDisabled);
    } else {
        Unpress();
        Set(biDisabled);
    }
    Invalidate(false);
    return 0;
}

void TBmpTxtButton::EvTimer(UINT_PTR id) {
    if (id != kTipTimer)
        return;
    if ((mToggleMode == 0 && Pressed()) || mClicked) {
        EndTip();
        return;
    }
    if (mTipText.IsEmpty())
        return;
    mTipElapsed += kTipPeriod;
    if (mTipElapsed > mTipDuration) {
        KillTimer(mTipTimer);
        mTipElapsed = 0;
        mTipPopup.reset();
    } else if (!mTipShown) {
        mTipShown = true;
        POINT at{};
        GetCursorPos(&at);
        mTipPopup = std::make_unique<Ovo::Popup>(POINT{at.x - 3, at.y + 19}, this, mTipText);
    }
}

void TBmpTxtButton::EvMouseLeave() {
    if (!mTipText.IsEmpty()) {
        EndTip();
        mTipShown = false;
    }
    if (mHot)
        LeaveHot();
    mTrackingLeave = false;
    mClicked = false;
}

void TBmpTxtButton::PaintFrame(OWL::TDC& dc, OWL::TRect& face) {
    if (!mClassic)
        return;
    const OWL::TUIBorder border(face, Pressed() ? OWL::TUIBorder::ButtonDn : OWL::TUIBorder::ButtonUp);
    border.Paint(dc);
    face = border.GetClientRect();
}

void TBmpTxtButton::PaintDefaultRect(OWL::TDC& dc, OWL::TRect& face) {
    if (mClassic)
        OWL::TGlyphButton::PaintDefaultRect(dc, face);
}

void TBmpTxtButton::PaintFace(OWL::TDC& dc, const OWL::TRect& face) {
    if (mClassic) {
        PaintClassicFace(dc, face);
        return;
    }
    HTHEME theme = TryOpenTheme(GetHandle(), mThemeClass);
    if (theme == nullptr) {
        mClassic = true;
        PaintClassicFace(dc, face);
        return;
    }
    mPaintedState = ThemeState(*this);
    try {
        if (!mParentBrushBackground) {
            OvoLinkingUtils::UxThemeDLL::DrawThemeParentBackground(GetHandle(), dc, &face);
        } else {
            auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParentH(), WM_CTLCOLORBTN,
                                                               reinterpret_cast<WPARAM>(dc.GetHDC()),
                                                               reinterpret_cast<LPARAM>(GetHandle())));
            dc.FillRect(face, brush);
        }
        OvoLinkingUtils::UxThemeDLL::DrawThemeBackground(theme, dc, BP_PUSHBUTTON, mPaintedState, &face);
    } catch (const std::exception&) { // the entries went away: the face stays plain
    }
    DrawGlyphAndCaption(dc, face, true);
    CloseTheme(theme);
}

void TBmpTxtButton::PaintClassicFace(OWL::TDC& dc, const OWL::TRect& face) {
    dc.FillRect(face, GetSysColorBrush(COLOR_3DFACE));
    DrawGlyphAndCaption(dc, face, false);
    if (IsSet(biFocus))
        PaintFocusRect(dc, face);
}

void TBmpTxtButton::PaintFocusRect(OWL::TDC& dc, const OWL::TRect& face) {
    const int inset = mClassic ? 2 : 3;
    dc.DrawFocusRect(
        OWL::TRect(face.left + inset, face.top + inset, face.right - inset, face.bottom - inset));
    mFocusCue = false;
}

void TBmpTxtButton::DrawGlyphAndCaption(OWL::TDC& dc, const OWL::TRect& face, bool themed) {
    const bool disabled = IsSet(biDisabled);
    const int cel = Pressed() && IsSet(biGlyphSelected) ? 1 : disabled && IsSet(biGlyphDisabled) ? 2 : 0;
    const OWL::TSize glyph = IsSet(biShowGlyph) ? GetCelSize() : OWL::TSize(0, 0);
    const std::u16string text =
        IsSet(biShowText) ? WithoutAmpersands(GetWindowTextString()) : std::u16string();
    bool created = false;
    HFONT font = text.empty() ? nullptr : CaptionFont(*this, created);
    HGDIOBJ oldFont = font ? ::SelectObject(dc, font) : nullptr;
    OWL::TRect measured(0, 0, face.Width() - glyph.cx, 0x7FFF);
    if (!text.empty())
        dc.DrawText(text.c_str(), -1, measured, DT_CALCRECT | DT_WORDBREAK);
    const OWL::TSize textSize = text.empty() ? OWL::TSize(0, 0) : measured.Size();
    OWL::TRect textRect, glyphRect;
    LayoutTextGlyph(face, textSize, glyph, textRect, glyphRect);
    if (themed && textRect.Height() < textSize.cy) {
        const int h = textSize.cy;
        textRect.top = (face.top + face.bottom) / 2 - static_cast<int>(std::floor(h * 0.5 + 0.5));
        textRect.bottom = textRect.top + h;
    }
    if (!themed && Pressed()) {
        if (cel != 1)
            glyphRect = Offset(glyphRect, 1);
        textRect = Offset(textRect, 1);
    }
    if (OWL::TBitmap* bitmap = glyph.cx > 0 ? GetGlyph(cel) : nullptr) {
        if (!disabled) {
            HDC memory = CreateCompatibleDC(dc);
            HBITMAP copy = CreateCompatibleBitmap(dc, glyph.cx, glyph.cy);
            HGDIOBJ oldCopy = ::SelectObject(memory, copy);
            HDC source = CreateCompatibleDC(dc);
            HGDIOBJ oldSource = ::SelectObject(source, bitmap->GetHandle());
            BitBlt(memory, 0, 0, glyph.cx, glyph.cy, source, 0, 0, SRCCOPY);
            ::SelectObject(source, oldSource);
            DeleteDC(source);
            TransparentBlt(dc, glyphRect.left, glyphRect.top, glyph.cx, glyph.cy, memory, 0, 0, glyph.cx,
                           glyph.cy, ::GetPixel(memory, 0, 0));
            ::SelectObject(memory, oldCopy);
            DeleteObject(copy);
            DeleteDC(memory);
        } else {
            DrawDisabledGlyph(dc, *bitmap, glyphRect);
        }
    }
    if (!text.empty()) {
        if (disabled) {
            const OWL::TUIFace caption(textRect, text, OWL::TColor::None,
                                       DT_CENTER | DT_VCENTER | DT_WORDBREAK);
            caption.Paint(dc, OWL::TUIFace::Disabled, OWL::TColor::Sys3dHilight);
        } else {
            dc.SetBkMode(TRANSPARENT);
            dc.SetTextColor(OWL::TColor::SysColor(COLOR_BTNTEXT));
            dc.DrawText(text.c_str(), -1, textRect, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
        }
    }
    if (themed && IsSet(biFocus) && mFocusCue)
        PaintFocusRect(dc, face);
    if (font) {
        ::SelectObject(dc, oldFont);
        if (created)
            DeleteObject(font);
    }
}

void TBmpTxtButton::DrawDisabledGlyph(OWL::TDC& dc, OWL::TBitmap& glyph, const OWL::TRect& at) {
    EnsureGdiplusStarted();
    std::unique_ptr<Gdiplus::Bitmap> image(Gdiplus::Bitmap::FromHBITMAP(glyph.GetHandle(), nullptr));
    if (image->GetLastStatus() != Gdiplus::Ok)
        return;
    Gdiplus::ImageAttributes attributes;
    if (image->GetPixelFormat() != Gdiplus::PixelFormat32bppPARGB) {
        const Gdiplus::ColorMap grey{Gdiplus::Color(0xFFC0C0C0), Gdiplus::Color(0x00000000)};
        attributes.SetRemapTable(1, &grey);
    }
    const double pi = std::acos(-1.0);
    const auto wRG = static_cast<Gdiplus::REAL>(0.4 * std::cos(pi / 4) * std::cos(38 * pi / 180));
    const auto wB = static_cast<Gdiplus::REAL>(0.4 * std::sin(38 * pi / 180));
    const Gdiplus::ColorMatrix pale{{{wRG, wRG, wB, 0, 0},
                                     {wRG, wRG, wB, 0, 0},
                                     {wRG, wRG, wB, 0, 0},
                                     {0, 0, 0, 1, 0},
                                     {0.4f, 0.4f, 0.4f, 0, 1}}};
    attributes.SetColorMatrix(&pale);
    Gdiplus::Graphics graphics(dc);
    const int w = static_cast<int>(image->GetWidth()), h = static_cast<int>(image->GetHeight());
    graphics.DrawImage(image.get(), Gdiplus::Rect{at.left, at.top, w, h}, 0, 0, w, h, Gdiplus::UnitPixel,
                       &attributes);
}

} // namespace OvoControls

#include "platform/owl/TGlyphButton.h"

#include "platform/owl/TPaintDC.h"
#include "platform/owl/TUIBorder.h"
#include "platform/user/dialog_api.h"
#include "platform/user/input_api.h"
#include "platform/user/window_api.h"

namespace OWL {

DEFINE_RESPONSE_TABLE1(TGlyphButton, TButton)
EV_WM_LBUTTONDOWN, EV_WM_LBUTTONUP, EV_WM_MOUSEMOVE, EV_WM_KEYDOWN, EV_WM_KEYUP, EV_WM_SETFOCUS,
    EV_WM_KILLFOCUS, EV_WM_ERASEBKGND, ::OWL::entries::Void<TMyClass>(WM_PAINT, &TWindow::PaintObject),
    ::OWL::entries::Void<TMyClass>(WM_CANCELMODE, &TMyClass::EvCancelMode),
    ::OWL::entries::Mouse<TMyClass>(WM_LBUTTONDBLCLK, &TMyClass::EvLButtonDown),
    EV_MESSAGE(WM_ENABLE, EvEnable), EV_MESSAGE(WM_GETFONT, EvGetFont), EV_MESSAGE(WM_SETFONT, EvSetFont),
    EV_MESSAGE(BM_SETSTATE, EvSetState), EV_MESSAGE(BM_GETSTATE, EvGetState),
    EV_MESSAGE(WM_GETDLGCODE, EvGetDlgCode), END_RESPONSE_TABLE;

TGlyphButton::TGlyphButton(TWindow* parent, int id, LPCWSTR text, int x, int y, int w, int h, int type,
                           bool isDefault, TModule* module)
    : TButton(parent, id, text, x, y, w, h, isDefault, module), mType(type) {
    if (isDefault)
        Set(biDefault);
}

TGlyphButton::TGlyphButton(TWindow* parent, int resourceId, int type, TModule* module)
    : TButton(parent, resourceId, module), mType(type) {}

TGlyphButton::~TGlyphButton() = default;

void TGlyphButton::SetupWindow() {
    TButton::SetupWindow();
    if ((GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        Set(biDefault);
    if (!IsWindowEnabled())
        Set(biDisabled);
}

void TGlyphButton::SetGlyph(TBitmap* bitmap, TGlyphType type) {
    mGlyphs[type].reset(bitmap);
    const UINT bit = type == gtUp ? biShowGlyph : type == gtSelected ? biGlyphSelected : biGlyphDisabled;
    if (bitmap != nullptr)
        Set(bit);
    else
        Clear(bit);
    if (GetHandle() != nullptr)
        Invalidate(false);
}

TBitmap* TGlyphButton::GetGlyph(int cel) const {
    return cel >= 0 && cel < 3 ? mGlyphs[cel].get() : nullptr;
}

TSize TGlyphButton::GetCelSize() const {
    return mGlyphs[gtUp] ? TSize(mGlyphs[gtUp]->Width(), mGlyphs[gtUp]->Height()) : TSize(0, 0);
}

void TGlyphButton::Paint(TDC& dc, bool, TRect&) {
    TRect face = GetClientRect();
    PaintFrame(dc, face);
    PaintDefaultRect(dc, face);
    PaintFace(dc, face);
}

void TGlyphButton::PaintFrame(TDC& dc, TRect& face) {
    const TUIBorder border(face, IsSet(biPushed) ? TUIBorder::ButtonDn : TUIBorder::ButtonUp);
    border.Paint(dc);
    face = border.GetClientRect();
}

void TGlyphButton::PaintDefaultRect(TDC& dc, TRect& face) {
    if (!IsSet(biDefault))
        return;
    const TRect outer = GetClientRect();
    dc.FrameRect(outer, GetSysColorBrush(COLOR_WINDOWFRAME));
}

void TGlyphButton::LayoutTextGlyph(const TRect& face, const TSize& text, const TSize& glyph, TRect& textRect,
                                   TRect& glyphRect) const {
    const int gap = text.cx > 0 && glyph.cx > 0 ? 4 : 0;
    const int total = glyph.cx + gap + text.cx;
    const int left = face.left + std::max<int>(0, (face.Width() - total) / 2);
    glyphRect = TRect(left, face.top + (face.Height() - glyph.cy) / 2, left + glyph.cx,
                      face.top + (face.Height() - glyph.cy) / 2 + glyph.cy);
    const int textLeft = left + glyph.cx + gap;
    const int top = std::max<int>(face.top, face.top + (face.Height() - text.cy) / 2);
    textRect = TRect(textLeft, top, std::min<int>(face.right, textLeft + text.cx),
                     std::min<int>(face.bottom, top + text.cy));
}

void TGlyphButton::PaintFace(TDC& dc, const TRect& face) {
    dc.FillRect(face, GetSysColorBrush(COLOR_3DFACE));
    const int cel = IsSet(biPushed) && IsSet(biGlyphSelected)     ? 1
                    : IsSet(biDisabled) && IsSet(biGlyphDisabled) ? 2
                                                                  : 0;
    const TSize glyph = IsSet(biShowGlyph) ? GetCelSize() : TSize(0, 0);
    const std::u16string text = IsSet(biShowText) ? GetWindowTextString() : std::u16string();
    HGDIOBJ oldFont = ::SelectObject(dc, mFont ? mFont : GetStockObject(DEFAULT_GUI_FONT));
    TRect measure(0, 0, face.Width() - glyph.cx, 0x7FFF);
    if (!text.empty())
        dc.DrawText(text.c_str(), -1, measure, DT_CALCRECT | DT_WORDBREAK);
    TRect textRect, glyphRect;
    LayoutTextGlyph(face, text.empty() ? TSize(0, 0) : measure.Size(), glyph, textRect, glyphRect);
    if (IsSet(biPushed)) {
        textRect = TRect(textRect.left + 1, textRect.top + 1, textRect.right + 1, textRect.bottom + 1);
        glyphRect = TRect(glyphRect.left + 1, glyphRect.top + 1, glyphRect.right + 1, glyphRect.bottom + 1);
    }
    if (TBitmap* bitmap = glyph.cx > 0 ? GetGlyph(cel) : nullptr) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(source, bitmap->GetHandle());
        dc.BitBlt(glyphRect.left, glyphRect.top, glyph.cx, glyph.cy, source, 0, 0);
        ::SelectObject(source, old);
        DeleteDC(source);
    }
    if (!text.empty()) {
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(TColor::SysColor(IsSet(biDisabled) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        dc.DrawText(text.c_str(), -1, textRect, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
    }
    ::SelectObject(dc, oldFont);
    if (IsSet(biFocus))
        PaintFocusRect(dc, face);
}

void TGlyphButton::PaintFocusRect(TDC& dc, const TRect& face) {
    dc.DrawFocusRect(TRect(face.left + 2, face.top + 2, face.right - 2, face.bottom - 2));
}

void TGlyphButton::NotifyClicked() {
    if (HWND parent = GetParentH())
        ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetId(), BN_CLICKED),
                       reinterpret_cast<LPARAM>(GetHandle()));
}

void TGlyphButton::EvLButtonDown(UINT, const TPoint&) {
    ::SetFocus(GetHandle());
    SetCapture();
    Set(biPushed);
    Invalidate(false);
}

void TGlyphButton::EvMouseMove(UINT, const TPoint& point) {
    if (::GetCapture() != GetHandle())
        return;
    const bool inside = GetClientRect().Contains(point);
    if (inside != IsSet(biPushed)) {
        inside ? Set(biPushed) : Clear(biPushed);
        Invalidate(false);
    }
}

void TGlyphButton::EvLButtonUp(UINT, const TPoint& point) {
    if (::GetCapture() != GetHandle())
        return;
    ReleaseCapture();
    const bool click = IsSet(biPushed) && GetClientRect().Contains(point);
    Clear(biPushed);
    Invalidate(false);
    if (click)
        NotifyClicked();
}

void TGlyphButton::EvKeyDown(UINT key, UINT, UINT) {
    if (key == VK_SPACE && !IsSet(biPushed)) {
        Set(biPushed);
        Invalidate(false);
    }
}

void TGlyphButton::EvKeyUp(UINT key, UINT, UINT) {
    if (key == VK_SPACE && IsSet(biPushed)) {
        Clear(biPushed);
        Invalidate(false);
        NotifyClicked();
    }
}

void TGlyphButton::EvSetFocus(HWND) {
    Set(biFocus);
    Invalidate(false);
}

void TGlyphButton::EvKillFocus(HWND) {
    Clear(biFocus | biPushed);
    if (::GetCapture() == GetHandle())
        ReleaseCapture();
    Invalidate(false);
}

void TGlyphButton::EvCancelMode() {
    if (::GetCapture() == GetHandle())
        ReleaseCapture();
    Clear(biPushed);
    Invalidate(false);
}

LRESULT TGlyphButton::EvEnable(WPARAM enabled, LPARAM) {
    enabled ? Clear(biDisabled) : Set(biDisabled);
    Invalidate(false);
    return 0;
}

LRESULT TGlyphButton::EvGetFont(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(mFont);
}

LRESULT TGlyphButton::EvSetFont(WPARAM font, LPARAM redraw) {
    mFont = reinterpret_cast<HFONT>(font);
    if (redraw)
        Invalidate(false);
    return 0;
}

LRESULT TGlyphButton::EvSetState(WPARAM pushed, LPARAM) {
    if ((pushed != 0) != IsSet(biPushed)) {
        pushed ? Set(biPushed) : Clear(biPushed);
        Invalidate(false);
    }
    return 0;
}

LRESULT TGlyphButton::EvGetState(WPARAM, LPARAM) {
    return (IsSet(biPushed) ? BST_PUSHED : 0) | (IsSet(biFocus) ? BST_FOCUS : 0);
}

LRESULT TGlyphButton::EvGetDlgCode(WPARAM, LPARAM) {
    return IsSet(biDefault) ? DLGC_BUTTON | DLGC_DEFPUSHBUTTON : DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
}

} // namespace OWL

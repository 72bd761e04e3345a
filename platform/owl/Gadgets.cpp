#include <algorithm>

#include "platform/owl/TButtonTextGadget.h"
#include "platform/owl/TGadgetWindow.h"
#include "platform/owl/TMemoryDC.h"
#include "platform/owl/TModule.h"
#include "platform/user/input_api.h"

namespace OWL {

TGadget::TGadget(int id) : mId(id) {}

TGadget::~TGadget() {
    if (mWindow != nullptr)
        mWindow->Remove(*this);
}

void TGadget::SetEnabled(bool enabled) {
    if (mEnabled != enabled) {
        mEnabled = enabled;
        Invalidate();
    }
}

void TGadget::GetDesiredSize(TSize& size) {
    size = FrameSize();
}

TSize TGadget::FrameSize() const {
    return TSize(mBorders.left + mBorders.right + mMargins.left + mMargins.right,
                 mBorders.top + mBorders.bottom + mMargins.top + mMargins.bottom);
}

void TGadget::SetBounds(const TRect& bounds) {
    if (bounds == mBounds)
        return;
    Invalidate();
    mBounds = bounds;
    Invalidate();
    Moved();
}

bool TGadget::IdleAction(long) {
    CommandEnable();
    return false;
}

bool TGadget::PtIn(const TPoint& point) {
    return mVisible && point.x >= 0 && point.y >= 0 && point.x < mBounds.Width() &&
           point.y < mBounds.Height();
}

void TGadget::Paint(TDC& dc) {
    PaintBorder(dc);
}

void TGadget::PaintBorder(TDC&) {}

TRect TGadget::GetInnerRect() const {
    return TRect(mBorders.left + mMargins.left, mBorders.top + mMargins.top,
                 mBounds.Width() - mBorders.right - mMargins.right,
                 mBounds.Height() - mBorders.bottom - mMargins.bottom);
}

void TGadget::Invalidate(bool erase) const {
    if (mWindow != nullptr && mWindow->GetHandle() != nullptr && !mBounds.IsEmpty())
        mWindow->InvalidateRect(mBounds, erase);
}

TButtonGadget::TButtonGadget(int glyphResourceId, int id, TType type, bool enabled, TState state,
                             bool sharedGlyph)
    : TGadget(id), mGlyphResourceId(glyphResourceId), mType(type), mState(state), mSharedGlyph(sharedGlyph) {
    mEnabled = enabled;
    mBorders = TRect(3, 3, 3, 3);
}

void TButtonGadget::GetDesiredSize(TSize& size) {
    TGadget::GetDesiredSize(size);
    if (HBITMAP glyph = GetGlyphDib()) {
        BITMAP b{};
        GetObjectW(glyph, sizeof b, &b);
        size.cx += b.bmWidth;
        size.cy += b.bmHeight;
    }
}

void TButtonGadget::CommandEnable() {
    if (mWindow == nullptr || mWindow->GetHandle() == nullptr)
        return;
    TButtonGadgetEnabler enabler(mWindow->GetHandle(), *this);
    mWindow->SendMessage(WM_COMMAND_ENABLE, 0, reinterpret_cast<LPARAM>(&enabler));
}

void TButtonGadget::Paint(TDC& dc) {
    PaintBorder(dc);
    PaintFace(dc, GetInnerRect());
}

// Raised, or sunk while pressed or down; in the flat style raised only while
// the pointer is over the enabled button.
void TButtonGadget::PaintBorder(TDC& dc) {
    const bool sunk = mPressed || mState == Down;
    if (!sunk && !(mPointerOver && mEnabled) && mWindow != nullptr && (TGadgetWindow::GetFlatStyle() & 1))
        return;
    const TRect r(0, 0, mBounds.Width(), mBounds.Height());
    HBRUSH light = GetSysColorBrush(sunk ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
    HBRUSH dark = GetSysColorBrush(sunk ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    dc.FillRect(TRect(r.left, r.top, r.right, r.top + 1), light);
    dc.FillRect(TRect(r.left, r.top, r.left + 1, r.bottom), light);
    dc.FillRect(TRect(r.left, r.bottom - 1, r.right, r.bottom), dark);
    dc.FillRect(TRect(r.right - 1, r.top, r.right, r.bottom), dark);
}

// The glyph centred, its top-left pixel's colour transparent; grey text
// colour stands in for a disabled glyph's pixels.
void TButtonGadget::PaintFace(TDC& dc, const TRect& rect) {
    HBITMAP glyph = GetGlyphDib();
    if (glyph == nullptr || mState == Indeterminate)
        return;
    BITMAP b{};
    GetObjectW(glyph, sizeof b, &b);
    const int shift = mPressed && mOffsetWhenPressed ? 1 : 0;
    const int x = rect.left + (rect.Width() - b.bmWidth) / 2 + shift;
    const int y = rect.top + (rect.Height() - b.bmHeight) / 2 + shift;
    TMemoryDC source(dc);
    TBitmap borrowed(glyph, false);
    source.SelectObject(borrowed);
    TransparentBlt(dc, x, y, b.bmWidth, b.bmHeight, source, 0, 0, b.bmWidth, b.bmHeight,
                   ::GetPixel(source, 0, 0));
}

HBITMAP TButtonGadget::GetGlyphDib() {
    if (mGlyph == nullptr && mGlyphResourceId != 0 && mWindow != nullptr) {
        TModule* module = mWindow->GetModule();
        mGlyph = LoadBitmapW(module ? module->GetHandle() : nullptr,
                             MAKEINTRESOURCEW(static_cast<WORD>(mGlyphResourceId)));
    }
    return mGlyph;
}

void TButtonGadget::ReleaseGlyphDib() {
    if (mGlyph != nullptr)
        DeleteObject(mGlyph);
    mGlyph = nullptr;
}

void TButtonGadget::SetButtonState(TState state) {
    if (mState != state) {
        mState = state;
        Invalidate();
    }
}

void TButtonGadget::BeginPressed(const TPoint&) {
    mPressed = true;
    Invalidate();
}

void TButtonGadget::CancelPressed(const TPoint&, bool) {
    mPressed = false;
    Invalidate();
}

void TButtonGadget::Activate(const TPoint&) {
    if (mType == NonExclusive)
        SetButtonState(mState == Down ? Up : Down);
    else if (mType == Exclusive)
        SetButtonState(Down);
    if (mWindow != nullptr)
        mWindow->GadgetActivated(*this);
}

void TButtonGadget::LButtonDown(UINT, const TPoint& point) {
    if (!mEnabled || mWindow == nullptr)
        return;
    BeginPressed(point);
    mWindow->GadgetSetCapture(*this);
}

void TButtonGadget::MouseEnter(UINT, const TPoint&) {
    mPointerOver = true;
    if (TGadgetWindow::GetFlatStyle() & 1)
        Invalidate();
}

void TButtonGadget::MouseLeave(UINT, const TPoint&) {
    mPointerOver = false;
    if (TGadgetWindow::GetFlatStyle() & 1)
        Invalidate();
}

void TButtonGadget::MouseMove(UINT, const TPoint& point) {
    if (mWindow == nullptr || mWindow->GadgetWithCapture() != this)
        return;
    const bool inside = PtIn(point);
    if (inside != mPressed) {
        mPressed = inside;
        Invalidate();
    }
}

void TButtonGadget::LButtonUp(UINT, const TPoint& point) {
    if (mWindow == nullptr || mWindow->GadgetWithCapture() != this)
        return;
    mWindow->GadgetReleaseCapture(*this);
    const bool activate = mPressed && PtIn(point);
    CancelPressed(point, true);
    if (activate)
        Activate(point);
}

TButtonGadgetEnabler::TButtonGadgetEnabler(HWND receiver, TButtonGadget& gadget)
    : TCommandEnabler(static_cast<UINT>(gadget.GetId()), receiver), mGadget(gadget) {}

void TButtonGadgetEnabler::Enable(bool enable) {
    TCommandEnabler::Enable(enable);
    mGadget.SetEnabled(enable);
}

void TButtonGadgetEnabler::SetCheck(int state) {
    TCommandEnabler::SetCheck(state);
    if (!mGadget.IgnoresCheck())
        mGadget.SetButtonState(static_cast<TButtonGadget::TState>(state));
}

TButtonTextGadget::TButtonTextGadget(int id, int glyphResourceId, TStyle style, TType type, bool enabled,
                                     TState state, bool sharedGlyph, UINT numChars)
    : TButtonGadget(glyphResourceId, id, type, enabled, state, sharedGlyph), mStyle(style),
      mNumChars(numChars) {}

HFONT TButtonTextGadget::GetFont() const {
    if (mFont != nullptr)
        return mFont;
    return mWindow ? mWindow->GetFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

TSize TButtonTextGadget::GetTextSize() const {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, GetFont());
    SIZE s{0, 0};
    GetTextExtentPoint32W(screen, mText.c_str(), static_cast<int>(mText.size()), &s);
    ::SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return s;
}

void TButtonTextGadget::Paint(TDC& dc) {
    TButtonGadget::Paint(dc);
    if (!(mStyle & sText) || mState == Indeterminate)
        return;
    HGDIOBJ old = ::SelectObject(dc, GetFont());
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, GetSysColor(mEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    TRect r = GetInnerRect();
    const UINT align = mAlign == Left ? DT_LEFT : mAlign == Right ? DT_RIGHT : DT_CENTER;
    DrawTextW(dc, mText.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | align);
    ::SelectObject(dc, old);
}

} // namespace OWL

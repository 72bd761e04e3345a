#include "controls/UxSizableButtonGadget.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "controls/GdiPlusBitmap.h"
#include "controls/GdiplusStarter.h"
#include "controls/ThemeOpen.h"
#include "controls/UxThemeDLL.h"
#include "module/HostServices.h"
#include "platform/owl/TClientDC.h"
#include "platform/owl/TGadgetWindow.h"
#include "platform/owl/TModule.h"
#include "platform/owl/TXOwl.h"

using OvoLinkingUtils::UxThemeDLL;

namespace {

constexpr int kGap = 2;
constexpr Gdiplus::ARGB kPressedOverlay = 0x14007ED2;

LPCWSTR ClassList(int choice) {
    return choice == UxSizableButtonGadget::kButtonClass ? u"BUTTON" : u"TOOLBAR";
}

HWND HostMainWindow() {
    IHostApplication* application = Tarvik::GetHostApplication();
    HWND main = nullptr;
    if (application != nullptr)
        application->GetMainWindow(&main);
    return main;
}

// Each output channel s_c x (R + G + B) + 0.4, alpha kept: s = 0.4 x (cos 38
// cos 45, cos 38 sin 45, sin 38) degrees.
const Gdiplus::ColorMatrix& DisabledMatrix() {
    static const Gdiplus::ColorMatrix m = [] {
        const double a = 0.6632251157578453, b = 0.7853981633974483;
        const float s[3] = {static_cast<float>(0.4 * std::cos(a) * std::cos(b)),
                            static_cast<float>(0.4 * std::cos(a) * std::sin(b)),
                            static_cast<float>(0.4 * std::sin(a))};
        Gdiplus::ColorMatrix out{};
        for (int in = 0; in < 3; ++in)
            for (int c = 0; c < 3; ++c)
                out.m[in][c] = s[c];
        out.m[3][3] = 1;
        for (int c = 0; c < 3; ++c)
            out.m[4][c] = 0.4f;
        return out;
    }();
    return m;
}

// The image of a PNG resource (copied into a premultiplied bitmap), else of a
// bitmap resource; null when neither loads.
std::unique_ptr<Gdiplus::Image> LoadGlyph(int id, HINSTANCE module) {
    if (id == 0)
        return nullptr;
    if (Gdiplus::Bitmap* png = LoadPngScaled(static_cast<WORD>(id), module))
        return std::unique_ptr<Gdiplus::Image>(png);
    std::unique_ptr<Gdiplus::Bitmap> bitmap(LoadGdiplusBitmapFromResource(static_cast<WORD>(id), module));
    if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    return bitmap;
}

} // namespace

UxSizableButtonGadget::UxSizableButtonGadget(int id, int glyphResourceId, TType type, TState state)
    : OWL::TButtonTextGadget(id, glyphResourceId, sBitmap, type, true, state, false, 4),
      mThemeClass(kButtonClass) {
    Initialise();
}

UxSizableButtonGadget::UxSizableButtonGadget(TextKind, int id, int glyphResourceId, TType type)
    : OWL::TButtonTextGadget(id, glyphResourceId, sBitmap, type, true, Up, false, 0),
      mThemeClass(kButtonClass) {
    Initialise();
    mFlags = 8;
}

UxSizableButtonGadget::UxSizableButtonGadget(int id, TStyle style, TType type, bool enabled, TState state,
                                             bool shared, UINT numChars, int themeClass,
                                             std::unique_ptr<Gdiplus::Image> image)
    : OWL::TButtonTextGadget(id, 0, style, type, enabled, state, shared, numChars), mThemeClass(themeClass),
      mImage0(std::move(image)) {
    Initialise();
}

UxSizableButtonGadget::~UxSizableButtonGadget() {
    CloseTheme(mTheme);
}

void UxSizableButtonGadget::Initialise() {
    EnsureGdiplusStarted();
    if (const HWND main = HostMainWindow(); main != nullptr && PlatformThemes())
        OpenTheme(main);
    UpdateImageSize();
}

void UxSizableButtonGadget::OpenTheme(HWND window) {
    if (mTheme == nullptr)
        mTheme = TryOpenTheme(window, ClassList(mThemeClass));
}

void UxSizableButtonGadget::EnsureImage() {
    if (mImage0 || mWindow == nullptr)
        return;
    OWL::TModule* module = mWindow->GetModule();
    mImage0 = LoadGlyph(mGlyphResourceId, module ? module->GetHandle() : nullptr);
    UpdateImageSize();
}

void UxSizableButtonGadget::UpdateImageSize() {
    mImageSize = mImage0
                     ? SIZE{static_cast<LONG>(mImage0->GetWidth()), static_cast<LONG>(mImage0->GetHeight())}
                     : SIZE{0, 0};
}

void UxSizableButtonGadget::SetLook(UINT bits, bool on) {
    mLook = on ? mLook | bits : mLook & ~bits;
}

void UxSizableButtonGadget::GetImageDesiredSize(OWL::TSize& size) {
    OWL::TButtonTextGadget::GetDesiredSize(size);
    if (mShrinkWrapWidth)
        size.cx += mImageSize.cx;
    if (mShrinkWrapHeight)
        size.cy += mImageSize.cy;
}

void UxSizableButtonGadget::GetDesiredSize(OWL::TSize& size) {
    if (!mVisible) {
        size = OWL::TSize(0, 0);
        return;
    }
    EnsureImage();
    if (mStyle & sBitmap)
        GetImageDesiredSize(size);
    else
        OWL::TButtonTextGadget::GetDesiredSize(size);
    if (!(mStyle & sText))
        return;
    const OWL::TSize text = GetTextSize();
    const OWL::TSize frame = FrameSize();
    const LONG bw = frame.cx, bh = frame.cy;
    if (mLayout == lTextLeft || mLayout == lTextRight) {
        if (mShrinkWrapWidth)
            size.cx += text.cx;
        if (mShrinkWrapHeight)
            size.cy = std::max(size.cy, text.cy + bh);
    } else {
        if (mShrinkWrapWidth)
            size.cx = std::max(size.cx, text.cx + bw);
        if (mShrinkWrapHeight)
            size.cy += text.cy;
    }
}

void UxSizableButtonGadget::SetBounds(const OWL::TRect& bounds) {
    OWL::TButtonTextGadget::SetBounds(bounds);
    const OWL::TRect inner = GetInnerRect();
    mImageOrigin = OWL::TPoint(inner.left + (inner.Width() - mImageSize.cx) / 2,
                               inner.top + (inner.Height() - mImageSize.cy) / 2);
}

void UxSizableButtonGadget::Layout(const OWL::TRect& inner, OWL::TRect& text, OWL::TRect& image) {
    const bool bitmap = (mStyle & sBitmap) != 0, withText = (mStyle & sText) != 0;
    if (bitmap && !withText) {
        image = inner;
        return;
    }
    if (withText && !bitmap) {
        text = inner;
        return;
    }
    const OWL::TSize t = GetTextSize();
    const LONG iw = mImageSize.cx;
    const LONG L = inner.left, T = inner.top, R = inner.right, B = inner.bottom;
    switch (mLayout) {
    case lTextLeft:
        text = OWL::TRect(L, T, L + t.cx, B);
        image = OWL::TRect(L + t.cx + kGap, T, R, B);
        break;
    case lTextTop:
        text = OWL::TRect(L, T, R, T + t.cy);
        image = OWL::TRect(L, T + t.cy + kGap, R, B + kGap);
        break;
    case lTextRight:
        text = OWL::TRect(L + iw + kGap, T, R, B);
        image = OWL::TRect(L, T, L + iw, B);
        break;
    default:
        text = OWL::TRect(L, B - t.cy, R, B);
        image = OWL::TRect(L, T, R, B - t.cy);
        break;
    }
}

void UxSizableButtonGadget::CommandEnable() {
    if (mWindow == nullptr || mWindow->GetHandle() == nullptr)
        return;
    UxSizableButtonGadgetEnabler enabler(mWindow->GetHandle(), *this);
    mWindow->SendMessage(OWL::WM_COMMAND_ENABLE, 0, reinterpret_cast<LPARAM>(&enabler));
}

void UxSizableButtonGadget::SysColorChange() {
    OWL::TButtonTextGadget::SysColorChange();
    try {
        if (!UxThemeDLL::IsAppThemed() || !UxThemeDLL::IsThemeActive())
            return;
    } catch (const OWL::TXOwl&) {
        return;
    }
    CloseTheme(mTheme);
    if (mWindow != nullptr)
        OpenTheme(mWindow->GetHandle());
}

void UxSizableButtonGadget::Created() {
    OWL::TButtonTextGadget::Created();
    if (mTheme == nullptr && mWindow != nullptr && PlatformThemes())
        OpenTheme(mWindow->GetHandle());
}

int UxSizableButtonGadget::ThemeState() {
    SetLook(kDisabled, !mEnabled);
    if (!mEnabled)
        SetLook(kHot, false);
    if (!mEnabled)
        return 4;
    if (mState == Down || (mLook & kPressed))
        return 3;
    return (mLook & kHot) ? 2 : 1;
}

// Down or pressed, and enabled: a faint blue over the rectangle inset by 2.
void UxSizableButtonGadget::PaintPressedOverlay(OWL::TDC& dc, const OWL::TRect& rect) {
    if ((mState != Down && !(mLook & kPressed)) || !mEnabled)
        return;
    Gdiplus::Graphics g(dc.GetHDC());
    Gdiplus::SolidBrush overlay{Gdiplus::Color(kPressedOverlay)};
    g.FillRectangle(&overlay, rect.left + 2, rect.top + 2, rect.Width() - 4, rect.Height() - 4);
}

void UxSizableButtonGadget::PaintThemedBackground(OWL::TDC& dc, const OWL::TRect& rect) {
    const int state = ThemeState();
    UxThemeDLL::DrawThemeParentBackground(mWindow ? mWindow->GetHandle() : nullptr, dc, &rect);
    UxThemeDLL::DrawThemeBackground(mTheme, dc, 1, state, &rect);
    PaintPressedOverlay(dc, rect);
}

void UxSizableButtonGadget::PaintBorder(OWL::TDC& dc) {
    if (mTheme != nullptr)
        PaintThemedBackground(dc, OWL::TRect(0, 0, mBounds.Width(), mBounds.Height()));
    else
        OWL::TButtonTextGadget::PaintBorder(dc);
}

void UxSizableButtonGadget::Paint(OWL::TDC& dc) {
    if (!mVisible)
        return;
    EnsureImage();
    PaintBorder(dc);
    OWL::TRect text, image;
    Layout(GetInnerRect(), text, image);
    if (mStyle & sText)
        PaintText(dc, text);
    if (mStyle & sBitmap)
        PaintFace(dc, image);
}

void UxSizableButtonGadget::PaintFace(OWL::TDC& dc, const OWL::TRect&) {
    if (!mImage0 || mState == Indeterminate)
        return;
    Gdiplus::Image* image = mImage1 && mState == Down ? mImage1.get() : mImage0.get();
    OWL::TPoint at = mImageOrigin;
    const bool flatOffset = mState == Down && (OWL::TGadgetWindow::GetFlatStyle() & 1) && mOffsetWhenPressed;
    if (mEnabled && flatOffset)
        at = at.Offset(1, 1);
    Gdiplus::ImageAttributes attributes;
    if (image->GetPixelFormat() != Gdiplus::PixelFormat32bppPARGB) {
        const Gdiplus::ColorMap grey{Gdiplus::Color(0xFFC0C0C0), Gdiplus::Color(0x00000000)};
        attributes.SetRemapTable(1, &grey, Gdiplus::ColorAdjustTypeBitmap);
    }
    if (!mEnabled)
        attributes.SetColorMatrix(&DisabledMatrix(), Gdiplus::ColorMatrixFlagsDefault,
                                  Gdiplus::ColorAdjustTypeBitmap);
    Gdiplus::Graphics g(dc.GetHDC());
    g.DrawImage(image, Gdiplus::Rect{at.x, at.y, mImageSize.cx, mImageSize.cy}, 0, 0, mImageSize.cx,
                mImageSize.cy, Gdiplus::UnitPixel, &attributes);
}

void UxSizableButtonGadget::PaintText(OWL::TDC& dc, const OWL::TRect& rect) {
    if (mState == Indeterminate)
        return;
    HGDIOBJ old = SelectObject(dc, GetFont());
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const UINT align = mAlign == Left ? DT_LEFT : mAlign == Right ? DT_RIGHT : DT_CENTER;
    const UINT format = DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS | DT_VCENTER | align;
    OWL::TRect r = rect;
    if (mEnabled) {
        const COLORREF old = ::SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        dc.DrawText(mText.c_str(), -1, r, format);
        ::SetTextColor(dc, old);
    } else { // etched: highlight one pixel down-right, then shadow
        const COLORREF old = ::SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        OWL::TRect below(r.left + 1, r.top + 1, r.right + 1, r.bottom + 1);
        dc.DrawText(mText.c_str(), -1, below, format);
        ::SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
        dc.DrawText(mText.c_str(), -1, r, format);
        ::SetTextColor(dc, old);
    }
    dc.SetBkMode(oldMode);
    SelectObject(dc, old);
}

std::unique_ptr<Gdiplus::Image> UxSizableButtonGadget::SetImage(int which,
                                                                std::unique_ptr<Gdiplus::Image> image) {
    std::unique_ptr<Gdiplus::Image> previous;
    if (which == 0) {
        previous = std::exchange(mImage0, std::move(image));
        UpdateImageSize();
    } else {
        previous = std::exchange(mImage1, std::move(image));
    }
    if (mWindow != nullptr && mWindow->GetHandle() != nullptr && (mStyle & sBitmap)) {
        OWL::TClientDC dc(mWindow->GetHandle());
        dc.SetViewportOrg(OWL::TPoint(mBounds.left, mBounds.top));
        OWL::TRect text, imageRect;
        Layout(GetInnerRect(), text, imageRect);
        PaintFace(dc, imageRect);
    }
    return previous;
}

void UxSizableButtonGadget::MouseEnter(UINT modKeys, const OWL::TPoint& point) {
    OWL::TButtonTextGadget::MouseEnter(modKeys, point);
    if (mEnabled) {
        SetLook(kHot, true);
        Invalidate();
    }
}

void UxSizableButtonGadget::MouseLeave(UINT modKeys, const OWL::TPoint& point) {
    OWL::TButtonTextGadget::MouseLeave(modKeys, point);
    if (mEnabled) {
        SetLook(kHot, false);
        Invalidate();
    }
}

void UxSizableButtonGadget::LButtonDown(UINT modKeys, const OWL::TPoint& point) {
    OWL::TButtonTextGadget::LButtonDown(modKeys, point);
    SetLook(kHot, false);
    SetLook(kPressed, true);
    Invalidate();
}

void UxSizableButtonGadget::LButtonUp(UINT modKeys, const OWL::TPoint& point) {
    OWL::TButtonTextGadget::LButtonUp(modKeys, point);
    SetLook(kPressed, false);
    Invalidate();
}

UxSizableButtonGadgetEnabler::UxSizableButtonGadgetEnabler(HWND receiver, UxSizableButtonGadget& gadget)
    : OWL::TCommandEnabler(static_cast<UINT>(gadget.GetId()), receiver), mGadget(gadget) {}

void UxSizableButtonGadgetEnabler::Enable(bool enable) {
    OWL::TCommandEnabler::Enable(enable);
    mGadget.SetEnabled(enable);
}

void UxSizableButtonGadgetEnabler::SetText(LPCWSTR text) {
    OWL::TCommandEnabler::SetText(text);
    if ((mGadget.GetFlags() & 16) != 0 || !(mGadget.GetStyle() & OWL::TButtonTextGadget::sText))
        return;
    const std::u16string value = text ? text : u"";
    if (value != mGadget.GetText())
        mGadget.SetText(value);
}

void UxSizableButtonGadgetEnabler::SetCheck(int state) {
    OWL::TCommandEnabler::SetCheck(state);
    if (!mGadget.IgnoresCheck())
        mGadget.SetButtonState(static_cast<OWL::TButtonGadget::TState>(state));
}

void UxCustomButtonGadget::PaintThemedBackground(OWL::TDC& dc, const OWL::TRect& rect) {
    if (mWindow == nullptr)
        return;
    const int state = ThemeState();
    UxThemeDLL::DrawThemeBackground(mTheme, dc, 1, state, &rect);
    PaintPressedOverlay(dc, rect);
}

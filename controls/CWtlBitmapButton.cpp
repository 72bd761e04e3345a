#include "controls/CWtlBitmapButton.h"

#include <cmath>

#include "controls/GdiPlusBitmap.h"
#include "platform/gdi/gdi.h"

namespace WTLControls {

CWtlBitmapButton::~CWtlBitmapButton() {
    if (mIcon != nullptr)
        DestroyIcon(mIcon);
    ReplaceBitmap(mNormal, nullptr);
    ReplaceBitmap(mDisabled, nullptr);
}

void CWtlBitmapButton::ReplaceBitmap(HBITMAP& slot, HBITMAP bitmap) {
    if (slot != nullptr && slot != bitmap && DeleteObject(slot))
        slot = nullptr;
    slot = bitmap;
}

void CWtlBitmapButton::CreateGreyedBitmap(Gdiplus::Image* image) {
    auto* bitmap = dynamic_cast<Gdiplus::Bitmap*>(image);
    if (bitmap == nullptr)
        return;
    HBITMAP normal = nullptr;
    if (bitmap->GetHBITMAP(Gdiplus::Color(0xFF000000), &normal) == Gdiplus::Ok) {
        ReplaceBitmap(mNormal, normal);
        mKind = kBitmap;
    }
    const INT w = static_cast<INT>(image->GetWidth()), h = static_cast<INT>(image->GetHeight());
    Gdiplus::Bitmap grey(w, h, Gdiplus::PixelFormat32bppRGB);
    Gdiplus::Graphics g(&grey);
    Gdiplus::ImageAttributes attributes;
    attributes.SetColorMatrix(&GreyMatrix(), Gdiplus::ColorMatrixFlagsDefault,
                              Gdiplus::ColorAdjustTypeBitmap);
    g.DrawImage(image, Gdiplus::Rect{0, 0, w, h}, 0, 0, w, h, Gdiplus::UnitPixel, &attributes);
    HBITMAP disabled = nullptr;
    if (grey.GetHBITMAP(Gdiplus::Color(0xFF000000), &disabled) == Gdiplus::Ok)
        ReplaceBitmap(mDisabled, disabled);
    mKind = kBitmap;
}

void CWtlBitmapButton::SetIcon(HICON icon, int width, int height) {
    if (mIcon != nullptr && mIcon != icon)
        DestroyIcon(mIcon);
    mIcon = icon;
    mIconWidth = width;
    mIconHeight = height;
    mKind = kIcon;
}

void CWtlBitmapButton::SetImage(Gdiplus::Image* image) {
    mImage = image;
    mKind = kImage;
}

SIZE CWtlBitmapButton::ImageSize() const {
    switch (mKind) {
    case kIcon:
        return SIZE{mIconWidth, mIconHeight};
    case kBitmap: {
        BITMAP b{};
        if (mNormal == nullptr || GetObjectW(mNormal, sizeof b, &b) == 0)
            return SIZE{0, 0};
        return SIZE{b.bmWidth, b.bmHeight};
    }
    case kImage:
        return mImage ? SIZE{static_cast<LONG>(mImage->GetWidth()), static_cast<LONG>(mImage->GetHeight())}
                      : SIZE{0, 0};
    default:
        return SIZE{0, 0};
    }
}

// Centred at its own size (not stretched to the client area), its own
// top-left pixel transparent.
void CWtlBitmapButton::DrawBitmap(HDC dc, HBITMAP bitmap, POINT at, SIZE size) {
    if (bitmap == nullptr)
        return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    TransparentBlt(dc, at.x, at.y, size.cx, size.cy, source, 0, 0, size.cx, size.cy, GetPixel(source, 0, 0));
    SelectObject(source, old);
    DeleteDC(source);
}

void CWtlBitmapButton::DrawGreyIcon(HDC dc, POINT at, SIZE size) {
    if (size.cx <= 0 || size.cy <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, dib);
    DrawIconEx(memory, 0, 0, mIcon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
    AlphaBlend(dc, at.x, at.y, size.cx, size.cy, memory, 0, 0, size.cx, size.cy,
               BLENDFUNCTION{AC_SRC_OVER, 0, 127, AC_SRC_ALPHA});
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
}

LRESULT CWtlBitmapButton::OnPaint(UINT message, WPARAM wParam, LPARAM lParam, BOOL& handled) {
    DefWindowProc(message, wParam, lParam); // the standard face, text and focus first
    HDC dc = GetWindowDC();
    RECT client{};
    GetClientRect(&client);
    const SIZE size = ImageSize();
    const POINT at{static_cast<LONG>(std::trunc(client.right * 0.5 - size.cx * 0.5)),
                   static_cast<LONG>(std::trunc(client.bottom * 0.5 - size.cy * 0.5))};
    const bool enabled = IsWindowEnabled() != FALSE;
    if (mKind == kBitmap) {
        DrawBitmap(dc, enabled ? mNormal : mDisabled, at, size);
    } else if (mKind == kIcon) {
        if (enabled)
            DrawIconEx(dc, at.x, at.y, mIcon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
        else
            DrawGreyIcon(dc, at, size);
    } else if (mKind == kImage && mImage != nullptr) {
        Gdiplus::Graphics g(dc);
        if (enabled) {
            g.DrawImage(mImage, at.x, at.y);
        } else {
            Gdiplus::ImageAttributes grey;
            grey.SetColorMatrix(&GreyMatrix(), Gdiplus::ColorMatrixFlagsDefault,
                                Gdiplus::ColorAdjustTypeBitmap);
            g.DrawImage(mImage, Gdiplus::Rect{at.x, at.y, size.cx, size.cy}, 0, 0, size.cx, size.cy,
                        Gdiplus::UnitPixel, &grey);
        }
    }
    handled = TRUE;
    ReleaseDC(dc);
    return 0;
}

} // namespace WTLControls

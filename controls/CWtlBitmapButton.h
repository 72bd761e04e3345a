#pragma once
// A push button of the step dialogs that draws a picture centred on its face
// over the standard button, and a grey version of it while disabled: a
// bitmap (kind 0, its top-left pixel transparent), an icon (kind 1) or a
// GDI+ image (kind 2).

#include "platform/atl/CButton.h"
#include "platform/atl/CWindowImpl.h"
#include "platform/gdiplus/gdiplus.h"

namespace WTLControls {

class CWtlBitmapButton
    : public ATL::CWindowImpl<CWtlBitmapButton, WTL::CButtonT<ATL::CWindow>, ATL::CWinTraits<0x50000080, 0>> {
public:
    enum Kind { kBitmap = 0, kIcon = 1, kImage = 2 };

    CWtlBitmapButton() = default;
    ~CWtlBitmapButton() override;

    BEGIN_MSG_MAP(CWtlBitmapButton)
    MESSAGE_HANDLER(WM_PAINT, OnPaint)
    END_MSG_MAP()

    // The image as the normal bitmap (over opaque black) and its grey version
    // as the disabled bitmap; kind 0.
    void CreateGreyedBitmap(Gdiplus::Image* image);
    // Kind 1: the button takes the icon.
    void SetIcon(HICON icon, int width, int height);
    // Kind 2: the image stays the caller's.
    void SetImage(Gdiplus::Image* image);

    Kind GetKind() const { return mKind; }
    HBITMAP NormalBitmap() const { return mNormal; }
    HBITMAP DisabledBitmap() const { return mDisabled; }

private:
    LRESULT OnPaint(UINT message, WPARAM wParam, LPARAM lParam, BOOL& handled);
    SIZE ImageSize() const;
    void ReplaceBitmap(HBITMAP& slot, HBITMAP bitmap);
    void DrawBitmap(HDC dc, HBITMAP bitmap, POINT at, SIZE size);
    void DrawGreyIcon(HDC dc, POINT at, SIZE size);

    HBITMAP mNormal = nullptr;
    HBITMAP mDisabled = nullptr;
    HICON mIcon = nullptr;
    Gdiplus::Image* mImage = nullptr;
    Kind mKind = kBitmap;
    int mIconHeight = 0;
    int mIconWidth = 0;
};

} // namespace WTLControls

#pragma once
// Ovo::WhiteDlg<T>: the white look of the module's template dialogs. The
// dialog is white; a dialog with an OK (1) or Cancel (2) button gets a light
// grey band along its bottom edge, as far above the button as the button's
// bottom lies above the dialog's edge, topped by a one-pixel line. OK and
// Cancel are drawn on the band's grey, every other control on white, all with
// a transparent text background. The band is measured once, on the first
// erase: a dialog resized later keeps it where it was.
//
// The owning dialog chains its message map to WhiteDlg<T> after its own
// entries (CHAIN_MSG_MAP(Ovo::WhiteDlg<T>)).

#include "platform/gdi/gdi.h"
#include "platform/user/user.h"

namespace Ovo {

inline constexpr COLORREF kDialogWhite = 0xFFFFFF;
inline constexpr COLORREF kDialogBandGrey = 0xF0F0F0;
inline constexpr COLORREF kDialogBandEdge = 0xDFDFDF;

// The height of the button band of a dialog: from OK, else Cancel; 0 without either.
int DialogBandHeight(HWND dialog);
// Fills the dialog's client area: white above the band, the band and its edge line.
void PaintWhiteDialog(HWND dialog, HDC dc, int bandHeight);
// WM_CTLCOLOR* of a control: transparent text background and the DC brush in the control's colour.
LRESULT WhiteControlColour(HDC dc, HWND control);
// True when all four words of the rectangle are zero.
bool IsRectEmptyAll(const RECT& rect);
// The bitmap's width and height; false, size untouched, when the handle is not a bitmap.
bool GetBitmapSize(HBITMAP bitmap, SIZE& size);

template <class T> class WhiteDlg {
public:
    BOOL ProcessWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                              DWORD mapId = 0) {
        if (mapId != 0)
            return FALSE;
        switch (message) {
        case WM_ERASEBKGND:
            if (mBandHeight < 0)
                mBandHeight = DialogBandHeight(hwnd);
            PaintWhiteDialog(hwnd, reinterpret_cast<HDC>(wParam), mBandHeight);
            result = 1;
            return TRUE;
        case WM_CTLCOLORDLG:
            SetDCBrushColor(reinterpret_cast<HDC>(wParam), kDialogWhite);
            result = reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLOREDIT:
            result = WhiteControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        default:
            return FALSE;
        }
    }

    // The band height found at the first erase; -1 until then.
    int BandHeight() const { return mBandHeight; }

private:
    int mBandHeight = -1;
};

} // namespace Ovo

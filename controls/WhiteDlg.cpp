#include "controls/WhiteDlg.h"

namespace Ovo {

namespace {

void Fill(HDC dc, RECT rect, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

} // namespace

int DialogBandHeight(HWND dialog) {
    HWND button = GetDlgItem(dialog, IDOK);
    if (button == nullptr)
        button = GetDlgItem(dialog, IDCANCEL);
    if (button == nullptr)
        return 0;
    RECT client{}, box{};
    GetClientRect(dialog, &client);
    GetWindowRect(button, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    return (client.bottom - box.top) + (client.bottom - box.bottom);
}

void PaintWhiteDialog(HWND dialog, HDC dc, int bandHeight) {
    RECT client{};
    GetClientRect(dialog, &client);
    Fill(dc, client, kDialogWhite);
    if (bandHeight <= 0)
        return;
    RECT band = client;
    band.top = client.bottom - bandHeight;
    Fill(dc, band, kDialogBandGrey);
    band.bottom = band.top + 1;
    Fill(dc, band, kDialogBandEdge);
}

LRESULT WhiteControlColour(HDC dc, HWND control) {
    SetBkMode(dc, TRANSPARENT);
    const int id = GetDlgCtrlID(control);
    SetDCBrushColor(dc, id == IDOK || id == IDCANCEL ? kDialogBandGrey : kDialogWhite);
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

bool IsRectEmptyAll(const RECT& rect) {
    return rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0;
}

bool GetBitmapSize(HBITMAP bitmap, SIZE& size) {
    BITMAP info{};
    if (GetObjectW(bitmap, sizeof info, &info) != static_cast<int>(sizeof info))
        return false;
    size.cx = info.bmWidth;
    size.cy = info.bmHeight;
    return true;
}

} // namespace Ovo

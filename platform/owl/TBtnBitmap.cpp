#include "platform/owl/TBtnBitmap.h"

namespace OWL {

TBtnBitmap::TBtnBitmap(HINSTANCE instance, LPCWSTR resourceId, const TColor& faceColor)
    : TBitmap(Mapped(LoadBitmapW(instance, resourceId), faceColor.GetValue()), true) {}

HBITMAP TBtnBitmap::Mapped(HBITMAP loaded, COLORREF face) {
    if (loaded == nullptr)
        return nullptr;
    const COLORREF system = GetSysColor(COLOR_3DFACE);
    if (system != face) {
        BITMAP b{};
        GetObjectW(loaded, sizeof b, &b);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, loaded);
        for (int y = 0; y < b.bmHeight; ++y)
            for (int x = 0; x < b.bmWidth; ++x)
                if (GetPixel(dc, x, y) == face)
                    SetPixel(dc, x, y, system);
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    return loaded;
}

} // namespace OWL

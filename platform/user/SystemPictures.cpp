// The system icons and cursors: a disc or triangle with a sign, or a plain
// arrow, drawn with the layer's own drawing calls at the size asked for.

#include <memory>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/gdi/probe.h"
#include "platform/user/UserObjects.h"

namespace user {
namespace {

enum class Shape { Disc, Triangle, Square, Arrow };

struct Look {
    WORD id;
    bool cursor;
    const char16_t* name;
    Shape shape;
    COLORREF fill;
    COLORREF ink;
    const char16_t* sign;
};

constexpr Look kLooks[] = {
    {32512, false, u"IDI_APPLICATION", Shape::Square, RGB(255, 255, 255), RGB(0, 64, 160), u""},
    {32513, false, u"IDI_ERROR", Shape::Disc, RGB(210, 30, 30), RGB(255, 255, 255), u"x"},
    {32514, false, u"IDI_QUESTION", Shape::Disc, RGB(30, 90, 200), RGB(255, 255, 255), u"?"},
    {32515, false, u"IDI_WARNING", Shape::Triangle, RGB(250, 200, 20), RGB(0, 0, 0), u"!"},
    {32516, false, u"IDI_INFORMATION", Shape::Disc, RGB(30, 90, 200), RGB(255, 255, 255), u"i"},
    {32512, true, u"IDC_ARROW", Shape::Arrow, RGB(255, 255, 255), RGB(0, 0, 0), u""},
    {32513, true, u"IDC_IBEAM", Shape::Arrow, RGB(255, 255, 255), RGB(0, 0, 0), u""},
    {32514, true, u"IDC_WAIT", Shape::Arrow, RGB(255, 255, 255), RGB(0, 0, 0), u""},
    {32515, true, u"IDC_CROSS", Shape::Arrow, RGB(255, 255, 255), RGB(0, 0, 0), u""},
    {32644, true, u"IDC_SIZEWE", Shape::Arrow, RGB(255, 255, 255), RGB(0, 0, 0), u""},
    {32645, true, u"IDC_SIZENS", Shape::Arrow, RGB(255, 255, 255), RGB(0, 0, 0), u""},
    {32646, true, u"IDC_SIZEALL", Shape::Arrow, RGB(255, 255, 255), RGB(0, 0, 0), u""},
    {32649, true, u"IDC_HAND", Shape::Arrow, RGB(255, 255, 255), RGB(0, 0, 0), u""},
};

HRGN OutlineOf(Shape shape, int n) {
    switch (shape) {
    case Shape::Disc:
        return CreateEllipticRgn(0, 0, n, n);
    case Shape::Triangle: {
        const POINT p[] = {{n / 2, 0}, {n, n}, {0, n}};
        return CreatePolygonRgn(p, 3, ALTERNATE);
    }
    case Shape::Arrow: {
        const POINT p[] = {{0, 0}, {n * 3 / 4, n * 3 / 4}, {n * 3 / 8, n * 3 / 4}, {0, n}};
        return CreatePolygonRgn(p, 4, ALTERNATE);
    }
    default:
        return CreateRectRgn(0, 0, n, n);
    }
}

void DrawSign(HDC dc, const Look& look, int n) {
    if (look.sign[0] == 0)
        return;
    HFONT font =
        CreateFontW(-(n * 3 / 4), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"Segoe UI");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.ink);
    RECT r{0, look.shape == Shape::Triangle ? n / 6 : 0, n, n};
    DrawTextW(dc, look.sign, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
}

} // namespace

Picture SystemPicture(WORD id, int size, bool cursor, std::u16string& name) {
    const Look* look = nullptr;
    for (const Look& l : kLooks)
        if (l.id == id && l.cursor == cursor)
            look = &l;
    if (look == nullptr || size <= 0) {
        name.clear();
        return Picture{gdi::Surface(1, 1), std::nullopt};
    }
    name = look->name;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(size, size, 1, 32, nullptr);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HRGN outline = OutlineOf(look->shape, size);
    HBRUSH fill = CreateSolidBrush(look->fill);
    HBRUSH ink = CreateSolidBrush(look->ink);
    FillRgn(dc, outline, fill);
    FrameRgn(dc, outline, ink, 1, 1);
    DrawSign(dc, *look, size);
    gdi::Surface color = *gdi::SurfaceOf(bitmap);
    gdi::Surface mask(size, size, 1);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            mask.Set(x, y, PtInRegion(outline, x, y) ? 0 : gdi::kRgbMask);
    SelectObject(dc, oldBitmap);
    for (HGDIOBJ o : {static_cast<HGDIOBJ>(bitmap), static_cast<HGDIOBJ>(outline), static_cast<HGDIOBJ>(fill),
                      static_cast<HGDIOBJ>(ink)})
        DeleteObject(o);
    DeleteDC(dc);
    return Picture{std::move(color), std::move(mask)};
}

} // namespace user

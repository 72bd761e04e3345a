// Object creation, selection, deletion and description.

#include <cstring>
#include <memory>

#include "platform/gdi/RegionObject.h"
#include "platform/gdi/bridge.h"
#include "platform/gdi/internal.h"

namespace {

using namespace gdi;

ObjectTable& Table() {
    return ObjectTable::Instance();
}

bool ValidDepth(UINT bpp) {
    return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

HBITMAP AddBitmap(int width, int height, int planes, int bpp) {
    auto surface = std::make_shared<Surface>(width, height, planes * bpp == 1 ? 1 : 32);
    return static_cast<HBITMAP>(Table().Add(std::make_shared<BitmapObject>(std::move(surface), planes, bpp)));
}

void CopyInitialBits(Surface& s, int bpp, const void* bits) {
    const auto* bytes = static_cast<const std::uint8_t*>(bits);
    if (bpp == 32) {
        std::memcpy(s.Pixels().data(), bytes, s.Pixels().size() * sizeof(Pixel));
        return;
    }
    const int stride =
        (s.Width() + 15) / 16 * 2; // monochrome rows are word-aligned, most significant bit first
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            const bool white = (bytes[y * stride + x / 8] >> (7 - x % 8)) & 1;
            s.Set(x, y, white ? kRgbMask : 0);
        }
}

template <class T> int CopyOut(const T& value, int size, LPVOID out) {
    if (!out)
        return static_cast<int>(sizeof(T));
    if (size < static_cast<int>(sizeof(T)))
        return 0;
    std::memcpy(out, &value, sizeof(T));
    return static_cast<int>(sizeof(T));
}

template <class T> HGDIOBJ Swap(Selected<T>& slot, HGDIOBJ handle, std::shared_ptr<T> object) {
    HGDIOBJ previous = slot.handle;
    slot = Selected<T>{handle, std::move(object)};
    return previous;
}

HGDIOBJ SelectBitmapInto(DeviceContext& dc, HGDIOBJ handle, std::shared_ptr<BitmapObject> bitmap) {
    if (dc.ContextKind() != DeviceContext::Kind::Memory)
        return nullptr;
    const bool isDefault = handle == Table().DefaultBitmap();
    if (!isDefault && bitmap->SelectedInto() && bitmap->SelectedInto() != &dc)
        return nullptr;
    HGDIOBJ previous = dc.State().bitmap.handle;
    dc.SelectBitmap(Selected<BitmapObject>{handle, std::move(bitmap)});
    if (isDefault)
        dc.State().bitmap.object->SetSelectedInto(nullptr);
    return previous;
}

} // namespace

HGDIOBJ GetStockObject(int index) {
    return Table().Stock(index);
}

HBRUSH GetSysColorBrush(int index) {
    if (index < 0 || index > COLOR_MENUBAR)
        return nullptr;
    return static_cast<HBRUSH>(Table().SysColorBrush(index));
}

HPEN CreatePen(int style, int width, COLORREF color) {
    if ((style & PS_STYLE_MASK) > PS_INSIDEFRAME)
        return nullptr;
    return static_cast<HPEN>(Table().Add(std::make_shared<PenObject>(style, width, color & kRgbMask)));
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD, const DWORD*) {
    const int kind = static_cast<int>(style & PS_STYLE_MASK);
    const bool geometric = (style & PS_TYPE_MASK) == PS_GEOMETRIC;
    if (brush == nullptr || brush->lbStyle != BS_SOLID || kind > PS_ALTERNATE || kind == PS_USERSTYLE ||
        (style & PS_TYPE_MASK) > PS_GEOMETRIC || (!geometric && width != 1) ||
        (geometric && kind == PS_ALTERNATE))
        return nullptr;
    const int penStyle = kind | static_cast<int>(style & PS_TYPE_MASK);
    return static_cast<HPEN>(Table().Add(
        std::make_shared<PenObject>(penStyle, static_cast<int>(width), brush->lbColor & kRgbMask)));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(Table().Add(std::make_shared<BrushObject>(BS_SOLID, color & kRgbMask)));
}

HFONT CreateFontIndirectW(const LOGFONTW* font) {
    if (!font)
        return nullptr;
    return static_cast<HFONT>(Table().Add(std::make_shared<FontObject>(*font)));
}

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCWSTR face) {
    LOGFONTW lf{height,
                width,
                escapement,
                orientation,
                weight,
                static_cast<BYTE>(italic),
                static_cast<BYTE>(underline),
                static_cast<BYTE>(strikeOut),
                static_cast<BYTE>(charSet),
                static_cast<BYTE>(outPrecision),
                static_cast<BYTE>(clipPrecision),
                static_cast<BYTE>(quality),
                static_cast<BYTE>(pitchAndFamily),
                {}};
    for (int i = 0; face && face[i] && i < LF_FACESIZE - 1; ++i)
        lf.lfFaceName[i] = face[i];
    return CreateFontIndirectW(&lf);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (width < 0 || height < 0 || width > Surface::kMaxSide || height > Surface::kMaxSide)
        return nullptr;
    if (planes != 1 || !ValidDepth(bitsPerPixel))
        return nullptr;
    if (width == 0 || height == 0)
        return AddBitmap(1, 1, 1, 1);
    if (bits && bitsPerPixel != 1 && bitsPerPixel != 32)
        return nullptr;
    HBITMAP h = AddBitmap(width, height, 1, static_cast<int>(bitsPerPixel));
    if (bits)
        CopyInitialBits(*Table().Get<BitmapObject>(h, OBJ_BITMAP)->SurfacePtr(),
                        static_cast<int>(bitsPerPixel), bits);
    return h;
}

// A bitmap like the one selected into a memory device context (so a memory
// context still holding its default bitmap gives a monochrome one), or like
// the device of any other context.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    DeviceContext* c = DcOf(dc);
    if (!c || width < 0 || height < 0 || width > Surface::kMaxSide || height > Surface::kMaxSide)
        return nullptr;
    if (width == 0 || height == 0)
        return AddBitmap(1, 1, 1, 1);
    if (c->ContextKind() == DeviceContext::Kind::Memory) {
        const BitmapObject& current = *c->State().bitmap.object;
        return AddBitmap(width, height, current.Planes(), current.BitsPerPixel());
    }
    return AddBitmap(width, height, c->Caps().planes, c->Caps().bitsPixel);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* c = DcOf(dc);
    std::shared_ptr<GdiObject> o = Table().Find(object);
    if (!c || !o)
        return nullptr;
    DcState& s = c->State();
    switch (o->Type()) {
    case OBJ_PEN:
        return Swap(s.pen, object, std::static_pointer_cast<PenObject>(o));
    case OBJ_BRUSH:
        return Swap(s.brush, object, std::static_pointer_cast<BrushObject>(o));
    case OBJ_FONT:
        return Swap(s.font, object, std::static_pointer_cast<FontObject>(o));
    case OBJ_BITMAP:
        return SelectBitmapInto(*c, object, std::static_pointer_cast<BitmapObject>(o));
    case OBJ_REGION: {
        const int type = SelectClipRgn(dc, static_cast<HRGN>(object));
        return reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(type));
    }
    default:
        return nullptr;
    }
}

// Stock objects stay: deleting one succeeds and does nothing.
BOOL DeleteObject(HGDIOBJ object) {
    if (Table().IsStock(object))
        return TRUE;
    return Table().Remove(object) ? TRUE : FALSE;
}

int GetObjectW(HGDIOBJ object, int size, LPVOID out) {
    std::shared_ptr<GdiObject> o = Table().Find(object);
    if (!o)
        return 0;
    switch (o->Type()) {
    case OBJ_PEN:
        return CopyOut(static_cast<const PenObject&>(*o).Describe(), size, out);
    case OBJ_BRUSH: {
        const auto& b = static_cast<const BrushObject&>(*o);
        return CopyOut(LOGBRUSH{b.Style(), b.FixedColor(), 0}, size, out);
    }
    case OBJ_FONT:
        return CopyOut(static_cast<FontObject&>(*o).Requested(), size, out);
    case OBJ_BITMAP: {
        const auto& b = static_cast<const BitmapObject&>(*o);
        const Surface& s = *b.SurfacePtr();
        const LONG widthBytes = (s.Width() * b.BitsPerPixel() + 15) / 16 * 2;
        BITMAP bm{0,
                  s.Width(),
                  s.Height(),
                  widthBytes,
                  static_cast<WORD>(b.Planes()),
                  static_cast<WORD>(b.BitsPerPixel()),
                  nullptr};
        return CopyOut(bm, size, out);
    }
    default:
        return 0;
    }
}

DWORD GetObjectType(HGDIOBJ object) {
    std::shared_ptr<GdiObject> o = Table().Find(object);
    return o ? o->Type() : 0;
}

HDC CreateCompatibleDC(HDC reference) {
    const DeviceContext* ref = nullptr;
    if (reference) {
        ref = DcOf(reference);
        if (!ref)
            return nullptr;
    }
    auto dc = std::make_shared<DeviceContext>(DeviceContext::Kind::Memory, ref ? ref->Caps() : ScreenCaps(),
                                              nullptr, POINT{0, 0}, std::nullopt, nullptr);
    SelectDefaults(*dc);
    dc->SelectBitmap(
        {Table().DefaultBitmap(), Table().Get<BitmapObject>(Table().DefaultBitmap(), OBJ_BITMAP)});
    dc->State().bitmap.object->SetSelectedInto(nullptr);
    return static_cast<HDC>(Table().Add(std::move(dc)));
}

BOOL DeleteDC(HDC dc) {
    return Table().RemoveDc(dc) ? TRUE : FALSE;
}

namespace gdi {

HBITMAP CreateBitmapOver(std::shared_ptr<Surface> surface, int bitsPerPixel) {
    if (!surface)
        return nullptr;
    return static_cast<HBITMAP>(
        Table().Add(std::make_shared<BitmapObject>(std::move(surface), 1, bitsPerPixel)));
}

namespace {

// Colour-table entry i as a pixel; black past the table.
Pixel PaletteEntry(const BYTE* table, std::size_t entries, std::size_t i) {
    if (i >= entries)
        return 0;
    const BYTE* q = table + 4 * i;
    return (Pixel{q[2]} << 16) | (Pixel{q[1]} << 8) | q[0];
}

} // namespace

HBITMAP CreateBitmapFromPackedDib(const BYTE* bytes, std::size_t size) {
    int bpp = 0;
    std::optional<Surface> s = DecodePackedDib(bytes, size, &bpp);
    if (!s)
        return nullptr;
    if (bpp != 32) // GDI's own pixels carry alpha 0
        for (Pixel& p : s->Pixels())
            p &= kRgbMask;
    return CreateBitmapOver(std::make_shared<Surface>(std::move(*s)), bpp);
}

std::optional<Surface> DecodePackedDib(const BYTE* bytes, std::size_t size, int* bitsPerPixel) {
    if (!bytes || size < sizeof(BITMAPINFOHEADER))
        return std::nullopt;
    BITMAPINFOHEADER h;
    std::memcpy(&h, bytes, sizeof h);
    const int bpp = h.biBitCount;
    const std::int64_t height = h.biHeight < 0 ? -std::int64_t{h.biHeight} : h.biHeight;
    if (h.biSize < sizeof h || h.biSize > size || h.biCompression != BI_RGB || h.biPlanes != 1 ||
        h.biWidth <= 0 || height == 0 || h.biWidth > Surface::kMaxSide || height > Surface::kMaxSide ||
        (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32))
        return std::nullopt;
    const std::size_t entries = bpp <= 8 ? (h.biClrUsed ? h.biClrUsed : std::size_t{1} << bpp) : 0;
    const std::size_t stride = (static_cast<std::size_t>(h.biWidth) * bpp + 31) / 32 * 4;
    const std::size_t bitsAt = h.biSize + 4 * entries;
    if (entries > 256 || bitsAt > size || (size - bitsAt) / stride < static_cast<std::size_t>(height))
        return std::nullopt;
    const BYTE* table = bytes + h.biSize;
    Surface surface(h.biWidth, static_cast<int>(height), bpp == 1 ? 1 : 32);
    for (std::int64_t row = 0; row < height; ++row) {
        const BYTE* line = bytes + bitsAt + static_cast<std::size_t>(row) * stride;
        const int y = static_cast<int>(h.biHeight < 0 ? row : height - 1 - row);
        for (int x = 0; x < h.biWidth; ++x) {
            Pixel p = 0;
            if (bpp == 32)
                p = (Pixel{line[4 * x + 3]} << 24) | (Pixel{line[4 * x + 2]} << 16) |
                    (Pixel{line[4 * x + 1]} << 8) | line[4 * x];
            else if (bpp == 24)
                p = (Pixel{line[3 * x + 2]} << 16) | (Pixel{line[3 * x + 1]} << 8) | line[3 * x];
            else {
                const std::size_t bit = static_cast<std::size_t>(x) * bpp;
                const unsigned index = (line[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                p = PaletteEntry(table, entries, index);
            }
            surface.Set(x, y, bpp == 1 || bpp == 32 ? p : p | 0xFF000000u);
        }
    }
    if (bitsPerPixel)
        *bitsPerPixel = bpp;
    return surface;
}

} // namespace gdi

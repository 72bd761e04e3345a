// Block transfers between device contexts: BitBlt and PatBlt with ternary
// raster operations, StretchBlt (nearest pixel, or box averages when a
// HALFTONE context shrinks), TransparentBlt (an exact colour key) and
// AlphaBlend (source over, premultiplied source). The source is read from its
// surface whatever its clip; the destination is clipped as any drawing is.
// Sources and destinations may be the same surface: the source is copied
// before anything is written.

#include <cmath>
#include <utility>
#include <vector>

#include "platform/gdi/bridge.h"
#include "platform/gdi/internal.h"
#include "platform/gdi/saturate.h"

using namespace gdi;

namespace {

// A copy of the source rectangle (device coordinates of the source context),
// with a flag per pixel for whether it lay on the source surface.
struct SourceBlock {
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::vector<Pixel> pixels;
    std::vector<bool> present;
    bool mono = false;

    bool At(std::int64_t x, std::int64_t y, Pixel& p) const {
        const std::size_t i = static_cast<std::size_t>(y * width + x);
        p = pixels[i];
        return present[i];
    }
};

SourceBlock CopySource(const DeviceContext& src, std::int64_t x, std::int64_t y, std::int64_t w,
                       std::int64_t h) {
    SourceBlock b;
    b.width = w;
    b.height = h;
    b.pixels.assign(static_cast<std::size_t>(w * h), 0);
    b.present.assign(static_cast<std::size_t>(w * h), false);
    const Surface* s = src.Target();
    if (!s)
        return b;
    b.mono = s->BitsPerPixel() == 1;
    const POINT o = src.Origin();
    const POINT d = src.DeviceOffset();
    for (std::int64_t j = 0; j < h; ++j)
        for (std::int64_t i = 0; i < w; ++i) {
            const std::int64_t sx = x + i + d.x + o.x;
            const std::int64_t sy = y + j + d.y + o.y;
            if (sx < 0 || sy < 0 || sx >= s->Width() || sy >= s->Height())
                continue;
            const std::size_t k = static_cast<std::size_t>(j * w + i);
            b.pixels[k] = s->Get(static_cast<int>(sx), static_cast<int>(sy));
            b.present[k] = true;
        }
    return b;
}

// A monochrome source takes the destination's text colour for black and its
// background colour for white.
Pixel Expand(const DeviceContext& dst, const SourceBlock& b, Pixel p) {
    if (!b.mono)
        return p;
    return PixelFromColor((p & kRgbMask) ? dst.State().bkColor : dst.State().textColor);
}

Pixel Rop3(DWORD rop, Pixel pattern, Pixel source, Pixel dest) {
    const unsigned table = (rop >> 16) & 0xFF;
    Pixel out = 0;
    for (unsigned index = 0; index < 8; ++index) {
        if (!((table >> index) & 1u))
            continue;
        const Pixel p = (index & 4u) ? pattern : ~pattern;
        const Pixel s = (index & 2u) ? source : ~source;
        const Pixel d = (index & 1u) ? dest : ~dest;
        out |= p & s & d;
    }
    return out & kRgbMask;
}

bool UsesSource(DWORD rop) {
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 2) & 0x33u) != (t & 0x33u);
}

Pixel PatternOf(const DeviceContext& dc) {
    const BrushObject& brush = *dc.State().brush.object;
    return brush.IsNull() ? 0 : PixelFromColor(BrushColor(dc, brush));
}

RECT DeviceRect(const DeviceContext& dc, std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
    const POINT d = dc.DeviceOffset();
    return RECT{Saturate(x + d.x), Saturate(y + d.y), Saturate(x + w + d.x), Saturate(y + h + d.y)};
}

bool Blit(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop, const char* name) {
    DeviceContext* d = DcOf(dst);
    if (!d || w < 0 || h < 0)
        return false;
    const bool withSource = UsesSource(rop);
    DeviceContext* s = withSource ? DcOf(src) : nullptr;
    if (withSource && !s)
        return false;
    Record(*d, name, {x, y, w, h, sx, sy, rop});
    const SourceBlock block = s ? CopySource(*s, sx, sy, w, h) : SourceBlock{};
    const Pixel pattern = PatternOf(*d);
    const RECT area = DeviceRect(*d, x, y, w, h);
    Raster raster(*d);
    raster.ForEachPixel(area, [&](std::int64_t px, std::int64_t py, Pixel& out) {
        Pixel source = 0;
        if (s && !block.At(px - area.left, py - area.top, source))
            return;
        source = Expand(*d, block, source);
        out = rop == SRCCOPY ? source : Rop3(rop, pattern, source, out);
    });
    return true;
}

// Source offset of destination column i of n when n destination pixels show
// m source pixels: the source pixel under the destination pixel's centre.
std::int64_t Nearest(std::int64_t i, std::int64_t n, std::int64_t m) {
    return static_cast<std::int64_t>(
        std::floor((static_cast<double>(i) + 0.5) * static_cast<double>(m) / static_cast<double>(n)));
}

// The source rows (or columns) [first, last) that average into destination
// pixel i: at least one.
std::pair<std::int64_t, std::int64_t> Box(std::int64_t i, std::int64_t n, std::int64_t m) {
    const std::int64_t first = i * m / n;
    const std::int64_t last = std::max(first + 1, (i + 1) * m / n);
    return {first, last};
}

struct StretchPlan {
    std::int64_t dw, dh, sw, sh;
    bool flipX, flipY;
    bool average;
};

// The source pixel (or box average) for destination pixel (i, j); false when
// no pixel of it lay on the source surface.
bool Sample(const SourceBlock& b, const StretchPlan& plan, std::int64_t i, std::int64_t j, Pixel& out) {
    if (plan.flipX)
        i = plan.dw - 1 - i;
    if (plan.flipY)
        j = plan.dh - 1 - j;
    if (!plan.average)
        return b.At(Nearest(i, plan.dw, plan.sw), Nearest(j, plan.dh, plan.sh), out);
    const auto [x0, x1] = Box(i, plan.dw, plan.sw);
    const auto [y0, y1] = Box(j, plan.dh, plan.sh);
    std::uint64_t sum[4] = {};
    std::uint64_t count = 0;
    for (std::int64_t y = y0; y < y1; ++y)
        for (std::int64_t x = x0; x < x1; ++x) {
            Pixel p = 0;
            if (!b.At(x, y, p))
                continue;
            for (int c = 0; c < 4; ++c)
                sum[c] += (p >> (8 * c)) & 0xFF;
            ++count;
        }
    if (count == 0)
        return false;
    out = 0;
    for (int c = 0; c < 4; ++c)
        out |= static_cast<Pixel>((sum[c] + count / 2) / count) << (8 * c);
    return true;
}

} // namespace

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    return Blit(dst, x, y, width, height, src, srcX, srcY, rop, "BitBlt") ? TRUE : FALSE;
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    return Blit(dc, x, y, width, height, nullptr, 0, 0, rop, "PatBlt") ? TRUE : FALSE;
}

int SetStretchBltMode(HDC dc, int mode) {
    DeviceContext* c = DcOf(dc);
    if (!c || mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return std::exchange(c->State().stretchMode, mode);
}

int GetStretchBltMode(HDC dc) {
    DeviceContext* c = DcOf(dc);
    return c ? c->State().stretchMode : 0;
}

// A negative width or height on one side only mirrors the picture.
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop) {
    DeviceContext* d = DcOf(dst);
    DeviceContext* s = DcOf(src);
    if (!d || !s || width == 0 || height == 0 || srcWidth == 0 || srcHeight == 0)
        return FALSE;
    Record(*d, "StretchBlt", {x, y, width, height, srcX, srcY, srcWidth, srcHeight, rop});
    const std::int64_t left = width < 0 ? std::int64_t{x} + width : x;
    const std::int64_t top = height < 0 ? std::int64_t{y} + height : y;
    const std::int64_t sLeft = srcWidth < 0 ? std::int64_t{srcX} + srcWidth : srcX;
    const std::int64_t sTop = srcHeight < 0 ? std::int64_t{srcY} + srcHeight : srcY;
    StretchPlan plan{std::abs(std::int64_t{width}),
                     std::abs(std::int64_t{height}),
                     std::abs(std::int64_t{srcWidth}),
                     std::abs(std::int64_t{srcHeight}),
                     (width < 0) != (srcWidth < 0),
                     (height < 0) != (srcHeight < 0),
                     false};
    plan.average = d->State().stretchMode == HALFTONE && (plan.sw > plan.dw || plan.sh > plan.dh);
    const SourceBlock block = CopySource(*s, sLeft, sTop, plan.sw, plan.sh);
    const Pixel pattern = PatternOf(*d);
    const RECT area = DeviceRect(*d, left, top, plan.dw, plan.dh);
    Raster raster(*d);
    raster.ForEachPixel(area, [&](std::int64_t px, std::int64_t py, Pixel& out) {
        Pixel source = 0;
        if (!Sample(block, plan, px - area.left, py - area.top, source))
            return;
        source = Expand(*d, block, source);
        out = rop == SRCCOPY ? source : Rop3(rop, pattern, source, out);
    });
    return TRUE;
}

// Copies, stretching to the nearest pixel, every source pixel whose colour
// is not the key.
BOOL TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                    int srcHeight, UINT transparent) {
    DeviceContext* d = DcOf(dst);
    DeviceContext* s = DcOf(src);
    if (!d || !s || width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0)
        return FALSE;
    Record(*d, "TransparentBlt", {x, y, width, height, srcX, srcY, srcWidth, srcHeight, transparent});
    const SourceBlock block = CopySource(*s, srcX, srcY, srcWidth, srcHeight);
    const StretchPlan plan{width, height, srcWidth, srcHeight, false, false, false};
    const Pixel key = PixelFromColor(transparent & kRgbMask);
    const RECT area = DeviceRect(*d, x, y, width, height);
    Raster raster(*d);
    raster.ForEachPixel(area, [&](std::int64_t px, std::int64_t py, Pixel& out) {
        Pixel source = 0;
        if (!Sample(block, plan, px - area.left, py - area.top, source))
            return;
        source = Expand(*d, block, source);
        if ((source & kRgbMask) != key)
            out = source;
    });
    return TRUE;
}

// dst = src x k + dst x (1 - srcAlpha x k), k = SourceConstantAlpha / 255,
// on a premultiplied source with AC_SRC_ALPHA (srcAlpha 1 without it).
// Refused when the source rectangle leaves the source surface.
BOOL AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, BLENDFUNCTION blend) {
    DeviceContext* d = DcOf(dst);
    DeviceContext* s = DcOf(src);
    if (!d || !s || !s->Target() || width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0 ||
        blend.BlendOp != AC_SRC_OVER)
        return FALSE;
    const RECT sourceDevice = DeviceRect(*s, srcX, srcY, srcWidth, srcHeight);
    const POINT o = s->Origin();
    if (sourceDevice.left + o.x < 0 || sourceDevice.top + o.y < 0 ||
        sourceDevice.right + o.x > s->Target()->Width() || sourceDevice.bottom + o.y > s->Target()->Height())
        return FALSE;
    Record(
        *d, "AlphaBlend",
        {x, y, width, height, srcX, srcY, srcWidth, srcHeight, blend.SourceConstantAlpha, blend.AlphaFormat});
    if (width == 0 || height == 0 || srcWidth == 0 || srcHeight == 0)
        return TRUE;
    const SourceBlock block = CopySource(*s, srcX, srcY, srcWidth, srcHeight);
    const StretchPlan plan{width, height, srcWidth, srcHeight, false, false, false};
    const unsigned k = blend.SourceConstantAlpha;
    const bool perPixel = (blend.AlphaFormat & AC_SRC_ALPHA) != 0;
    const RECT area = DeviceRect(*d, x, y, width, height);
    Raster raster(*d);
    raster.ForEachPixel(area, [&](std::int64_t px, std::int64_t py, Pixel& out) {
        Pixel p = 0;
        if (!Sample(block, plan, px - area.left, py - area.top, p))
            return;
        const unsigned srcAlpha = perPixel ? (p >> 24) & 0xFF : 255;
        const unsigned a = (srcAlpha * k + 127) / 255;
        Pixel blended = 0;
        for (int c = 0; c < 4; ++c) {
            const unsigned sc = c == 3 ? srcAlpha : (p >> (8 * c)) & 0xFF;
            const unsigned dc = (out >> (8 * c)) & 0xFF;
            const unsigned v = (sc * k + 127) / 255 + (dc * (255 - a) + 127) / 255;
            blended |= static_cast<Pixel>(std::min(v, 255u)) << (8 * c);
        }
        out = blended;
    });
    return TRUE;
}

// Only 32-bit BI_RGB bitmaps; *bits points at the pixels (bytes B, G, R, A;
// rows top-down for a negative height, bottom-up otherwise), which live as
// long as the bitmap.
HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE, DWORD) {
    if (bits)
        *bits = nullptr;
    if (!info || usage != DIB_RGB_COLORS)
        return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    const std::int64_t height = std::abs(std::int64_t{h.biHeight});
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biBitCount != 32 || h.biCompression != BI_RGB ||
        h.biWidth <= 0 || height == 0 || h.biWidth > Surface::kMaxSide || height > Surface::kMaxSide)
        return nullptr;
    auto surface = std::make_shared<Surface>(h.biWidth, static_cast<int>(height), 32, 0, h.biHeight > 0);
    if (bits)
        *bits = surface->Pixels().data();
    return CreateBitmapOver(std::move(surface), 32);
}

namespace gdi {

bool DrawMaskedPicture(HDC dc, const RECT& logical, const Surface& picture, const Surface* mask, bool image,
                       bool maskBits) {
    DeviceContext* d = DcOf(dc);
    if (!d)
        return false;
    Record(*d, "DrawMaskedPicture", {logical.left, logical.top, logical.right, logical.bottom});
    const std::int64_t w = Width(logical), h = Height(logical);
    if (w <= 0 || h <= 0 || picture.Width() == 0 || picture.Height() == 0)
        return true;
    const RECT area = DeviceRect(*d, logical.left, logical.top, w, h);
    Raster raster(*d);
    raster.ForEachPixel(area, [&](std::int64_t px, std::int64_t py, Pixel& out) {
        const int sx = static_cast<int>(Nearest(px - area.left, w, picture.Width()));
        const int sy = static_cast<int>(Nearest(py - area.top, h, picture.Height()));
        const Pixel p = picture.Get(sx, sy);
        const bool transparent = mask ? (mask->Get(sx, sy) & kRgbMask) != 0 : (p >> 24) < 128;
        if (image && maskBits) {
            if (!transparent)
                out = p | 0xFF000000u;
        } else if (image) {
            out = p | 0xFF000000u;
        } else if (maskBits) {
            out = transparent ? kRgbMask : 0;
        }
    });
    return true;
}

} // namespace gdi

#include "platform/gdiplus/Graphics.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/bridge.h"
#include "platform/gdiplus/Startup.h"

namespace Gdiplus {
namespace {

struct Rgba {
    double c[4]; // b, g, r, a: the byte order of a pixel
};

Rgba Unpack(ARGB p) {
    return Rgba{
        {(p & 0xFF) / 255.0, ((p >> 8) & 0xFF) / 255.0, ((p >> 16) & 0xFF) / 255.0, (p >> 24) / 255.0}};
}

ARGB Pack(const Rgba& v) {
    ARGB out = 0;
    for (int i = 0; i < 4; ++i)
        out |= static_cast<ARGB>(std::lround(std::clamp(v.c[i], 0.0, 1.0) * 255)) << (8 * i);
    return out;
}

// Remap table first (exact straight colours), then the matrix.
ARGB Adjust(ARGB s, const ImageAttributes* attributes) {
    if (attributes == nullptr)
        return s;
    for (const ColorMap& m : attributes->Remap())
        if (m.oldColor.GetValue() == s) {
            s = m.newColor.GetValue();
            break;
        }
    if (!attributes->Matrix())
        return s;
    const ColorMatrix& m = *attributes->Matrix();
    const Rgba in = Unpack(s);
    const double row[5] = {in.c[2], in.c[1], in.c[0], in.c[3], 1.0}; // R G B A 1
    double out[4];
    for (int col = 0; col < 4; ++col) {
        out[col] = 0;
        for (int k = 0; k < 5; ++k)
            out[col] += row[k] * m.m[k][col];
    }
    return Pack(Rgba{{out[2], out[1], out[0], out[3]}});
}

// Source over destination; an opaque destination keeps its alpha byte.
std::uint32_t Over(ARGB src, std::uint32_t dst, PixelFormat dstFormat, bool opaque) {
    const Rgba s = Unpack(src);
    const double a = s.c[3];
    if (opaque) {
        const Rgba d = Unpack(dst);
        Rgba out = d;
        for (int i = 0; i < 3; ++i)
            out.c[i] = s.c[i] * a + d.c[i] * (1 - a);
        return (Pack(out) & 0x00FFFFFFu) | (dst & 0xFF000000u);
    }
    const Rgba d = Unpack(StraightOf(dst, dstFormat));
    const double outA = a + d.c[3] * (1 - a);
    Rgba out{{0, 0, 0, outA}};
    if (outA > 0)
        for (int i = 0; i < 3; ++i)
            out.c[i] = (s.c[i] * a + d.c[i] * d.c[3] * (1 - a)) / outA;
    return PixelOf(Pack(out), dstFormat);
}

bool Indexed(PixelFormat f) {
    return f == PixelFormat8bppIndexed || f == PixelFormat1bppIndexed;
}

} // namespace

Status ImageAttributes::SetColorMatrix(const ColorMatrix* matrix, ColorMatrixFlags, ColorAdjustType) {
    if (matrix == nullptr)
        return InvalidParameter;
    mMatrix = *matrix;
    return Ok;
}

Status ImageAttributes::SetRemapTable(UINT count, const ColorMap* map, ColorAdjustType) {
    if (map == nullptr && count > 0)
        return InvalidParameter;
    mRemap.assign(map, map + count);
    return Ok;
}

Graphics::Graphics(HDC dc) : mDc(dc) {
    if (ActiveSessions() == 0)
        Set(GdiplusNotInitialized);
    else if (dc == nullptr)
        Set(InvalidParameter);
}

Graphics::Graphics(Image* image) : mImage(image) {
    if (ActiveSessions() == 0)
        Set(GdiplusNotInitialized);
    else if (image == nullptr || image->Pixels() == nullptr)
        Set(InvalidParameter);
    else if (Indexed(image->Format()))
        Set(OutOfMemory);
}

Status Graphics::GetLastStatus() {
    const Status s = mLast;
    mLast = Ok;
    return s;
}

Status Graphics::DrawImage(Image* image, INT x, INT y) {
    if (image == nullptr || image->Pixels() == nullptr)
        return Set(InvalidParameter);
    const INT w = image->Pixels()->Width(), h = image->Pixels()->Height();
    return DrawImage(image, Rect{x, y, w, h}, 0, 0, w, h, UnitPixel);
}

Status Graphics::DrawImage(Image* image, INT x, INT y, INT width, INT height) {
    return DrawImage(image, Rect{x, y, width, height});
}

Status Graphics::DrawImage(Image* image, const Rect& dest) {
    if (image == nullptr || image->Pixels() == nullptr)
        return Set(InvalidParameter);
    return DrawImage(image, dest, 0, 0, image->Pixels()->Width(), image->Pixels()->Height(), UnitPixel);
}

Status Graphics::DrawImage(Image* image, const Rect& dest, INT srcX, INT srcY, INT srcWidth, INT srcHeight,
                           Unit unit, const ImageAttributes* attributes) {
    if (mLast == GdiplusNotInitialized || (mDc == nullptr && mImage == nullptr))
        return Set(WrongState);
    if (image == nullptr || image->Pixels() == nullptr || unit != UnitPixel || srcWidth <= 0 ||
        srcHeight <= 0)
        return Set(InvalidParameter);
    if (dest.Width <= 0 || dest.Height <= 0)
        return Set(Ok);
    const gdi::Surface source = *image->Pixels(); // the target may be the image itself
    const PixelFormat sourceFormat = image->Format();
    auto paint = [&](gdi::Surface& target, POINT offset, const gdi::Region* clip, PixelFormat format,
                     bool opaque) {
        for (INT j = 0; j < dest.Height; ++j)
            for (INT i = 0; i < dest.Width; ++i) {
                const int tx = dest.X + i + offset.x, ty = dest.Y + j + offset.y;
                if (!target.Contains(tx, ty) || (clip && !clip->Contains(tx, ty)))
                    continue;
                const int sx = srcX + static_cast<int>(std::floor((i + 0.5) * srcWidth / dest.Width));
                const int sy = srcY + static_cast<int>(std::floor((j + 0.5) * srcHeight / dest.Height));
                if (!source.Contains(sx, sy))
                    continue;
                const ARGB s = Adjust(StraightOf(source.Get(sx, sy), sourceFormat), attributes);
                target.Set(tx, ty, Over(s, target.Get(tx, ty), format, opaque));
            }
    };
    if (mImage != nullptr) {
        paint(*mImage->Pixels(), POINT{0, 0}, nullptr, mImage->Format(), false);
        return Set(Ok);
    }
    const bool drawn = gdi::DrawOnSurface(
        mDc, "GdiplusDrawImage", {dest.X, dest.Y, dest.Width, dest.Height, srcX, srcY, srcWidth, srcHeight},
        [&](gdi::Surface& s, POINT offset, const gdi::Region& clip) {
            paint(s, offset, &clip, PixelFormat32bppRGB, true);
        });
    return Set(drawn ? Ok : InvalidParameter);
}

Status Graphics::FillRectangle(const Brush* brush, INT x, INT y, INT width, INT height) {
    if (mLast == GdiplusNotInitialized || (mDc == nullptr && mImage == nullptr))
        return Set(WrongState);
    if (brush == nullptr)
        return Set(InvalidParameter);
    const ARGB color = brush->BrushColor().GetValue();
    auto fill = [&](gdi::Surface& target, POINT offset, const gdi::Region* clip, PixelFormat format,
                    bool opaque) {
        for (INT j = 0; j < height; ++j)
            for (INT i = 0; i < width; ++i) {
                const int tx = x + i + offset.x, ty = y + j + offset.y;
                if (target.Contains(tx, ty) && (!clip || clip->Contains(tx, ty)))
                    target.Set(tx, ty, Over(color, target.Get(tx, ty), format, opaque));
            }
    };
    if (mImage != nullptr) {
        fill(*mImage->Pixels(), POINT{0, 0}, nullptr, mImage->Format(), false);
        return Set(Ok);
    }
    const bool drawn = gdi::DrawOnSurface(mDc, "GdiplusFillRectangle", {x, y, width, height, color},
                                          [&](gdi::Surface& s, POINT offset, const gdi::Region& clip) {
                                              fill(s, offset, &clip, PixelFormat32bppRGB, true);
                                          });
    return Set(drawn ? Ok : InvalidParameter);
}

} // namespace Gdiplus

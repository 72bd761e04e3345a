#include "platform/gdi/Raster.h"
#include "platform/gdi/saturate.h"

#include <algorithm>

#include "platform/gdi/DeviceContext.h"

namespace gdi {

Pixel ApplyRop2(int rop2, Pixel pen, Pixel destination) {
    if (rop2 < R2_BLACK || rop2 > R2_WHITE)
        rop2 = R2_COPYPEN;
    const unsigned table = static_cast<unsigned>(rop2 - 1);
    const Pixel p = pen & kRgbMask;
    const Pixel d = destination & kRgbMask;
    Pixel out = 0;
    if (table & 1u)
        out |= ~p & ~d;
    if (table & 2u)
        out |= ~p & d;
    if (table & 4u)
        out |= p & ~d;
    if (table & 8u)
        out |= p & d;
    return out & kRgbMask;
}

Raster::Raster(DeviceContext& dc) : mSurface(dc.Target()), mOrigin(dc.Origin()), mClip(dc.EffectiveClip()) {}

RECT Raster::ClipBox() const {
    return Shifted(mClip.Bounds(), -std::int64_t{mOrigin.x}, -std::int64_t{mOrigin.y});
}

void Raster::Limit(const RECT& device) {
    mClip = mClip.Intersect(Region(Shifted(device, mOrigin.x, mOrigin.y)));
}

void Raster::Plot(std::int64_t x, std::int64_t y, Pixel color, int rop2) {
    FillSpan(y, x, x + 1, color, rop2);
}

void Raster::FillSpan(std::int64_t y, std::int64_t x0, std::int64_t x1, Pixel color, int rop2) {
    if (!mSurface)
        return;
    const std::int64_t sy = y + mOrigin.y;
    const std::int64_t sx0 = x0 + mOrigin.x;
    const std::int64_t sx1 = x1 + mOrigin.x;
    if (sy < 0 || sy >= mSurface->Height() || sx1 <= 0 || sx0 >= mSurface->Width())
        return;
    mClip.ForEachSpan(static_cast<int>(sy), Saturate(sx0), Saturate(sx1), [&](int a, int b) {
        for (int x = a; x < b; ++x) {
            const Pixel d = mSurface->Get(x, static_cast<int>(sy));
            mSurface->Set(x, static_cast<int>(sy),
                          rop2 == R2_COPYPEN ? color & kRgbMask : ApplyRop2(rop2, color, d));
        }
    });
}

void Raster::FillRect(const RECT& device, Pixel color, int rop2) {
    const RECT box = ClipBox();
    const std::int64_t top = std::max<std::int64_t>(device.top, box.top);
    const std::int64_t bottom = std::min<std::int64_t>(device.bottom, box.bottom);
    for (std::int64_t y = top; y < bottom; ++y)
        FillSpan(y, device.left, device.right, color, rop2);
}

void Raster::Blend(std::int64_t x, std::int64_t y, Pixel color, std::uint8_t coverage) {
    if (!mSurface || coverage == 0)
        return;
    const std::int64_t sx = x + mOrigin.x;
    const std::int64_t sy = y + mOrigin.y;
    if (!mSurface->Contains(Saturate(sx), Saturate(sy)) ||
        !mClip.Contains(static_cast<int>(sx), static_cast<int>(sy)))
        return;
    const Pixel d = mSurface->Get(static_cast<int>(sx), static_cast<int>(sy));
    const unsigned c = coverage;
    Pixel out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned t = (color >> shift) & 0xFF;
        const unsigned b = (d >> shift) & 0xFF;
        out |= static_cast<Pixel>((t * c + b * (255 - c) + 127) / 255) << shift;
    }
    mSurface->Set(static_cast<int>(sx), static_cast<int>(sy), out);
}

int Raster::ClampX(std::int64_t x) const {
    return static_cast<int>(std::clamp<std::int64_t>(x + mOrigin.x, 0, mSurface ? mSurface->Width() : 0));
}

std::optional<Pixel> Raster::Read(std::int64_t x, std::int64_t y) const {
    if (!mSurface)
        return std::nullopt;
    const std::int64_t sx = x + mOrigin.x;
    const std::int64_t sy = y + mOrigin.y;
    if (!mSurface->Contains(Saturate(sx), Saturate(sy)) ||
        !mClip.Contains(static_cast<int>(sx), static_cast<int>(sy)))
        return std::nullopt;
    return mSurface->Get(static_cast<int>(sx), static_cast<int>(sy));
}

} // namespace gdi

#pragma once
// Writes pixels of one drawing call into a device context's target, in device
// coordinates, inside the effective clip. Pen and brush output goes through a
// binary raster operation (ROP2); text coverage is blended.

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/gdi/Color.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/constants.h"

namespace gdi {

class DeviceContext;

// ROP2 code r (1..16) read as a truth table: bit (2 x pen + destination) of
// r - 1 is the result bit, applied to each of the 24 colour bits; alpha 0.
Pixel ApplyRop2(int rop2, Pixel pen, Pixel destination);

class Raster {
public:
    explicit Raster(DeviceContext& dc);

    // Device-coordinate box of the clip, for callers that bound their work.
    RECT ClipBox() const;
    // Narrows the clip to a device rectangle for the rest of this call.
    void Limit(const RECT& device);

    void Plot(std::int64_t x, std::int64_t y, Pixel color, int rop2);
    void FillSpan(std::int64_t y, std::int64_t x0, std::int64_t x1, Pixel color, int rop2);
    void FillRect(const RECT& device, Pixel color, int rop2);
    void Blend(std::int64_t x, std::int64_t y, Pixel color, std::uint8_t coverage);
    std::optional<Pixel> Read(std::int64_t x, std::int64_t y) const;

    // Calls fn(x, y, pixel) for every pixel of the device rectangle inside the
    // clip, in rows top to bottom; pixel is the surface's, written as is (the
    // blits keep the alpha byte).
    template <class F> void ForEachPixel(const RECT& device, F&& fn) {
        if (!mSurface)
            return;
        const RECT box = ClipBox();
        const std::int64_t top = std::max<std::int64_t>(device.top, box.top);
        const std::int64_t bottom = std::min<std::int64_t>(device.bottom, box.bottom);
        for (std::int64_t y = top; y < bottom; ++y) {
            const int sy = static_cast<int>(y + mOrigin.y);
            mClip.ForEachSpan(sy, ClampX(device.left), ClampX(device.right), [&](int a, int b) {
                for (int sx = a; sx < b; ++sx) {
                    Pixel p = mSurface->Get(sx, sy);
                    fn(std::int64_t{sx} - mOrigin.x, y, p);
                    mSurface->Set(sx, sy, p);
                }
            });
        }
    }

private:
    int ClampX(std::int64_t x) const;

public:
private:
    Surface* mSurface;
    POINT mOrigin;
    Region mClip; // surface coordinates
};

} // namespace gdi

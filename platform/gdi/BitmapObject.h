#pragma once
// A memory bitmap: a surface with the depth it reports. A bitmap can be
// selected into one memory device context at a time.

#include <memory>

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Surface.h"

namespace gdi {

class DeviceContext;

class BitmapObject : public GdiObject {
public:
    BitmapObject(std::shared_ptr<Surface> surface, int planes, int bitsPerPixel)
        : GdiObject(OBJ_BITMAP), mSurface(std::move(surface)), mPlanes(planes), mBitsPerPixel(bitsPerPixel) {}

    const std::shared_ptr<Surface>& SurfacePtr() const { return mSurface; }
    int Planes() const { return mPlanes; }
    int BitsPerPixel() const { return mBitsPerPixel; }

    // The dimension recorded with SetBitmapDimensionEx (0.1 mm), not used by GDI.
    SIZE Dimension() const { return mDimension; }
    void SetDimension(SIZE dimension) { mDimension = dimension; }

    DeviceContext* SelectedInto() const { return mSelectedInto; }
    void SetSelectedInto(DeviceContext* dc) { mSelectedInto = dc; }

private:
    std::shared_ptr<Surface> mSurface;
    int mPlanes;
    int mBitsPerPixel;
    SIZE mDimension{0, 0};
    DeviceContext* mSelectedInto = nullptr;
};

} // namespace gdi

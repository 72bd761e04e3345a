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
        : GdiObject(OBJ_BITMAP), surface_(std::move(surface)), planes_(planes), bitsPerPixel_(bitsPerPixel) {}

    const std::shared_ptr<Surface>& SurfacePtr() const { return surface_; }
    int Planes() const { return planes_; }
    int BitsPerPixel() const { return bitsPerPixel_; }

    DeviceContext* SelectedInto() const { return selectedInto_; }
    void SetSelectedInto(DeviceContext* dc) { selectedInto_ = dc; }

private:
    std::shared_ptr<Surface> surface_;
    int planes_;
    int bitsPerPixel_;
    DeviceContext* selectedInto_ = nullptr;
};

} // namespace gdi

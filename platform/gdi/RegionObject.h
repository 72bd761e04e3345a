#pragma once
// A region handle's object: the region itself, changed in place by
// CombineRgn and OffsetRgn.

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Region.h"

namespace gdi {

class RegionObject : public GdiObject {
public:
    explicit RegionObject(Region region) : GdiObject(OBJ_REGION), mRegion(std::move(region)) {}

    const Region& Get() const { return mRegion; }
    void Set(Region region) { mRegion = std::move(region); }

private:
    Region mRegion;
};

} // namespace gdi

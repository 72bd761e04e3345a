#pragma once
// A region handle's object: the region itself, changed in place by
// CombineRgn and OffsetRgn.

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Region.h"

namespace gdi {

class RegionObject : public GdiObject {
public:
    explicit RegionObject(Region region) : GdiObject(OBJ_REGION), region_(std::move(region)) {}

    const Region& Get() const { return region_; }
    void Set(Region region) { region_ = std::move(region); }

private:
    Region region_;
};

} // namespace gdi

#pragma once
// Base of everything the GDI handle table holds.

#include "platform/gdi/constants.h"

namespace gdi {

class GdiObject {
public:
    explicit GdiObject(DWORD type) : mType(type) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    // OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP, OBJ_REGION, OBJ_DC or OBJ_MEMDC.
    DWORD Type() const { return mType; }

private:
    DWORD mType;
};

} // namespace gdi

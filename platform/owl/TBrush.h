#pragma once
// A solid brush, owned by the object.

#include "platform/owl/TColor.h"
#include "platform/owl/TGdiObject.h"

namespace OWL {

class TBrush : public TGdiObject {
public:
    explicit TBrush(const TColor& color) : TGdiObject(CreateSolidBrush(color.GetValue()), true) {}

    HBRUSH GetHandle() const { return static_cast<HBRUSH>(TGdiObject::GetHandle()); }
    operator HBRUSH() const { return GetHandle(); }
};

} // namespace OWL

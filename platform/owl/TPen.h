#pragma once
// A cosmetic pen, owned by the object.

#include "platform/owl/TColor.h"
#include "platform/owl/TGdiObject.h"

namespace OWL {

class TPen : public TGdiObject {
public:
    explicit TPen(const TColor& color, int width = 1, int style = PS_SOLID)
        : TGdiObject(CreatePen(style, width, color.GetValue()), true) {}

    HPEN GetHandle() const { return static_cast<HPEN>(TGdiObject::GetHandle()); }
    operator HPEN() const { return GetHandle(); }
};

} // namespace OWL

#pragma once
// A pen: style, width and colour. Widths 0 and 1 make a one-pixel cosmetic
// pen; wider pens are geometric with round ends. DC_PEN takes its colour from
// the device context it is selected into.

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/structs.h"

namespace gdi {

class PenObject : public GdiObject {
public:
    PenObject(int style, int width, COLORREF color, bool dcPen = false)
        : GdiObject(OBJ_PEN), style_(style), width_(width < 0 ? 0 : width), color_(color), dcPen_(dcPen) {}

    int Style() const { return style_ & PS_STYLE_MASK; }
    int Width() const { return width_; }
    int PixelWidth() const { return width_ <= 1 ? 1 : width_; }
    COLORREF Color() const { return color_; }
    bool IsDcPen() const { return dcPen_; }
    bool IsNull() const { return Style() == PS_NULL; }
    LOGPEN Describe() const { return LOGPEN{static_cast<UINT>(style_), POINT{width_, 0}, color_}; }

private:
    int style_;
    int width_;
    COLORREF color_;
    bool dcPen_;
};

} // namespace gdi

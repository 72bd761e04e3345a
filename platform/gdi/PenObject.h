#pragma once
// A pen: style, width and colour. Widths 0 and 1 make a one-pixel pen; wider
// pens are geometric with round ends. DC_PEN takes its colour from
// the device context it is selected into.

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/structs.h"

namespace gdi {

class PenObject : public GdiObject {
public:
    PenObject(int style, int width, COLORREF color, bool dcPen = false)
        : GdiObject(OBJ_PEN), mStyle(style), mWidth(width < 0 ? 0 : width), mColor(color), mDcPen(dcPen) {}

    int Style() const { return mStyle & PS_STYLE_MASK; }
    // Made by ExtCreatePen with PS_GEOMETRIC: its dots scale with its width, 1 included.
    bool IsGeometric() const { return (static_cast<DWORD>(mStyle) & PS_TYPE_MASK) == PS_GEOMETRIC; }
    int Width() const { return mWidth; }
    int PixelWidth() const { return mWidth <= 1 ? 1 : mWidth; }
    COLORREF Color() const { return mColor; }
    bool IsDcPen() const { return mDcPen; }
    bool IsNull() const { return Style() == PS_NULL; }
    LOGPEN Describe() const { return LOGPEN{static_cast<UINT>(mStyle), POINT{mWidth, 0}, mColor}; }

private:
    int mStyle;
    int mWidth;
    COLORREF mColor;
    bool mDcPen;
};

} // namespace gdi

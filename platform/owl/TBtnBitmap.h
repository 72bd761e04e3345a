#pragma once
// A button glyph from a bitmap resource: the pixels of its face colour
// (DefaultFaceColor, light grey, unless another is given) take the system's
// 3D face colour, so the glyph sits on the button's face.

#include "platform/owl/TBitmap.h"
#include "platform/owl/TColor.h"

namespace OWL {

class TBtnBitmap : public TBitmap {
public:
    static constexpr COLORREF DefaultFaceColor = RGB(192, 192, 192);

    // Invalid (null handle) when the module has no such bitmap.
    TBtnBitmap(HINSTANCE instance, LPCWSTR resourceId, const TColor& faceColor = TColor(DefaultFaceColor));

private:
    static HBITMAP Mapped(HBITMAP loaded, COLORREF face);
};

} // namespace OWL

#pragma once
// A solid or null brush. DC_BRUSH takes its colour from the device context it
// is selected into; a system-colour brush follows the system colour table.

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/structs.h"

namespace gdi {

class BrushObject : public GdiObject {
public:
    enum class Source { Fixed, DcBrush, SysColor };

    BrushObject(UINT style, COLORREF color, Source source = Source::Fixed, int sysColorIndex = 0)
        : GdiObject(OBJ_BRUSH), style_(style), color_(color), source_(source), sysColorIndex_(sysColorIndex) {
    }

    bool IsNull() const { return style_ == BS_NULL; }
    Source ColorSource() const { return source_; }
    COLORREF FixedColor() const { return color_; }
    int SysColorIndex() const { return sysColorIndex_; }
    UINT Style() const { return style_; }

private:
    UINT style_;
    COLORREF color_;
    Source source_;
    int sysColorIndex_;
};

} // namespace gdi

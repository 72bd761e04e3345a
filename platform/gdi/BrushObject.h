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
        : GdiObject(OBJ_BRUSH), mStyle(style), mColor(color), mSource(source), mSysColorIndex(sysColorIndex) {
    }

    bool IsNull() const { return mStyle == BS_NULL; }
    Source ColorSource() const { return mSource; }
    COLORREF FixedColor() const { return mColor; }
    int SysColorIndex() const { return mSysColorIndex; }
    UINT Style() const { return mStyle; }

private:
    UINT mStyle;
    COLORREF mColor;
    Source mSource;
    int mSysColorIndex;
};

} // namespace gdi

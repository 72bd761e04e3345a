#pragma once
// The part of a device context that SaveDC keeps and RestoreDC brings back:
// selected objects, colours, modes, origins, current position and the
// application clip.

#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/BrushObject.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/PenObject.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/handles.h"

namespace gdi {

template <class T> struct Selected {
    HGDIOBJ handle = nullptr;
    std::shared_ptr<T> object;
};

struct DcState {
    Selected<PenObject> pen;
    Selected<BrushObject> brush;
    Selected<FontObject> font;
    Selected<BitmapObject> bitmap; // memory device contexts only
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    COLORREF dcPenColor = 0x000000;
    COLORREF dcBrushColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    int polyFillMode = ALTERNATE;
    UINT textAlign = TA_LEFT | TA_TOP;
    POINT viewportOrg{};
    POINT windowOrg{};
    POINT position{};
    int styleStep = 0;             // where a styled pen's pattern goes on after LineTo
    std::optional<Region> appClip; // device coordinates
    // The path: figures in device coordinates, open from BeginPath to EndPath.
    enum class PathState { None, Open, Closed } pathState = PathState::None;
    std::vector<std::vector<POINT>> pathFigures;
};

} // namespace gdi

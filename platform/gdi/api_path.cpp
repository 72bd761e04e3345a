// Paths: figures collected between BeginPath and EndPath, made a clip by
// SelectClipPath.

#include "platform/gdi/ShapeRegions.h"
#include "platform/gdi/internal.h"

using namespace gdi;

namespace {

using PathState = DcState::PathState;

} // namespace

bool gdi::AddToPath(DeviceContext& dc, const std::vector<POINT>& logical, bool startFigure) {
    DcState& s = dc.State();
    if (s.pathState != PathState::Open)
        return false;
    if (startFigure || s.pathFigures.empty())
        s.pathFigures.emplace_back();
    for (const POINT& p : logical)
        s.pathFigures.back().push_back(dc.ToDevice(p));
    return true;
}

BOOL BeginPath(HDC dc) {
    DeviceContext* c = DcOf(dc);
    if (!c)
        return FALSE;
    c->State().pathState = PathState::Open;
    c->State().pathFigures.clear();
    return TRUE;
}

BOOL EndPath(HDC dc) {
    DeviceContext* c = DcOf(dc);
    if (!c || c->State().pathState != PathState::Open)
        return FALSE;
    c->State().pathState = PathState::Closed;
    return TRUE;
}

BOOL AbortPath(HDC dc) {
    DeviceContext* c = DcOf(dc);
    if (!c)
        return FALSE;
    c->State().pathState = PathState::None;
    c->State().pathFigures.clear();
    return TRUE;
}

BOOL SelectClipPath(HDC dc, int mode) {
    DeviceContext* c = DcOf(dc);
    if (!c || c->State().pathState != PathState::Closed || mode < RGN_AND || mode > RGN_COPY)
        return FALSE;
    DcState& s = c->State();
    Region area;
    for (const std::vector<POINT>& figure : s.pathFigures)
        if (figure.size() > 2)
            area = s.polyFillMode == ALTERNATE ? area.Xor(PolygonRegion(figure, s.polyFillMode))
                                               : area.Union(PolygonRegion(figure, s.polyFillMode));
    s.pathState = PathState::None;
    s.pathFigures.clear();
    Record(*c, "SelectClipPath", {mode});
    ChangeClip(*c, area, mode);
    return TRUE;
}

// Lines, rectangles, fills and pixels.

#include <algorithm>
#include <vector>

#include "platform/gdi/Raster.h"
#include "platform/gdi/ShapeRegions.h"
#include "platform/gdi/Stroke.h"
#include "platform/gdi/internal.h"

using namespace gdi;

namespace {

Point64 Device(const DeviceContext& dc, std::int64_t x, std::int64_t y) {
    const POINT d = dc.DeviceOffset();
    return Point64{x + d.x, y + d.y};
}

void Paint(DeviceContext& dc, Raster& raster, const Stroke& stroke) {
    const DcState& s = dc.State();
    const Pixel pen = PixelFromColor(PenColor(dc));
    const Pixel bk = PixelFromColor(s.bkColor);
    for (const StrokePixel& p : stroke.Pixels()) {
        if (p.on)
            raster.Plot(p.x, p.y, pen, s.rop2);
        else if (s.bkMode == OPAQUE)
            raster.Plot(p.x, p.y, bk, s.rop2);
    }
}

// Strokes a path of logical points with the selected pen, each pixel once;
// the style pattern starts at styleStep and the step after the path is
// returned.
int StrokePath(DeviceContext& dc, const std::vector<POINT>& points, int styleStep) {
    const PenObject& pen = *dc.State().pen.object;
    if (pen.IsNull() || points.size() < 2)
        return styleStep;
    Raster raster(dc);
    Stroke stroke(pen, raster.ClipBox(), styleStep);
    for (std::size_t i = 1; i < points.size(); ++i)
        stroke.AddSegment(Device(dc, points[i - 1].x, points[i - 1].y), Device(dc, points[i].x, points[i].y));
    Paint(dc, raster, stroke);
    return stroke.StyleStep();
}

// A brush handle, or a system colour index + 1 given in its place.
std::shared_ptr<BrushObject> BrushArg(HBRUSH brush) {
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= static_cast<std::uintptr_t>(COLOR_MENUBAR) + 1)
        brush = GetSysColorBrush(static_cast<int>(value - 1));
    return ObjectTable::Instance().Get<BrushObject>(brush, OBJ_BRUSH);
}

std::vector<std::int64_t> RectArgs(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
    DeviceContext* c = DcOf(dc);
    if (!c)
        return FALSE;
    if (previous)
        *previous = c->State().position;
    c->State().position = POINT{x, y};
    c->State().styleStep = 0;
    if (AddToPath(*c, {POINT{x, y}}, true))
        return TRUE;
    Record(*c, "MoveToEx", {x, y});
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC dc, POINT* position) {
    DeviceContext* c = DcOf(dc);
    if (!c || !position)
        return FALSE;
    *position = c->State().position;
    return TRUE;
}

// Recorded with the current position first: LineTo(x0, y0, x, y).
BOOL LineTo(HDC dc, int x, int y) {
    DeviceContext* c = DcOf(dc);
    if (!c)
        return FALSE;
    const POINT from = c->State().position;
    if (c->State().pathState == DcState::PathState::Open) {
        if (c->State().pathFigures.empty())
            AddToPath(*c, {from}, true);
        AddToPath(*c, {POINT{x, y}}, false);
        c->State().position = POINT{x, y};
        return TRUE;
    }
    Record(*c, "LineTo", {from.x, from.y, x, y});
    c->State().styleStep = StrokePath(*c, {from, POINT{x, y}}, c->State().styleStep);
    c->State().position = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC dc, const POINT* points, int count) {
    DeviceContext* c = DcOf(dc);
    if (!c || !points || count < 2)
        return FALSE;
    std::vector<POINT> path(points, points + count);
    if (AddToPath(*c, path, true))
        return TRUE;
    std::vector<std::int64_t> args;
    for (const POINT& p : path)
        args.insert(args.end(), {p.x, p.y});
    Record(*c, "Polyline", std::move(args));
    StrokePath(*c, path, 0);
    return TRUE;
}

// The interior by the fill mode with the brush, then the closed outline with
// the pen, both through the ROP2.
BOOL Polygon(HDC dc, const POINT* points, int count) {
    DeviceContext* c = DcOf(dc);
    if (!c || !points || count < 2)
        return FALSE;
    std::vector<POINT> path(points, points + count);
    if (AddToPath(*c, path, true))
        return TRUE;
    std::vector<std::int64_t> args;
    for (const POINT& p : path)
        args.insert(args.end(), {p.x, p.y});
    Record(*c, "Polygon", std::move(args));
    const DcState& s = c->State();
    const BrushObject& brush = *s.brush.object;
    if (!brush.IsNull()) {
        std::vector<POINT> device;
        for (const POINT& p : path) {
            const Point64 d = Device(*c, p.x, p.y);
            device.push_back(POINT{static_cast<LONG>(d.x), static_cast<LONG>(d.y)});
        }
        Raster raster(*c);
        const Pixel fill = PixelFromColor(BrushColor(*c, brush));
        const Region inside = PolygonRegion(device, s.polyFillMode);
        for (const RECT& r : inside.Rects())
            raster.FillRect(r, fill, s.rop2);
    }
    path.push_back(path.front());
    StrokePath(*c, path, 0);
    return TRUE;
}

// The outline runs inside the box (through right - 1 and bottom - 1) and the
// brush fills what it encloses; with a null pen the fill covers
// [left, right - 1) x [top, bottom - 1). Both go through the ROP2.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* c = DcOf(dc);
    if (!c)
        return FALSE;
    if (AddToPath(*c, {{left, top}, {right, top}, {right, bottom}, {left, bottom}}, true))
        return TRUE;
    Record(*c, "Rectangle", {left, top, right, bottom});
    const int l = std::min(left, right), r = std::max(left, right);
    const int t = std::min(top, bottom), b = std::max(top, bottom);
    if (r == l || b == t)
        return TRUE;
    const DcState& s = c->State();
    const bool nullPen = s.pen.object->IsNull();
    if (!s.brush.object->IsNull()) {
        const int inset = nullPen ? 0 : 1;
        Raster raster(*c);
        raster.FillRect(c->ToDevice(RECT{l + inset, t + inset, r - 1, b - 1}),
                        PixelFromColor(BrushColor(*c, *s.brush.object)), s.rop2);
    }
    StrokePath(*c, {{l, t}, {r - 1, t}, {r - 1, b - 1}, {l, b - 1}, {l, t}}, 0);
    return TRUE;
}

// Copies the brush onto [left, right) x [top, bottom), whatever the ROP2.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* c = DcOf(dc);
    std::shared_ptr<BrushObject> b = BrushArg(brush);
    if (!c || !rect || !b)
        return 0;
    Record(*c, "FillRect", RectArgs(*rect), {}, b.get());
    if (b->IsNull())
        return 1;
    Raster raster(*c);
    raster.FillRect(c->ToDevice(*rect), PixelFromColor(BrushColor(*c, *b)), R2_COPYPEN);
    return 1;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* c = DcOf(dc);
    std::shared_ptr<BrushObject> b = BrushArg(brush);
    if (!c || !rect || !b)
        return 0;
    Record(*c, "FrameRect", RectArgs(*rect), {}, b.get());
    const RECT& r = *rect;
    if (b->IsNull() || r.right <= r.left || r.bottom <= r.top)
        return 1;
    Raster raster(*c);
    const Pixel color = PixelFromColor(BrushColor(*c, *b));
    for (const RECT& side :
         {RECT{r.left, r.top, r.right, r.top + 1}, RECT{r.left, r.bottom - 1, r.right, r.bottom},
          RECT{r.left, r.top, r.left + 1, r.bottom}, RECT{r.right - 1, r.top, r.right, r.bottom}})
        raster.FillRect(c->ToDevice(side), color, R2_COPYPEN);
    return 1;
}

// Answers the colour actually stored (a monochrome bitmap stores black or
// white), CLR_INVALID outside the clip.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
    DeviceContext* c = DcOf(dc);
    if (!c)
        return CLR_INVALID;
    Record(*c, "SetPixel", {x, y, color});
    Raster raster(*c);
    const Point64 d = Device(*c, x, y);
    if (!raster.Read(d.x, d.y))
        return CLR_INVALID;
    raster.Plot(d.x, d.y, PixelFromColor(color), R2_COPYPEN);
    return ColorFromPixel(*raster.Read(d.x, d.y));
}

COLORREF GetPixel(HDC dc, int x, int y) {
    DeviceContext* c = DcOf(dc);
    if (!c)
        return CLR_INVALID;
    Raster raster(*c);
    const Point64 d = Device(*c, x, y);
    const std::optional<Pixel> p = raster.Read(d.x, d.y);
    return p ? ColorFromPixel(*p) : CLR_INVALID;
}

namespace {

// A channel's 8-bit value at step i of n from a to b (16-bit channels).
BYTE Channel(COLOR16 a, COLOR16 b, std::int64_t i, std::int64_t n) {
    const std::int64_t v = a + (std::int64_t{b} - a) * i / n;
    return static_cast<BYTE>(v >> 8);
}

} // namespace

BOOL GradientFill(HDC dc, TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode) {
    DeviceContext* c = DcOf(dc);
    if (!c || !vertices || !mesh || (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V))
        return FALSE;
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (ULONG m = 0; m < meshCount; ++m)
        if (rects[m].UpperLeft >= vertexCount || rects[m].LowerRight >= vertexCount)
            return FALSE;
    Raster raster(*c);
    for (ULONG m = 0; m < meshCount; ++m) {
        const TRIVERTEX& a = vertices[rects[m].UpperLeft];
        const TRIVERTEX& b = vertices[rects[m].LowerRight];
        Record(*c, "GradientFill", {a.x, a.y, b.x, b.y, static_cast<std::int64_t>(mode)});
        const RECT box =
            c->ToDevice(RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)});
        const bool vertical = mode == GRADIENT_FILL_RECT_V;
        const std::int64_t n = vertical ? box.bottom - box.top : box.right - box.left;
        for (std::int64_t i = 0; i < n; ++i) {
            const COLORREF colour = RGB(Channel(a.Red, b.Red, i, n), Channel(a.Green, b.Green, i, n),
                                        Channel(a.Blue, b.Blue, i, n));
            const RECT band = vertical ? RECT{box.left, static_cast<LONG>(box.top + i), box.right,
                                              static_cast<LONG>(box.top + i + 1)}
                                       : RECT{static_cast<LONG>(box.left + i), box.top,
                                              static_cast<LONG>(box.left + i + 1), box.bottom};
            raster.FillRect(band, PixelFromColor(colour), R2_COPYPEN);
        }
    }
    return TRUE;
}

// Each polyline is stroked on its own, its style pattern starting afresh.
BOOL PolyPolyline(HDC dc, const POINT* points, const DWORD* counts, DWORD polylines) {
    DeviceContext* c = DcOf(dc);
    if (!c || !points || !counts || polylines == 0)
        return FALSE;
    for (DWORD i = 0; i < polylines; ++i)
        if (counts[i] < 2)
            return FALSE;
    std::vector<std::int64_t> args;
    for (DWORD i = 0; i < polylines; ++i)
        args.push_back(counts[i]);
    const POINT* p = points;
    for (DWORD i = 0; i < polylines; ++i) {
        const std::vector<POINT> path(p, p + counts[i]);
        for (const POINT& q : path)
            args.insert(args.end(), {q.x, q.y});
        p += counts[i];
    }
    Record(*c, "PolyPolyline", std::move(args));
    p = points;
    for (DWORD i = 0; i < polylines; ++i) {
        StrokePath(*c, std::vector<POINT>(p, p + counts[i]), 0);
        p += counts[i];
    }
    return TRUE;
}

BOOL GdiFlush() {
    return TRUE;
}

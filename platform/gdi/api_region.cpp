// Regions and the application clip.

#include <algorithm>
#include <utility>

#include "platform/gdi/RegionObject.h"
#include "platform/gdi/ShapeRegions.h"
#include "platform/gdi/bridge.h"
#include "platform/gdi/internal.h"
#include "platform/gdi/saturate.h"

using namespace gdi;

namespace {

std::shared_ptr<RegionObject> RegionOf(HRGN h) {
    return ObjectTable::Instance().Get<RegionObject>(h, OBJ_REGION);
}

int Complexity(const Region& r) {
    if (r.IsEmpty())
        return NULLREGION;
    return r.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT Normalized(int left, int top, int right, int bottom) {
    return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

Region Combined(const Region& a, const Region& b, int mode) {
    switch (mode) {
    case RGN_AND:
        return a.Intersect(b);
    case RGN_OR:
        return a.Union(b);
    case RGN_XOR:
        return a.Xor(b);
    case RGN_DIFF:
        return a.Subtract(b);
    default:
        return a;
    }
}

} // namespace

// No clip yet counts as the whole device.
int gdi::ChangeClip(DeviceContext& dc, const Region& device, int mode) {
    const Region current = dc.State().appClip ? *dc.State().appClip : dc.DeviceBounds();
    dc.SetAppClip(mode == RGN_COPY ? device : Combined(current, device, mode));
    return Complexity(dc.EffectiveClip());
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return static_cast<HRGN>(ObjectTable::Instance().Add(
        std::make_shared<RegionObject>(Region(Normalized(left, top, right, bottom)))));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode) {
    auto d = RegionOf(dest);
    auto ra = RegionOf(a);
    auto rb = mode == RGN_COPY ? ra : RegionOf(b);
    if (!d || !ra || !rb || mode < RGN_AND || mode > RGN_COPY)
        return ERROR;
    d->Set(Combined(ra->Get(), rb->Get(), mode));
    return Complexity(d->Get());
}

BOOL EqualRgn(HRGN a, HRGN b) {
    auto ra = RegionOf(a);
    auto rb = RegionOf(b);
    if (!ra || !rb)
        return FALSE;
    return ra->Get() == rb->Get() ? TRUE : FALSE;
}

int OffsetRgn(HRGN region, int dx, int dy) {
    auto r = RegionOf(region);
    if (!r)
        return ERROR;
    Region moved = r->Get();
    moved.Offset(dx, dy);
    r->Set(std::move(moved));
    return Complexity(r->Get());
}

int GetRgnBox(HRGN region, RECT* box) {
    auto r = RegionOf(region);
    if (!r || !box)
        return ERROR;
    *box = r->Get().Bounds();
    return Complexity(r->Get());
}

BOOL PtInRegion(HRGN region, int x, int y) {
    auto r = RegionOf(region);
    return r && r->Get().Contains(x, y) ? TRUE : FALSE;
}

// The region is given in device coordinates and copied; a null region drops
// the application clip.
int SelectClipRgn(HDC dc, HRGN region) {
    return ExtSelectClipRgn(dc, region, RGN_COPY);
}

int ExtSelectClipRgn(HDC dc, HRGN region, int mode) {
    DeviceContext* c = DcOf(dc);
    if (!c || mode < RGN_AND || mode > RGN_COPY)
        return ERROR;
    if (!region) {
        if (mode != RGN_COPY)
            return ERROR;
        c->SetAppClip(std::nullopt);
        return Complexity(c->EffectiveClip());
    }
    auto r = RegionOf(region);
    if (!r)
        return ERROR;
    return ChangeClip(*c, r->Get(), mode);
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* c = DcOf(dc);
    if (!c)
        return ERROR;
    return ChangeClip(*c, Region(c->ToDevice(Normalized(left, top, right, bottom))), RGN_AND);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* c = DcOf(dc);
    if (!c)
        return ERROR;
    return ChangeClip(*c, Region(c->ToDevice(Normalized(left, top, right, bottom))), RGN_DIFF);
}

// 1 and a copy of the application clip (device coordinates), 0 when there is
// none, -1 on error.
int GetClipRgn(HDC dc, HRGN region) {
    DeviceContext* c = DcOf(dc);
    auto r = RegionOf(region);
    if (!c || !r)
        return -1;
    if (!c->State().appClip)
        return 0;
    r->Set(*c->State().appClip);
    return 1;
}

int GetClipBox(HDC dc, RECT* box) {
    DeviceContext* c = DcOf(dc);
    if (!c || !box)
        return ERROR;
    const Region& clip = c->EffectiveClip();
    const POINT o = c->Origin();
    const POINT d = c->DeviceOffset();
    *box = clip.IsEmpty() ? RECT{0, 0, 0, 0}
                          : Shifted(clip.Bounds(), -std::int64_t{o.x} - d.x, -std::int64_t{o.y} - d.y);
    return Complexity(clip);
}

BOOL RectVisible(HDC dc, const RECT* rect) {
    DeviceContext* c = DcOf(dc);
    if (!c || !rect)
        return FALSE;
    RECT d = c->ToDevice(Normalized(rect->left, rect->top, rect->right, rect->bottom));
    const POINT o = c->Origin();
    d = Shifted(d, o.x, o.y);
    return c->EffectiveClip().Intersects(d) ? TRUE : FALSE;
}

namespace {

HRGN AddRegion(Region region) {
    return static_cast<HRGN>(ObjectTable::Instance().Add(std::make_shared<RegionObject>(std::move(region))));
}

// The region moved to device coordinates of the context.
Region OnDevice(const DeviceContext& dc, Region r) {
    const POINT d = dc.DeviceOffset();
    r.Offset(d.x, d.y);
    return r;
}

void FillRegion(DeviceContext& dc, const Region& device, Pixel color, int rop2) {
    Raster raster(dc);
    for (const RECT& r : device.Rects())
        raster.FillRect(r, color, rop2);
}

// The pixels of r within width columns or height rows of its outside.
Region Border(const Region& r, int width, int height) {
    Region inner = r;
    for (int i = 1; i <= width; ++i)
        for (int sign : {-1, 1}) {
            Region moved = r;
            moved.Offset(sign * i, 0);
            inner = inner.Intersect(moved);
        }
    for (int i = 1; i <= height; ++i)
        for (int sign : {-1, 1}) {
            Region moved = r;
            moved.Offset(0, sign * i);
            inner = inner.Intersect(moved);
        }
    return r.Subtract(inner);
}

std::shared_ptr<BrushObject> BrushOf(HBRUSH brush) {
    return ObjectTable::Instance().Get<BrushObject>(brush, OBJ_BRUSH);
}

} // namespace

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 2 || (fillMode != ALTERNATE && fillMode != WINDING))
        return nullptr;
    return AddRegion(PolygonRegion(std::vector<POINT>(points, points + count), fillMode));
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height) {
    return AddRegion(RoundRectRegion(RECT{left, top, right, bottom}, width, height));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    return AddRegion(EllipseRegion(RECT{left, top, right, bottom}));
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* c = DcOf(dc);
    if (!c)
        return FALSE;
    Record(*c, "Ellipse", {left, top, right, bottom});
    const RECT box{std::min(left, right), std::min(top, bottom), std::max(left, right),
                   std::max(top, bottom)};
    if (box.right == box.left || box.bottom == box.top)
        return TRUE;
    const DcState& s = c->State();
    const Region shape = OnDevice(*c, EllipseRegion(box));
    const bool nullPen = s.pen.object->IsNull();
    const int width = s.pen.object->PixelWidth();
    const Region outline = nullPen ? Region() : Border(shape, width, width);
    if (!s.brush.object->IsNull())
        FillRegion(*c, shape.Subtract(outline), PixelFromColor(BrushColor(*c, *s.brush.object)), s.rop2);
    if (!nullPen)
        FillRegion(*c, outline, PixelFromColor(PenColor(*c)), s.rop2);
    return TRUE;
}

BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush) {
    DeviceContext* c = DcOf(dc);
    auto r = RegionOf(region);
    auto b = BrushOf(brush);
    if (!c || !r || !b)
        return FALSE;
    const RECT box = r->Get().Bounds();
    Record(*c, "FillRgn", {box.left, box.top, box.right, box.bottom}, {}, b.get());
    if (!b->IsNull())
        FillRegion(*c, OnDevice(*c, r->Get()), PixelFromColor(BrushColor(*c, *b)), R2_COPYPEN);
    return TRUE;
}

BOOL PaintRgn(HDC dc, HRGN region) {
    DeviceContext* c = DcOf(dc);
    auto r = RegionOf(region);
    if (!c || !r)
        return FALSE;
    const RECT box = r->Get().Bounds();
    Record(*c, "PaintRgn", {box.left, box.top, box.right, box.bottom});
    const BrushObject& b = *c->State().brush.object;
    if (!b.IsNull())
        FillRegion(*c, OnDevice(*c, r->Get()), PixelFromColor(BrushColor(*c, b)), c->State().rop2);
    return TRUE;
}

BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height) {
    DeviceContext* c = DcOf(dc);
    auto r = RegionOf(region);
    auto b = BrushOf(brush);
    if (!c || !r || !b || width < 0 || height < 0)
        return FALSE;
    const RECT box = r->Get().Bounds();
    Record(*c, "FrameRgn", {box.left, box.top, box.right, box.bottom, width, height}, {}, b.get());
    if (!b->IsNull())
        FillRegion(*c, OnDevice(*c, Border(r->Get(), width, height)), PixelFromColor(BrushColor(*c, *b)),
                   R2_COPYPEN);
    return TRUE;
}

int SetPolyFillMode(HDC dc, int mode) {
    DeviceContext* c = DcOf(dc);
    if (!c || (mode != ALTERNATE && mode != WINDING))
        return 0;
    return std::exchange(c->State().polyFillMode, mode);
}

int GetPolyFillMode(HDC dc) {
    DeviceContext* c = DcOf(dc);
    return c ? c->State().polyFillMode : 0;
}

namespace gdi {

std::shared_ptr<Region> RegionOfHandle(HRGN region) {
    auto r = RegionOf(region);
    return r ? std::make_shared<Region>(r->Get()) : nullptr;
}

bool SetRegionOfHandle(HRGN region, const Region& value) {
    auto r = RegionOf(region);
    if (!r)
        return false;
    r->Set(value);
    return true;
}

} // namespace gdi

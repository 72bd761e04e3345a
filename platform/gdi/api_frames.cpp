// DrawFocusRect and DrawFrameControl: plain pictures in the system colours.

#include "platform/gdi/Stroke.h"
#include "platform/gdi/internal.h"
#include "platform/gdi/saturate.h"

using namespace gdi;

namespace {

Pixel Sys(int index) {
    return PixelFromColor(GetSysColor(index));
}

void Fill(Raster& raster, LONG l, LONG t, LONG r, LONG b, Pixel color) {
    raster.FillRect(RECT{l, t, r, b}, color, R2_COPYPEN);
}

// Three ridges across the corner, each a highlight diagonal over two shadow
// diagonals, on the button face.
void SizeGrip(Raster& raster, const RECT& r) {
    Fill(raster, r.left, r.top, r.right, r.bottom, Sys(COLOR_BTNFACE));
    const std::int64_t size = std::min(Width(r), Height(r));
    for (int ridge = 1; ridge + 2 < size && ridge < 64; ridge += 4) {
        for (int d = ridge; d < ridge + 3; ++d) {
            const Pixel color = d == ridge ? Sys(COLOR_BTNHIGHLIGHT) : Sys(COLOR_BTNSHADOW);
            for (int i = 0; i <= d; ++i)
                raster.Plot(r.right - 1 - i, r.bottom - 1 - (d - i), color, R2_COPYPEN);
        }
    }
}

void Edge(Raster& raster, const RECT& b, Pixel topLeft, Pixel bottomRight) {
    Fill(raster, b.left, b.top, b.right - 1, b.top + 1, topLeft);
    Fill(raster, b.left, b.top, b.left + 1, b.bottom - 1, topLeft);
    Fill(raster, b.left, b.bottom - 1, b.right, b.bottom, bottomRight);
    Fill(raster, b.right - 1, b.top, b.right, b.bottom, bottomRight);
}

void Tick(Raster& raster, const RECT& inner, Pixel color) {
    const std::int64_t n = Width(inner);
    const PenObject pen(PS_SOLID, 1, 0);
    Stroke stroke(pen, raster.ClipBox(), 0);
    for (int dy = 0; dy < 2; ++dy) {
        const Point64 a{inner.left + n * 2 / 10, inner.top + n * 5 / 10 + dy};
        const Point64 b{inner.left + n * 4 / 10, inner.top + n * 7 / 10 + dy};
        const Point64 c{inner.left + n * 8 / 10, inner.top + n * 3 / 10 + dy};
        stroke.AddSegment(a, b);
        stroke.AddSegment(b, c);
    }
    for (const StrokePixel& p : stroke.Pixels())
        raster.Plot(p.x, p.y, color, R2_COPYPEN);
}

// A square box centred in the rectangle: a one-pixel frame when flat (shadow
// colour) or mono (window text), else a sunken two-pixel edge; the window
// colour inside (button face when pushed or inactive); a tick when checked.
void CheckBox(Raster& raster, const RECT& r, UINT state) {
    const std::int64_t side = std::min(Width(r), Height(r));
    if (side < 1)
        return;
    const std::int64_t x = r.left + (Width(r) - side) / 2;
    const std::int64_t y = r.top + (Height(r) - side) / 2;
    RECT box{Saturate(x), Saturate(y), Saturate(x + side), Saturate(y + side)};
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        const Pixel frame = (state & DFCS_MONO) ? Sys(COLOR_WINDOWTEXT) : Sys(COLOR_BTNSHADOW);
        Edge(raster, box, frame, frame);
        box = RECT{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    } else {
        Edge(raster, box, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
        box = RECT{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
        Edge(raster, box, Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DLIGHT));
        box = RECT{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    }
    const bool dim = state & (DFCS_PUSHED | DFCS_INACTIVE);
    Fill(raster, box.left, box.top, box.right, box.bottom, dim ? Sys(COLOR_BTNFACE) : Sys(COLOR_WINDOW));
    if (state & DFCS_CHECKED)
        Tick(raster, box, (state & DFCS_INACTIVE) ? Sys(COLOR_GRAYTEXT) : Sys(COLOR_WINDOWTEXT));
}

// A caption's close button: a face (light when hot), a raised edge (sunk when
// pushed, one shadow line when flat) and a cross two pixels thick.
void CaptionClose(Raster& raster, const RECT& r, UINT state) {
    if (Width(r) < 4 || Height(r) < 4)
        return;
    Fill(raster, r.left, r.top, r.right, r.bottom, Sys((state & DFCS_HOT) ? COLOR_3DLIGHT : COLOR_BTNFACE));
    if (state & DFCS_FLAT)
        Edge(raster, r, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNSHADOW));
    else if (state & DFCS_PUSHED)
        Edge(raster, r, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
    else
        Edge(raster, r, Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_3DDKSHADOW));
    const std::int64_t shift = (state & DFCS_PUSHED) ? 1 : 0;
    const std::int64_t side = std::min(Width(r), Height(r)) - 6;
    const std::int64_t x0 = r.left + (Width(r) - side) / 2 + shift,
                       y0 = r.top + (Height(r) - side) / 2 + shift;
    const Pixel ink = Sys((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    for (std::int64_t i = 0; i < side; ++i)
        for (std::int64_t t = 0; t < 2; ++t) {
            raster.Plot(x0 + i + t, y0 + i, ink, R2_COPYPEN);
            raster.Plot(x0 + side - 1 - i + t, y0 + i, ink, R2_COPYPEN);
        }
}

} // namespace

// Inverts every other pixel of the rectangle's one-pixel frame (those with
// x + y even, device coordinates), so drawing it twice restores the pixels.
BOOL DrawFocusRect(HDC dc, const RECT* rect) {
    DeviceContext* c = DcOf(dc);
    if (!c || !rect)
        return FALSE;
    Record(*c, "DrawFocusRect", {rect->left, rect->top, rect->right, rect->bottom});
    const RECT r = c->ToDevice(*rect);
    if (r.right <= r.left || r.bottom <= r.top)
        return TRUE;
    Raster raster(*c);
    const RECT clip = raster.ClipBox();
    auto dot = [&](std::int64_t x, std::int64_t y) {
        if ((x + y) % 2 == 0)
            raster.Plot(x, y, 0, R2_NOT);
    };
    const std::int64_t x0 = std::max<std::int64_t>(r.left, clip.left),
                       x1 = std::min<std::int64_t>(r.right, clip.right);
    const std::int64_t y0 = std::max<std::int64_t>(r.top + 1, clip.top);
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t{r.bottom} - 1, clip.bottom);
    for (std::int64_t x = x0; x < x1; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 > r.top)
            dot(x, r.bottom - 1);
    }
    for (std::int64_t y = y0; y < y1; ++y) {
        dot(r.left, y);
        if (r.right - 1 > r.left)
            dot(r.right - 1, y);
    }
    return TRUE;
}

// Size grips (DFC_SCROLL, DFCS_SCROLLSIZEGRIP), check boxes (DFC_BUTTON,
// DFCS_BUTTONCHECK) and close buttons (DFC_CAPTION, DFCS_CAPTIONCLOSE); other
// kinds are refused.
BOOL DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state) {
    DeviceContext* c = DcOf(dc);
    if (!c || !rect)
        return FALSE;
    Record(*c, "DrawFrameControl", {rect->left, rect->top, rect->right, rect->bottom, type, state});
    const UINT kind = state & DFCS_TYPE_MASK;
    Raster raster(*c);
    const RECT r = c->ToDevice(*rect);
    if (type == DFC_SCROLL && kind == DFCS_SCROLLSIZEGRIP) {
        SizeGrip(raster, r);
        return TRUE;
    }
    if (type == DFC_BUTTON && kind == DFCS_BUTTONCHECK) {
        CheckBox(raster, r, state);
        return TRUE;
    }
    if (type == DFC_CAPTION && kind == DFCS_CAPTIONCLOSE) {
        CaptionClose(raster, r, state);
        return TRUE;
    }
    return FALSE;
}

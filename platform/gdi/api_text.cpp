// Text metrics, extents and output.

#include "platform/gdi/internal.h"
#include "platform/gdi/saturate.h"

using namespace gdi;

namespace gdi {

void DrawTextCell(DeviceContext& dc, Raster& raster, const GlyphRun& run, std::int64_t x, std::int64_t top) {
    const DcState& s = dc.State();
    FontObject& font = *s.font.object;
    const TEXTMETRICW& tm = font.Metrics();
    if (s.bkMode == OPAQUE)
        raster.FillRect(run.Turned(RECT{Saturate(x), Saturate(top), Saturate(x + run.Width()),
                                        Saturate(top + tm.tmHeight)}),
                        PixelFromColor(s.bkColor), R2_COPYPEN);
    run.Draw(raster, x, top + tm.tmAscent, s.textColor);
}

} // namespace gdi

namespace {

// Reference point (device) to the top-left corner of the text cell.
POINT CellOrigin(const DeviceContext& dc, POINT reference, int width) {
    const DcState& s = dc.State();
    const TEXTMETRICW& tm = s.font.object->Metrics();
    POINT p = dc.ToDevice(reference);
    const UINT h = s.textAlign & TA_HORIZONTAL_MASK;
    if (h == TA_CENTER)
        p.x -= width / 2;
    else if (h == TA_RIGHT)
        p.x -= width;
    const UINT v = s.textAlign & TA_VERTICAL_MASK;
    if (v == TA_BASELINE)
        p.y -= tm.tmAscent;
    else if (v == TA_BOTTOM)
        p.y -= tm.tmHeight;
    return p;
}

BOOL TextOutCore(const char* name, HDC dc, int x, int y, UINT options, const RECT* rect,
                 std::u16string_view text, const INT* dx) {
    DeviceContext* c = DcOf(dc);
    if (!c || ((options & (ETO_OPAQUE | ETO_CLIPPED)) && !rect))
        return FALSE;
    std::vector<std::int64_t> args{x, y, options};
    if (rect)
        args.insert(args.end(), {rect->left, rect->top, rect->right, rect->bottom});
    Record(*c, name, std::move(args), std::u16string(text));
    Raster raster(*c);
    if (options & ETO_OPAQUE)
        raster.FillRect(c->ToDevice(*rect), PixelFromColor(c->State().bkColor), R2_COPYPEN);
    if (text.empty())
        return TRUE;
    if (options & ETO_CLIPPED)
        raster.Limit(c->ToDevice(*rect));
    FontObject& font = *c->State().font.object;
    GlyphRun run(font, text, dx);
    // Text at an escapement of a whole number of right angles turns about its
    // reference point.
    const LONG escapement = font.Requested().lfEscapement;
    if (escapement % 900 == 0) {
        const POINT pivot = c->ToDevice(POINT{x, y});
        run.SetTurn(static_cast<int>(escapement / 900), pivot.x, pivot.y);
    }
    const POINT cell = CellOrigin(*c, POINT{x, y}, run.Width());
    DrawTextCell(*c, raster, run, cell.x, cell.y);
    return TRUE;
}

} // namespace

BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics) {
    DeviceContext* c = DcOf(dc);
    if (!c || !metrics)
        return FALSE;
    *metrics = c->State().font.object->Metrics();
    return TRUE;
}

// Width: the sum of the characters' advances; height: tmHeight.
BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, SIZE* size) {
    DeviceContext* c = DcOf(dc);
    if (!c || !size || count < 0 || (count > 0 && !text))
        return FALSE;
    FontObject& font = *c->State().font.object;
    const GlyphRun run(font, TextArg(text, count));
    *size = SIZE{run.Width(), font.Metrics().tmHeight};
    return TRUE;
}

BOOL TextOutW(HDC dc, int x, int y, LPCWSTR text, int count) {
    if (count < 0 || (count > 0 && !text))
        return FALSE;
    return TextOutCore("TextOutW", dc, x, y, 0, nullptr, TextArg(text, count), nullptr);
}

// ETO_OPAQUE fills the rectangle with the background colour, text or not;
// ETO_CLIPPED keeps the glyphs inside it.
BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                 const INT* dx) {
    if (count > 0 && !text)
        return FALSE;
    return TextOutCore("ExtTextOutW", dc, x, y, options, rect, TextArg(text, static_cast<int>(count)), dx);
}

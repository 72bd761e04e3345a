#include "platform/gdi/internal.h"
#include "platform/gdi/saturate.h"

namespace gdi {

void SelectDefaults(DeviceContext& dc) {
    ObjectTable& t = ObjectTable::Instance();
    DcState& s = dc.State();
    s.pen = {t.Stock(BLACK_PEN), t.Get<PenObject>(t.Stock(BLACK_PEN), OBJ_PEN)};
    s.brush = {t.Stock(WHITE_BRUSH), t.Get<BrushObject>(t.Stock(WHITE_BRUSH), OBJ_BRUSH)};
    s.font = {t.Stock(SYSTEM_FONT), t.Get<FontObject>(t.Stock(SYSTEM_FONT), OBJ_FONT)};
}

COLORREF PenColor(const DeviceContext& dc) {
    const PenObject& pen = *dc.State().pen.object;
    return pen.IsDcPen() ? dc.State().dcPenColor : pen.Color();
}

COLORREF BrushColor(const DeviceContext& dc, const BrushObject& brush) {
    switch (brush.ColorSource()) {
    case BrushObject::Source::DcBrush:
        return dc.State().dcBrushColor;
    case BrushObject::Source::SysColor:
        return GetSysColor(brush.SysColorIndex());
    default:
        return brush.FixedColor();
    }
}

void Record(DeviceContext& dc, std::string name, std::vector<std::int64_t> args, std::u16string text,
            const BrushObject* brush) {
    const DcState& s = dc.State();
    DrawCall call;
    call.name = std::move(name);
    call.args = std::move(args);
    call.text = std::move(text);
    call.penColor = PenColor(dc);
    call.penStyle = s.pen.object->Style();
    call.penWidth = s.pen.object->Width();
    const BrushObject& b = brush ? *brush : *s.brush.object;
    call.brushColor = BrushColor(dc, b);
    call.brushNull = b.IsNull();
    call.textColor = s.textColor;
    call.bkColor = s.bkColor;
    call.bkMode = s.bkMode;
    call.rop2 = s.rop2;
    call.fontFace = s.font.object->Requested().lfFaceName;
    call.fontHeight = s.font.object->Requested().lfHeight;
    call.fontWeight = s.font.object->Requested().lfWeight;
    call.deviceOffset = dc.DeviceOffset();

    const POINT o = dc.Origin();
    call.clipBox = Shifted(dc.EffectiveClip().Bounds(), -std::int64_t{o.x}, -std::int64_t{o.y});
    dc.Log().Add(std::move(call));
}

std::u16string_view TextArg(LPCWSTR text, int count) {
    if (!text)
        return {};
    return count < 0 ? std::u16string_view(text) : std::u16string_view(text, static_cast<std::size_t>(count));
}

} // namespace gdi

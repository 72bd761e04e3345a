#include "controls/UiFont.h"

#include <algorithm>

#include "platform/gdi/gdi.h"
#include "platform/owl/TApplication.h"
#include "platform/user/paint_api.h"

namespace {

constexpr LANGID kLangChinese = 0x04;
constexpr LANGID kLangJapanese = 0x11;
constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE OUT_TT_ONLY_PRECIS = 7;

int PointSize() {
    const LANGID primary = OWL::TApplication::Current().GetLangId() & 0x3FF;
    return primary == kLangChinese || primary == kLangJapanese ? 12 : 10;
}

LOGFONTW UiLogFont(HDC dc, bool bold, bool underline) {
    LOGFONTW f{};
    LONG height = MulDiv(PointSize(), GetDeviceCaps(dc, LOGPIXELSY), 72);
    SIZE window{1, 1};
    SIZE viewport{1, 1};
    GetWindowExtEx(dc, &window);
    GetViewportExtEx(dc, &viewport);
    f.lfHeight = MulDiv(height, window.cx, viewport.cx);
    f.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    f.lfUnderline = underline ? 1 : 0;
    f.lfCharSet = DEFAULT_CHARSET;
    f.lfOutPrecision =
        GetDeviceCaps(dc, TECHNOLOGY) == DT_RASDISPLAY ? OUT_DEFAULT_PRECIS : OUT_TT_ONLY_PRECIS;
    f.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    constexpr std::u16string_view face = u"MS Shell Dlg 2";
    std::copy(face.begin(), face.end(), f.lfFaceName);
    return f;
}

} // namespace

std::unique_ptr<OWL::TFont> GetUiFontPointSize(HDC dc, bool bold, bool underline) {
    if (dc != nullptr)
        return std::make_unique<OWL::TFont>(UiLogFont(dc, bold, underline));
    HDC screen = GetDC(nullptr);
    auto font = std::make_unique<OWL::TFont>(UiLogFont(screen, bold, underline));
    ReleaseDC(nullptr, screen);
    return font;
}

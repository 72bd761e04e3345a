#include "controls/Fonts.h"

#include <algorithm>
#include <string_view>

#include "platform/gdi/gdi.h"
#include "platform/owl/TApplication.h"
#include "platform/user/paint_api.h"

namespace {

constexpr LANGID kLangChinese = 0x04;
constexpr LANGID kLangJapanese = 0x11;
constexpr BYTE kTrueTypeOnly = 7;

void SetFace(LOGFONTW& f, std::u16string_view face) {
    std::fill(std::begin(f.lfFaceName), std::end(f.lfFaceName), u'\0');
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), f.lfFaceName);
}

// Runs use(dc) on the context, or on a screen context made and released for it.
template <class Use> auto WithDC(HDC dc, Use use) {
    if (dc != nullptr)
        return use(dc);
    HDC screen = GetDC(nullptr);
    auto result = use(screen);
    ReleaseDC(nullptr, screen);
    return result;
}

} // namespace

int UiPointSize() {
    const LANGID primary = OWL::TApplication::Current().GetLangId() & 0x3FF;
    return primary == kLangChinese || primary == kLangJapanese ? 12 : 10;
}

int PointsToLogical(int points, HDC dc) {
    const int height = MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    SIZE window{1, 1};
    SIZE viewport{1, 1};
    GetWindowExtEx(dc, &window);
    GetViewportExtEx(dc, &viewport);
    return MulDiv(height, window.cx, viewport.cx);
}

int PointsToLogical(int points, const OWL::TDC& dc) {
    return PointsToLogical(points, dc.GetHDC());
}

LOGFONTW DialogLogFont(HDC dc, int points, int angle) {
    LOGFONTW f{};
    f.lfHeight = PointsToLogical(points == 0 ? UiPointSize() : points, dc);
    f.lfEscapement = f.lfOrientation = angle;
    f.lfWeight = FW_NORMAL;
    f.lfCharSet = DEFAULT_CHARSET;
    f.lfOutPrecision = OutputPrecision(dc, angle);
    f.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    SetFace(f, u"MS Shell Dlg 2");
    return f;
}

BYTE OutputPrecision(HDC dc, int angle) {
    return angle != 0 || GetDeviceCaps(dc, TECHNOLOGY) != DT_RASDISPLAY ? kTrueTypeOnly : 0;
}

std::unique_ptr<OWL::TFont> CreateDialogFont(int points, int angle, HDC dc) {
    return WithDC(dc, [&](HDC d) { return std::make_unique<OWL::TFont>(DialogLogFont(d, points, angle)); });
}

bool CreateRotatedFont(HFONT* out, HDC dc, int points, int angle, bool italic) {
    if (out == nullptr)
        return false;
    *out = WithDC(dc, [&](HDC d) {
        LOGFONTW f = DialogLogFont(d, points, angle);
        f.lfItalic = italic ? 1 : 0;
        return CreateFontIndirectW(&f);
    });
    return true;
}

void MakeGuiFont(HDC dc, GuiFont& out, int points, bool bold) {
    LOGFONTW gui{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    LOGFONTW f{};
    f.lfHeight = PointsToLogical(points, dc);
    f.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    f.lfCharSet = DEFAULT_CHARSET;
    f.lfOutPrecision = OutputPrecision(dc);
    f.lfPitchAndFamily = 0x12; // variable pitch, roman family
    std::copy(std::begin(gui.lfFaceName), std::end(gui.lfFaceName), f.lfFaceName);
    out.font = std::make_unique<OWL::TFont>(f);
    HGDIOBJ old = SelectObject(dc, out.font->GetHandle());
    GetTextMetricsW(dc, &out.metrics);
    SelectObject(dc, old);
}

std::pair<int, int> GetFontLineHeight(HFONT font) {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return {0, 0};
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(screen, &tm);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return {tm.tmAveCharWidth, tm.tmHeight + tm.tmExternalLeading};
}

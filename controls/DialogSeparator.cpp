#include "controls/DialogSeparator.h"

#include "controls/ThemeOpen.h"
#include "controls/UxThemeDLL.h"
#include "controls/WindowText.h"
#include "platform/user/paint_api.h"

namespace OvoControls {
namespace {

// A theme colour of the group box, or false when it cannot be read.
bool GroupBoxColour(HTHEME theme, int property, COLORREF& colour) {
    if (theme == nullptr)
        return false;
    try {
        return OvoLinkingUtils::UxThemeDLL::GetThemeColor(theme, property, &colour) >= 0;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

DEFINE_RESPONSE_TABLE1(DialogSeparator, OWL::TStatic)
::OWL::entries::Void<TMyClass>(WM_PAINT, &TWindow::PaintObject), END_RESPONSE_TABLE;

DialogSeparator::DialogSeparator(OWL::TWindow* parent, int controlId) : OWL::TStatic(parent, controlId) {}

void DialogSeparator::SetupWindow() {
    OWL::TStatic::SetupWindow();
    ModifyStyle(0, SS_NOTIFY);
}

void DialogSeparator::Paint(OWL::TDC& dc, bool, OWL::TRect&) {
    HTHEME theme = TryOpenTheme(GetHandle(), u"BUTTON");
    COLORREF text = 0;
    if (GroupBoxColour(theme, TMT_TEXTCOLOR, text))
        dc.SetTextColor(text);
    HGDIOBJ oldFont = ::SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    dc.SetBkMode(TRANSPARENT);
    const std::u16string caption = ::GetWindowTextString(GetHandle());
    if (!caption.empty()) {
        dc.TextOut(0, 0, caption.c_str(), static_cast<int>(caption.size()));
        COLORREF line = 0xCCCCCC;
        if (!GroupBoxColour(theme, TMT_BORDERCOLOR, line))
            GroupBoxColour(theme, TMT_BORDERCOLORHINT, line);
        SIZE extent{};
        HDC own = GetDC(GetHandle());
        HGDIOBJ ownOld = ::SelectObject(own, GetWindowFont() ? GetWindowFont() : GetStockObject(SYSTEM_FONT));
        GetTextExtentPoint32W(own, caption.c_str(), static_cast<int>(caption.size()), &extent);
        ::SelectObject(own, ownOld);
        ReleaseDC(GetHandle(), own);
        const OWL::TRect client = GetClientRect();
        const int y = client.Height() / 2 + 1;
        HPEN pen = CreatePen(PS_SOLID, 1, line);
        HGDIOBJ oldPen = ::SelectObject(dc, pen);
        dc.MoveTo(extent.cx + 1, y);
        dc.LineTo(client.right, y);
        ::SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
    ::SelectObject(dc, oldFont);
    CloseTheme(theme);
}

} // namespace OvoControls

#include "controls/Popup.h"

#include <algorithm>

#include "module/ActiveDocumentMessages.h"
#include "platform/user/monitor_api.h"
#include "platform/user/paint_api.h"
#include "platform/user/sysparams_api.h"

namespace Ovo {
namespace {

constexpr COLORREF kBackground = RGB(255, 255, 225);
constexpr LONG kWrapWidth = 300;

LOGFONTW PopupFont() {
    LOGFONTW f{};
    SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof f, &f, 0);
    return f;
}

} // namespace

Popup::Popup(POINT anchor, OWL::TWindow* parent, const String& text)
    : OWL::TWindow(parent), mText(text),
      mFont(std::make_unique<OWL::TFont>(PopupFont())), mAnchor{anchor.x + 2, anchor.y + 2} {
    Attr.Style = WS_POPUP | WS_DISABLED | WS_BORDER;
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, mFont->GetHandle());
    RECT r{0, 0, kWrapWidth, 0};
    DrawTextW(screen, mText.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    Attr.X = mAnchor.x;
    Attr.Y = mAnchor.y;
    Attr.W = r.right - r.left + 5;
    Attr.H = r.bottom - r.top + 2;
    if (IsHostApplicationVisible() && Create())
        ShowWindow(SW_SHOWNOACTIVATE);
}

void Popup::SetupWindow() {
    OWL::TWindow::SetupWindow();
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint(mAnchor, MONITOR_DEFAULTTONEAREST), &info);
    const LONG x = std::min(mAnchor.x, info.rcWork.right - Attr.W - 10);
    const LONG y = mAnchor.y + Attr.H > info.rcWork.bottom ? mAnchor.y - Attr.H - 3 : mAnchor.y;
    MoveWindow(x, y, Attr.W, Attr.H, false);
}

void Popup::Paint(OWL::TDC& dc, bool, OWL::TRect&) {
    OWL::TRect client = GetClientRect();
    dc.FillRect(client, OWL::TBrush(kBackground));
    HGDIOBJ old = SelectObject(dc, mFont->GetHandle());
    dc.SetBkColor(kBackground);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(0);
    OWL::TRect text(client.left + 1, client.top, client.right + 1, client.bottom);
    dc.DrawText(mText.c_str(), -1, text, DT_WORDBREAK);
    SelectObject(dc, old);
}

} // namespace Ovo

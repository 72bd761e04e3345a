#include "document/comments/CommentPopup.h"

#include <algorithm>

#include "controls/Fonts.h"
#include "module/ActiveDocumentMessages.h"
#include "platform/gdi/gdi.h"
#include "platform/user/monitor_api.h"
#include "platform/user/rect_api.h"
#include "platform/user/styles.h"

namespace StrevClient {
namespace {

constexpr int kMargin = 7;
constexpr int kCharactersPerLine = 40;
constexpr int kMostLines = 7;
constexpr int kScreenMargin = 10;
// What the popup's own marker is drawn with: neither guide line nor selection.
constexpr DWORD kPopupMarkerFlags = 0x08200000;

std::unique_ptr<OWL::TFont> Bold(const OWL::TFont& font) {
    LOGFONTW bold{};
    font.GetObject(bold);
    bold.lfWeight = 700;
    return std::make_unique<OWL::TFont>(bold);
}

} // namespace

CommentPopup::CommentPopup(HWND owner, POINT anchor, IStrevComment* comment, IAutoOvoString* timeText,
                           int markerHeight)
    : OWL::TWindow(static_cast<OWL::TWindow*>(nullptr)), mComment(comment), mAnchor(anchor),
      mTextFont(std::make_unique<OWL::TGadgetWindowFont2>()), mBoldFont(Bold(*mTextFont)),
      mMarkerHeight(markerHeight) {
    AddRef();
    if (timeText != nullptr)
        mTimeText = Ovo::String(timeText);
    SetParentHandle(owner);
    Attr.Style = WS_POPUP | WS_DISABLED | WS_BORDER;

    const auto [w1, h1] = GetFontLineHeight(mTextFont->GetHandle());
    const int w2 = GetFontLineHeight(mBoldFont->GetHandle()).first;
    IAutoOvoString* text = nullptr;
    mComment->GetInfo(nullptr, nullptr, nullptr, &text);
    Ovo::String commentText;
    commentText.AssignAndRelease(text);
    const int lines = std::min(commentText.Length() / kCharactersPerLine + 1, kMostLines);
    mMarkerRect = RECT{0, 0, 8 * w1, h1};
    mTextRect = RECT{0, h1 + kMargin, kCharactersPerLine * w1, h1 + kMargin + lines * h1};
    RECT outer{};
    UnionRect(&outer, &mMarkerRect, &mTextRect);
    InflateRect(&outer, kMargin, kMargin);
    OffsetRect(&mMarkerRect, kMargin + 2, kMargin);
    OffsetRect(&mTextRect, kMargin, kMargin);
    mTimePos = POINT{mMarkerRect.right + 2 * w2, mMarkerRect.top};

    Attr.W = outer.right - outer.left;
    Attr.H = outer.bottom - outer.top;
    Attr.X = mAnchor.x;
    Attr.Y = mAnchor.y - Attr.H;
    if (Ovo::IsHostApplicationVisible() && Create())
        ShowWindow(SW_SHOWNOACTIVATE);
}

CommentPopup::~CommentPopup() = default;

HRESULT CommentPopup::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_ICommentPopupWindow, static_cast<ICommentPopupWindow*>(this)}}, iid,
                                  out);
}

HRESULT CommentPopup::GetComment(IStrevComment** comment) {
    if (comment == nullptr)
        return E_INVALIDARG;
    *comment = ComPtr<IStrevComment>(mComment).Detach();
    return S_OK;
}

HRESULT CommentPopup::Refresh() {
    Invalidate(true);
    UpdateWindow();
    return S_OK;
}

void CommentPopup::GetWindowClass(WNDCLASSW& windowClass) const {
    OWL::TWindow::GetWindowClass(windowClass);
    windowClass.style |= CS_SAVEBITS;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_INFOBK);
}

void CommentPopup::SetupWindow() {
    OWL::TWindow::SetupWindow();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(mAnchor, MONITOR_DEFAULTTONEAREST), &monitor);
    const int x = std::min<int>(mAnchor.x, monitor.rcWork.right - Attr.W - kScreenMargin);
    int y = mAnchor.y - Attr.H;
    if (y < kScreenMargin)
        y = mAnchor.y + mMarkerHeight;
    MoveWindow(x, y, Attr.W, Attr.H, true);
}

void CommentPopup::Paint(OWL::TDC& dc, bool, OWL::TRect&) {
    IAutoOvoString* info = nullptr;
    mComment->GetInfo(nullptr, nullptr, nullptr, &info);
    Ovo::String text;
    text.AssignAndRelease(info);
    dc.SetBkColor(GetSysColor(COLOR_INFOBK));
    dc.SetTextColor(GetSysColor(COLOR_INFOTEXT));
    dc.SelectObject(*mTextFont);

    SetTextAlign(dc, TA_CENTER);
    const CommentDrawRecord marker{
        sizeof(CommentDrawRecord), (mMarkerRect.left + mMarkerRect.right) / 2, 3, mMarkerRect.bottom + 3, 0,
        kPopupMarkerFlags};
    mComment->Draw(dc, dc, &marker, 0, 0);
    SetTextAlign(dc, 0);

    // "t = " and the time, in a line of at most 31 characters.
    Ovo::String line(u"t = ");
    line += Ovo::String(mTimeText.c_str(), std::min(mTimeText.Length(), 31));
    dc.SelectObject(*mBoldFont);
    dc.TextOut(mTimePos.x, mTimePos.y, line.c_str(), std::min(line.Length(), 31));

    dc.SelectObject(*mTextFont);
    OWL::TRect textRect(mTextRect);
    dc.DrawText(text.c_str(), -1, textRect, DT_WORDBREAK);
}

} // namespace StrevClient

#include "controls/TBalloonCheckBox.h"

#include <cmath>

#include "controls/BalloonHelp.h"
#include "platform/user/icon_api.h"
#include "platform/user/input_api.h"
#include "platform/user/window_api.h"

namespace OvoControls {
namespace {

constexpr std::size_t kLineLength = 58;
constexpr UINT_PTR kHoverTimer = 1;

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == u'\r' || c == u'\n';
}

bool IsLineEnd(char16_t c) {
    return c == u'\r' || c == u'\n';
}

struct Cut {
    std::size_t length;   // characters on the line
    std::size_t consumed; // characters taken off the text (at least one)
    bool quoted;          // the quoted state after the line
};

// One line off the front of rest (which starts with no blank other than a
// line end), scanning at most room characters.
Cut CutLine(std::u16string_view rest, bool quoted, std::size_t room) {
    std::size_t lastBreak = 0;
    bool breakQuoted = quoted;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char16_t c = rest[i];
        if (IsLineEnd(c)) {
            const std::size_t after =
                c == u'\r' && i + 1 < rest.size() && rest[i + 1] == u'\n' ? i + 2 : i + 1;
            return {i, after, quoted};
        }
        if (i >= room) { // the scan passed the line's room: back to the last break
            if (!quoted && IsBlank(c))
                return {i, i, quoted}; // a blank right after a full line
            if (lastBreak > 0)
                return {lastBreak, lastBreak, breakQuoted};
            return {room, room, quoted};
        }
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u',') {
            lastBreak = i + 1; // the comma stays on the line
            breakQuoted = quoted;
        } else if (!quoted && IsBlank(c)) {
            lastBreak = i;
            breakQuoted = quoted;
            while (i + 1 < rest.size() && IsBlank(rest[i + 1]) && !IsLineEnd(rest[i + 1]))
                ++i;
        }
    }
    return {rest.size(), rest.size(), quoted};
}

} // namespace

std::u16string WrapBalloonText(std::u16string_view text) {
    if (text.empty() || (text.size() == 1 && IsBlank(text[0])))
        return u" \n";
    std::u16string out;
    bool quoted = false;
    while (!text.empty()) {
        std::size_t start = 0;
        while (start < text.size() && IsBlank(text[start]) && !IsLineEnd(text[start]))
            ++start;
        text.remove_prefix(start);
        if (text.empty())
            break;
        const bool continued = quoted; // a line taken up inside quotes starts with a space
        const Cut cut = CutLine(text, quoted, continued ? kLineLength - 1 : kLineLength);
        if (continued)
            out += u' ';
        out.append(text.substr(0, cut.length));
        out += u"\r\n";
        quoted = cut.quoted;
        text.remove_prefix(cut.consumed);
    }
    return out;
}

DEFINE_RESPONSE_TABLE1(TBalloonCheckBox, OWL::TCheckBox)
EV_WM_TIMER, EV_WM_MOUSEMOVE, EV_MESSAGE(WM_LBUTTONDOWN, EvPress), EV_MESSAGE(WM_RBUTTONDOWN, EvPress),
    EV_MESSAGE(WM_MBUTTONDOWN, EvPress), EV_MESSAGE(WM_KEYDOWN, EvPress), END_RESPONSE_TABLE;

TBalloonCheckBox::TBalloonCheckBox(OWL::TWindow* parent, int controlId) : OWL::TCheckBox(parent, controlId) {}

void TBalloonCheckBox::SetBalloonText(LPCWSTR title, LPCWSTR content) {
    mBalloonEnabled = true;
    mTitle = title ? title : u"Title";
    mContent = WrapBalloonText(content ? content : u"Content");
}

LRESULT TBalloonCheckBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSELEAVE) {
        mTrackingLeave = mBalloonShown = mSuppressed = false;
        KillTimer(kHoverTimer);
    }
    return OWL::TCheckBox::WindowProc(message, wParam, lParam);
}

void TBalloonCheckBox::EvMouseMove(UINT, const OWL::TPoint& point) {
    if (!mTrackingLeave) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, GetHandle(), 0};
        TrackMouseEvent(&track);
        mTrackingLeave = true;
        mSuppressed = false;
    }
    const double dx = point.x - mLastMouse.x, dy = point.y - mLastMouse.y;
    if (std::sqrt(dx * dx + dy * dy) > 3.0) {
        mLastMouse = point;
        if (mBalloonEnabled && !mBalloonShown && !mSuppressed)
            SetTimer(kHoverTimer, static_cast<UINT>(mHoverDelayMs));
        else if (mBalloonEnabled && mBalloonShown && !mSuppressed)
            ShowBalloon();
    }
    DefaultProcessing();
}

void TBalloonCheckBox::EvTimer(UINT_PTR id) {
    KillTimer(id);
    mBalloonShown = true;
    ShowBalloon();
}

LRESULT TBalloonCheckBox::EvPress(WPARAM, LPARAM) {
    KillTimer(kHoverTimer);
    mBalloonShown = false;
    mSuppressed = true;
    return DefaultProcessing();
}

void TBalloonCheckBox::ShowBalloon() {
    auto* balloon = new WTL::CBalloonHelp;
    const OWL::TRect r = GetWindowRect();
    balloon->SetAnchorPoint(POINT{r.left + 7, r.top + 7});
    balloon->SetMouseTolerance(3);
    if (mIconId != 0)
        balloon->SetIconImage(LoadIconW(nullptr, MAKEINTRESOURCEW(static_cast<WORD>(mIconId))));
    if (!balloon->Open(GetHandle(), mTitle.c_str(), mContent.c_str(), nullptr, mBalloonOptions | 0x7200,
                       nullptr, 0, WTL::CBalloonHelp::kDefaultLayout)) {
        delete balloon;
        return;
    }
    if (mAutoHideMs != 0 && balloon->m_hWnd != nullptr)
        ::SetTimer(balloon->m_hWnd, 1, static_cast<UINT>(mAutoHideMs), nullptr);
}

} // namespace OvoControls

// The system edit control, single line: its text lives in the window's own
// text; the control keeps the selection, the limit, the modified flag, the
// font and how far the text is scrolled.

#include <algorithm>
#include <memory>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/user/ClassRegistry.h"
#include "platform/user/dialog_api.h"
#include "platform/user/edit.h"
#include "platform/user/input_api.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/paint_api.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

namespace user {
namespace {

constexpr std::size_t kDefaultLimit = 32767;
constexpr std::size_t kNoLimit = 0x7FFFFFFE;
constexpr int kMargin = 1; // pixels between the client edge and the text

struct EditState {
    std::size_t anchor = 0;
    std::size_t caret = 0;
    std::size_t limit = kDefaultLimit;
    bool modified = false;
    bool dragging = false;
    int scroll = 0; // pixels of text scrolled out at the left
    HFONT font = nullptr;
};

EditState& StateOf(Window& w) {
    if (!w.control)
        w.control = std::make_shared<EditState>();
    return *static_cast<EditState*>(w.control.get());
}

std::size_t SelStart(const EditState& s) {
    return std::min(s.anchor, s.caret);
}
std::size_t SelEnd(const EditState& s) {
    return std::max(s.anchor, s.caret);
}

void Notify(HWND hwnd, const Window& w, WORD code) {
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(static_cast<int>(w.id), code),
                 reinterpret_cast<LPARAM>(hwnd));
}

HFONT FontOf(const EditState& s) {
    return s.font ? s.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

// The width of the text's first n characters in the control's font.
int Extent(HWND hwnd, const EditState& s, const std::u16string& text, std::size_t n) {
    if (n == 0)
        return 0;
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, FontOf(s));
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(std::min(n, text.size())), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return size.cx;
}

int Room(const Window& w) {
    return std::max<int>(w.ClientWidth() - 2 * kMargin, 0);
}

// Where the text starts in the client area (alignment, scrolling).
int TextLeft(HWND hwnd, const Window& w, const EditState& s) {
    const int free = Room(w) - Extent(hwnd, s, w.text, w.text.size());
    if (free > 0 && (w.style & ES_CENTER) != 0)
        return kMargin + free / 2;
    if (free > 0 && (w.style & ES_RIGHT) != 0)
        return kMargin + free;
    return kMargin - s.scroll;
}

void KeepCaretShown(HWND hwnd, Window& w, EditState& s) {
    if ((w.style & ES_AUTOHSCROLL) == 0) {
        s.scroll = 0;
        return;
    }
    const int x = Extent(hwnd, s, w.text, s.caret);
    if (x - s.scroll > Room(w))
        s.scroll = x - Room(w);
    if (x < s.scroll)
        s.scroll = x;
    s.scroll = std::max(0, std::min(s.scroll, Extent(hwnd, s, w.text, w.text.size())));
}

void Changed(HWND hwnd, Window& w, EditState& s) {
    KeepCaretShown(hwnd, w, s);
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, w, EN_CHANGE);
}

void Select(HWND hwnd, Window& w, EditState& s, std::size_t anchor, std::size_t caret) {
    s.anchor = std::min(anchor, w.text.size());
    s.caret = std::min(caret, w.text.size());
    KeepCaretShown(hwnd, w, s);
    InvalidateRect(hwnd, nullptr, TRUE);
}

char16_t Converted(const Window& w, char16_t c) {
    if ((w.style & ES_UPPERCASE) && c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 32);
    if ((w.style & ES_LOWERCASE) && c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 32);
    return c;
}

// Replaces the selection by text as the user does: refused (EN_MAXTEXT) when
// the result would pass the limit or, without ES_AUTOHSCROLL, the width.
bool Type(HWND hwnd, Window& w, EditState& s, const std::u16string& text) {
    const std::size_t start = SelStart(s);
    std::u16string result = w.text;
    result.replace(start, SelEnd(s) - start, text);
    const bool tooWide = (w.style & ES_AUTOHSCROLL) == 0 && Extent(hwnd, s, result, result.size()) > Room(w);
    if (result.size() > s.limit || tooWide) {
        Notify(hwnd, w, EN_MAXTEXT);
        return false;
    }
    w.text = std::move(result);
    s.anchor = s.caret = start + text.size();
    s.modified = true;
    Changed(hwnd, w, s);
    return true;
}

void Erase(HWND hwnd, Window& w, EditState& s, bool before) {
    if (SelStart(s) == SelEnd(s)) {
        if (before && s.caret == 0)
            return;
        if (!before && s.caret == w.text.size())
            return;
        s.anchor = before ? s.caret - 1 : s.caret + 1;
    }
    const std::size_t start = SelStart(s);
    w.text.erase(start, SelEnd(s) - start);
    s.anchor = s.caret = start;
    s.modified = true;
    Changed(hwnd, w, s);
}

bool ReadOnly(const Window& w) {
    return (w.style & ES_READONLY) != 0;
}

LRESULT Char(HWND hwnd, Window& w, EditState& s, WPARAM wParam) {
    const auto c = static_cast<char16_t>(wParam);
    if (ReadOnly(w))
        return 0;
    if (c == 8) {
        Erase(hwnd, w, s, true);
        return 0;
    }
    if (c < 0x20 || ((w.style & ES_NUMBER) && (c < u'0' || c > u'9')))
        return 0;
    Type(hwnd, w, s, std::u16string(1, Converted(w, c)));
    return 0;
}

LRESULT KeyDown(HWND hwnd, Window& w, EditState& s, WPARAM key) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    std::size_t to = s.caret;
    switch (key) {
    case VK_LEFT:
        if (!shift && SelStart(s) != SelEnd(s))
            to = SelStart(s);
        else if (to > 0)
            --to;
        break;
    case VK_RIGHT:
        if (!shift && SelStart(s) != SelEnd(s))
            to = SelEnd(s);
        else if (to < w.text.size())
            ++to;
        break;
    case VK_HOME:
        to = 0;
        break;
    case VK_END:
        to = w.text.size();
        break;
    case VK_DELETE:
        if (!ReadOnly(w))
            Erase(hwnd, w, s, false);
        return 0;
    default:
        return 0;
    }
    Select(hwnd, w, s, shift ? s.anchor : to, to);
    return 0;
}

// The character boundary nearest the client x.
std::size_t IndexAt(HWND hwnd, const Window& w, const EditState& s, int x) {
    const int left = TextLeft(hwnd, w, s);
    std::size_t best = 0;
    int bestDistance = std::abs(x - left);
    for (std::size_t i = 1; i <= w.text.size(); ++i) {
        const int distance = std::abs(x - (left + Extent(hwnd, s, w.text, i)));
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

LRESULT Mouse(HWND hwnd, Window& w, EditState& s, UINT message, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    switch (message) {
    case WM_LBUTTONDOWN: {
        SetFocus(hwnd);
        Window* again = Lookup(hwnd);
        if (again == nullptr)
            return 0;
        const std::size_t at = IndexAt(hwnd, *again, s, x);
        Select(hwnd, *again, s, GetKeyState(VK_SHIFT) < 0 ? s.anchor : at, at);
        s.dragging = true;
        SetCapture(hwnd);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (s.dragging)
            Select(hwnd, w, s, s.anchor, IndexAt(hwnd, w, s, x));
        return 0;
    case WM_LBUTTONUP:
        if (s.dragging) {
            s.dragging = false;
            if (GetCapture() == hwnd)
                ReleaseCapture();
        }
        return 0;
    default: // WM_LBUTTONDBLCLK
        Select(hwnd, w, s, 0, w.text.size());
        return 0;
    }
}

void PaintText(HWND hwnd, const Window& w, const EditState& s, HDC dc) {
    const bool showSelection = GetFocus() == hwnd || (w.style & ES_NOHIDESEL) != 0;
    const int left = TextLeft(hwnd, w, s);
    const int top = kMargin;
    TextOutW(dc, left, top, w.text.c_str(), static_cast<int>(w.text.size()));
    if (!showSelection || SelStart(s) == SelEnd(s))
        return;
    const int x0 = left + Extent(hwnd, s, w.text, SelStart(s));
    const int x1 = left + Extent(hwnd, s, w.text, SelEnd(s));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const RECT band{x0, top, x1, top + tm.tmHeight};
    SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    SetBkMode(dc, OPAQUE);
    const std::size_t start = SelStart(s);
    ExtTextOutW(dc, x0, top, ETO_OPAQUE | ETO_CLIPPED, &band, w.text.c_str() + start,
                static_cast<int>(SelEnd(s) - start), nullptr);
}

LRESULT Paint(HWND hwnd, Window& w, EditState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc == nullptr)
        return 0;
    const bool plain = ReadOnly(w) || (w.style & WS_DISABLED) != 0;
    SetTextColor(dc, GetSysColor((w.style & WS_DISABLED) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(plain ? COLOR_BTNFACE : COLOR_WINDOW));
    const HWND parent = GetParent(hwnd);
    auto brush = reinterpret_cast<HBRUSH>(
        parent ? SendMessageW(parent, plain ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                              reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd))
               : 0);
    if (brush == nullptr)
        brush = GetSysColorBrush(plain ? COLOR_BTNFACE : COLOR_WINDOW);
    const RECT client = ClientArea(w);
    FillRect(dc, &client, brush);
    HGDIOBJ old = SelectObject(dc, FontOf(s));
    SetBkMode(dc, TRANSPARENT);
    PaintText(hwnd, w, s, dc);
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT GetSel(const EditState& s, WPARAM wParam, LPARAM lParam) {
    if (auto* start = reinterpret_cast<DWORD*>(wParam))
        *start = static_cast<DWORD>(SelStart(s));
    if (auto* end = reinterpret_cast<DWORD*>(lParam))
        *end = static_cast<DWORD>(SelEnd(s));
    return MAKELRESULT(static_cast<int>(std::min<std::size_t>(SelStart(s), 0xFFFF)),
                       static_cast<int>(std::min<std::size_t>(SelEnd(s), 0xFFFF)));
}

LRESULT SetSel(HWND hwnd, Window& w, EditState& s, WPARAM wParam, LPARAM lParam) {
    const auto start = static_cast<int>(wParam);
    const auto end = static_cast<int>(lParam);
    const std::size_t caret = end < 0 ? w.text.size() : static_cast<std::size_t>(end);
    if (start < 0)
        Select(hwnd, w, s, s.caret, s.caret);
    else
        Select(hwnd, w, s, static_cast<std::size_t>(start), caret);
    return 0;
}

LRESULT ReplaceSel(HWND hwnd, Window& w, EditState& s, LPARAM lParam) {
    const auto* text = reinterpret_cast<LPCWSTR>(lParam);
    std::u16string insert = text ? std::u16string(text) : std::u16string();
    const std::size_t kept = w.text.size() - (SelEnd(s) - SelStart(s));
    insert.resize(std::min(insert.size(), s.limit > kept ? s.limit - kept : 0));
    const std::size_t start = SelStart(s);
    w.text.replace(start, SelEnd(s) - start, insert);
    s.anchor = s.caret = start + insert.size();
    s.modified = true;
    Changed(hwnd, w, s);
    return 0;
}

LRESULT EditMessage(HWND hwnd, Window& w, EditState& s, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case EM_GETSEL:
        return GetSel(s, wParam, lParam);
    case EM_SETSEL:
        return SetSel(hwnd, w, s, wParam, lParam);
    case EM_GETMODIFY:
        return s.modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        s.modified = wParam != 0;
        return 0;
    case EM_REPLACESEL:
        return ReplaceSel(hwnd, w, s, lParam);
    case EM_LIMITTEXT:
        s.limit = wParam == 0 ? kNoLimit : static_cast<std::size_t>(wParam);
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(s.limit);
    case EM_SETREADONLY:
        SetWindowLongPtrW(hwnd, GWL_STYLE,
                          static_cast<LONG_PTR>(wParam ? (w.style | ES_READONLY) : (w.style & ~ES_READONLY)));
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    default:
        return 0;
    }
}

LRESULT SetText(HWND hwnd, Window& w, EditState& s, WPARAM wParam, LPARAM lParam) {
    DefWindowProcW(hwnd, WM_SETTEXT, wParam, lParam);
    s.anchor = s.caret = 0;
    s.scroll = 0;
    s.modified = false;
    Changed(hwnd, w, s);
    return TRUE;
}

LRESULT Focus(HWND hwnd, Window& w, UINT message) {
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, w, message == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS);
    return 0;
}

LRESULT EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (w == nullptr)
        return 0;
    EditState& s = StateOf(*w);
    if (message >= EM_GETSEL && message <= EM_GETLIMITTEXT)
        return EditMessage(hwnd, *w, s, message, wParam, lParam);
    switch (message) {
    case WM_SETTEXT:
        return SetText(hwnd, *w, s, wParam, lParam);
    case WM_CHAR:
        return Char(hwnd, *w, s, wParam);
    case WM_KEYDOWN:
        return KeyDown(hwnd, *w, s, wParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
        return Mouse(hwnd, *w, s, message, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return Focus(hwnd, *w, message);
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(static_cast<DWORD>(lParam)))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s.font);
    case WM_SIZE:
        KeepCaretShown(hwnd, *w, s);
        return 0;
    case WM_PAINT:
        return Paint(hwnd, *w, s);
    case WM_ERASEBKGND:
        return 1;
    case WM_NCDESTROY:
        w->control.reset();
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

void RegisterEditClass(ClassRegistry& classes) {
    WNDCLASSW c{};
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = &EditProc;
    c.lpszClassName = u"Edit";
    classes.Register(c);
}

} // namespace user

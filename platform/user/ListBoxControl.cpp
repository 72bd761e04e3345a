// The system list box: items, the selection, scrolling (to the selection, and by the mouse wheel)
// and the items' picture. Owner-drawn
// items are painted by the parent through WM_DRAWITEM.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/user/ClassRegistry.h"
#include "platform/user/dialog_api.h"
#include "platform/user/input_api.h"
#include "platform/user/listbox.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/metrics_api.h"
#include "platform/user/paint_api.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"
#include "platform/win32/text.h"

namespace user {
namespace {

constexpr UINT kDefaultItemHeight = 16;

struct ListItem {
    std::u16string text;
    ULONG_PTR data = 0;
};

struct ListState {
    std::vector<ListItem> items;
    int current = -1;
    int top = 0;
    UINT itemHeight = kDefaultItemHeight;
    HFONT font = nullptr;
};

ListState& StateOf(Window& w) {
    if (!w.control)
        w.control = std::make_shared<ListState>();
    return *static_cast<ListState*>(w.control.get());
}

bool OwnerDrawn(const Window& w) {
    return (w.style & LBS_OWNERDRAWFIXED) != 0;
}

bool Valid(const ListState& s, WPARAM index) {
    return static_cast<std::size_t>(index) < s.items.size();
}

int Count(const ListState& s) {
    return static_cast<int>(s.items.size());
}

// An owner-drawn list box without LBS_HASSTRINGS keeps the word it is given as the item's data.
ListItem ItemFrom(const Window& w, LPARAM value) {
    if (OwnerDrawn(w) && (w.style & LBS_HASSTRINGS) == 0)
        return {{}, static_cast<ULONG_PTR>(value)};
    const auto* text = reinterpret_cast<LPCWSTR>(value);
    return {text ? std::u16string(text) : std::u16string(), 0};
}

// Whole items the client area shows, at least one.
int VisibleItems(const Window& w, const ListState& s) {
    const RECT client = ClientArea(w);
    return std::max<int>(1, static_cast<int>((client.bottom - client.top) / static_cast<LONG>(s.itemHeight)));
}

RECT ItemRect(const Window& w, const ListState& s, int index) {
    const RECT client = ClientArea(w);
    const LONG top = client.top + (index - s.top) * static_cast<LONG>(s.itemHeight);
    return {client.left, top, client.right, top + static_cast<LONG>(s.itemHeight)};
}

void ShowSelection(const Window& w, ListState& s) {
    if (s.current < 0)
        return;
    const int visible = VisibleItems(w, s);
    if (s.current < s.top)
        s.top = s.current;
    else if (s.current >= s.top + visible)
        s.top = s.current - visible + 1;
}

void KeepTopInRange(const Window& w, ListState& s) {
    s.top = std::clamp(s.top, 0, std::max(0, Count(s) - VisibleItems(w, s)));
}

LRESULT Insert(Window& w, ListState& s, int at, LPARAM value) {
    if (at < 0 || at > Count(s))
        at = Count(s);
    s.items.insert(s.items.begin() + at, ItemFrom(w, value));
    if (s.current >= at)
        ++s.current;
    InvalidateRect(w.handle, nullptr, TRUE);
    return at;
}

LRESULT Delete(Window& w, ListState& s, WPARAM index) {
    if (!Valid(s, index))
        return LB_ERR;
    const auto at = static_cast<int>(index);
    s.items.erase(s.items.begin() + at);
    if (s.current == at)
        s.current = -1;
    else if (s.current > at)
        --s.current;
    KeepTopInRange(w, s);
    InvalidateRect(w.handle, nullptr, TRUE);
    return Count(s);
}

LRESULT ItemMessage(Window& w, ListState& s, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LB_ADDSTRING:
        return Insert(w, s, -1, lParam);
    case LB_INSERTSTRING:
        if (static_cast<int>(wParam) != -1 &&
            (static_cast<int>(wParam) < 0 || static_cast<int>(wParam) > Count(s)))
            return LB_ERR;
        return Insert(w, s, static_cast<int>(wParam), lParam);
    case LB_DELETESTRING:
        return Delete(w, s, wParam);
    case LB_RESETCONTENT:
        s.items.clear();
        s.current = -1;
        s.top = 0;
        InvalidateRect(w.handle, nullptr, TRUE);
        return LB_OKAY;
    case LB_GETCOUNT:
        return Count(s);
    case LB_GETCURSEL:
        return s.current;
    case LB_SETCURSEL:
        // -1 clears the selection; any other index outside the list also clears it and answers LB_ERR.
        s.current = Valid(s, wParam) ? static_cast<int>(wParam) : -1;
        ShowSelection(w, s);
        InvalidateRect(w.handle, nullptr, TRUE);
        return Valid(s, wParam) ? s.current : LB_ERR;
    case LB_GETTEXT:
        if (!Valid(s, wParam) || lParam == 0)
            return LB_ERR;
        return static_cast<LRESULT>(win32::CopyTruncated(
            s.items[wParam].text, reinterpret_cast<WCHAR*>(lParam), s.items[wParam].text.size() + 1));
    case LB_GETTEXTLEN:
        return Valid(s, wParam) ? static_cast<LRESULT>(s.items[wParam].text.size()) : LB_ERR;
    case LB_GETTOPINDEX:
        return s.top;
    case LB_GETITEMRECT: {
        if (!Valid(s, wParam) || lParam == 0)
            return LB_ERR;
        *reinterpret_cast<RECT*>(lParam) = ItemRect(w, s, static_cast<int>(wParam));
        return 1;
    }
    case LB_GETITEMDATA:
        return Valid(s, wParam) ? static_cast<LRESULT>(s.items[wParam].data) : LB_ERR;
    case LB_SETITEMDATA:
        if (!Valid(s, wParam))
            return LB_ERR;
        s.items[wParam].data = static_cast<ULONG_PTR>(lParam);
        return LB_OKAY;
    case LB_SETITEMHEIGHT:
        if (lParam <= 0 || lParam > 255)
            return LB_ERR;
        s.itemHeight = static_cast<UINT>(lParam);
        InvalidateRect(w.handle, nullptr, TRUE);
        return LB_OKAY;
    case LB_GETITEMHEIGHT:
        return s.itemHeight;
    case LB_ITEMFROMPOINT: {
        // The item under a client point in the low word; the high word is 1 outside every item.
        const RECT client = ClientArea(w);
        const LONG y = GET_Y_LPARAM(lParam);
        const LONG x = GET_X_LPARAM(lParam);
        const int row =
            y < client.top ? -1 : static_cast<int>((y - client.top) / static_cast<LONG>(s.itemHeight));
        const int item = s.top + row;
        const bool outside = row < 0 || item >= Count(s) || x < client.left || x >= client.right;
        return MAKELPARAM(std::clamp(item, 0, std::max(0, Count(s) - 1)), outside ? 1 : 0);
    }
    default:
        return LB_ERR;
    }
}

void Notify(HWND hwnd, const Window& w, WORD code) {
    if ((w.style & LBS_NOTIFY) != 0)
        SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(static_cast<int>(w.id), code),
                     reinterpret_cast<LPARAM>(hwnd));
}

// Selects an item as the user does: LBN_SELCHANGE when the selection moved.
void Select(HWND hwnd, Window& w, ListState& s, int index) {
    if (index < 0 || index >= Count(s) || index == s.current)
        return;
    s.current = index;
    ShowSelection(w, s);
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, w, LBN_SELCHANGE);
}

LRESULT Key(HWND hwnd, Window& w, ListState& s, WPARAM key) {
    if (s.items.empty())
        return 0;
    const int last = Count(s) - 1;
    const int page = VisibleItems(w, s);
    const int from = s.current;
    int to = from;
    switch (key) {
    case VK_DOWN:
    case VK_RIGHT:
        to = from < 0 ? 0 : std::min(from + 1, last);
        break;
    case VK_UP:
    case VK_LEFT:
        to = from < 0 ? 0 : std::max(from - 1, 0);
        break;
    case VK_NEXT:
        to = std::min(std::max(from, 0) + page - 1, last);
        break;
    case VK_PRIOR:
        to = std::max(std::max(from, 0) - page + 1, 0);
        break;
    case VK_HOME:
        to = 0;
        break;
    case VK_END:
        to = last;
        break;
    default:
        return 0;
    }
    Select(hwnd, w, s, to);
    return 0;
}

LRESULT Click(HWND hwnd, Window& w, ListState& s, LPARAM point) {
    SetFocus(hwnd);
    Window* again = Lookup(hwnd);
    if (again == nullptr)
        return 0;
    const auto hit = static_cast<DWORD>(ItemMessage(w, s, LB_ITEMFROMPOINT, 0, point));
    if (HIWORD(hit) == 0)
        Select(hwnd, w, s, LOWORD(hit));
    return 0;
}

void Measure(HWND hwnd, Window& w, ListState& s) {
    MEASUREITEMSTRUCT m{ODT_LISTBOX, static_cast<UINT>(w.id), 0, 0, kDefaultItemHeight, 0};
    SendMessageW(GetParent(hwnd), WM_MEASUREITEM, static_cast<WPARAM>(w.id), reinterpret_cast<LPARAM>(&m));
    if (Lookup(hwnd) != nullptr)
        s.itemHeight = std::max<UINT>(1, m.itemHeight);
}

void PaintItem(HWND hwnd, const Window& w, const ListState& s, HDC dc, int index, bool focused) {
    const RECT r = ItemRect(w, s, index);
    const bool selected = index == s.current;
    const ListItem& item = s.items[static_cast<std::size_t>(index)];
    if (OwnerDrawn(w)) {
        DRAWITEMSTRUCT d{ODT_LISTBOX,
                         static_cast<UINT>(w.id),
                         static_cast<UINT>(index),
                         ODA_DRAWENTIRE,
                         (selected ? ODS_SELECTED : 0u) | (selected && focused ? ODS_FOCUS : 0u),
                         hwnd,
                         dc,
                         r,
                         item.data};
        SendMessageW(GetParent(hwnd), WM_DRAWITEM, static_cast<WPARAM>(w.id), reinterpret_cast<LPARAM>(&d));
        return;
    }
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = r;
    text.left += 2;
    DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

LRESULT Paint(HWND hwnd, Window& w, ListState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc == nullptr)
        return 0;
    const RECT client = ClientArea(w);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ oldFont = s.font ? SelectObject(dc, s.font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    const bool focused = GetFocus() == hwnd;
    const int end = std::min(Count(s), s.top + VisibleItems(w, s) + 1);
    for (int i = s.top; i < end; ++i)
        PaintItem(hwnd, w, s, dc, i, focused);
    if (oldFont)
        SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (w == nullptr)
        return 0;
    ListState& s = StateOf(*w);
    if (message >= LB_ADDSTRING && message <= LB_ITEMFROMPOINT)
        return ItemMessage(*w, s, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        if (OwnerDrawn(*w))
            Measure(hwnd, *w, s);
        return 0;
    case WM_PAINT:
        return Paint(hwnd, *w, s);
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        ShowSelection(*w, s);
        KeepTopInRange(*w, s);
        return 0;
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(static_cast<DWORD>(lParam)))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s.font);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return Click(hwnd, *w, s, lParam);
    case WM_KEYDOWN:
        return Key(hwnd, *w, s, wParam);
    case WM_MOUSEWHEEL: {
        // Three items a notch, without touching the selection.
        const int notches = static_cast<short>(HIWORD(static_cast<DWORD>(wParam))) / 120;
        s.top -= 3 * notches;
        KeepTopInRange(*w, s);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_NCDESTROY:
        w->control.reset();
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

void RegisterListBoxClass(ClassRegistry& classes) {
    WNDCLASSW c{};
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = &ListProc;
    c.lpszClassName = u"ListBox";
    classes.Register(c);
}

} // namespace user

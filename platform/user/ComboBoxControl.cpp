// The system combo box: items, the current selection and the closed control's
// picture. Owner-drawn fields are painted by the parent through WM_DRAWITEM.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/user/ClassRegistry.h"
#include "platform/user/combobox.h"
#include "platform/user/dialog_api.h"
#include "platform/user/input_api.h"
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
constexpr LONG kBorder = 3; // between the control's edge and its selection field

struct ComboItem {
    std::u16string text;
    ULONG_PTR data = 0;
};

struct ComboState {
    std::vector<ComboItem> items;
    int current = -1;
    UINT fieldHeight = kDefaultItemHeight;
    UINT itemHeight = kDefaultItemHeight;
    HFONT font = nullptr;
    int droppedWidth = -1; // -1: the control's width
};

ComboState& StateOf(Window& w) {
    if (!w.control)
        w.control = std::make_shared<ComboState>();
    return *static_cast<ComboState*>(w.control.get());
}

bool OwnerDrawn(const Window& w) {
    return (w.style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
}

bool KeepsStrings(const Window& w) {
    return !OwnerDrawn(w) || (w.style & CBS_HASSTRINGS) != 0;
}

bool Valid(const ComboState& s, WPARAM index) {
    return static_cast<std::size_t>(index) < s.items.size();
}

// An owner-drawn combo box without CBS_HASSTRINGS keeps the word it is given as
// the item's data and no text.
ComboItem ItemFrom(const Window& w, LPARAM value) {
    if (!KeepsStrings(w))
        return {{}, static_cast<ULONG_PTR>(value)};
    const auto* text = reinterpret_cast<LPCWSTR>(value);
    return {text ? std::u16string(text) : std::u16string(), 0};
}

bool LessNoCase(const std::u16string& a, const std::u16string& b) {
    auto lower = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char16_t x, char16_t y) { return lower(x) < lower(y); });
}

LRESULT Add(Window& w, ComboState& s, LPARAM value) {
    ComboItem item = ItemFrom(w, value);
    auto at = s.items.end();
    if ((w.style & CBS_SORT) != 0 && KeepsStrings(w))
        at = std::upper_bound(
            s.items.begin(), s.items.end(), item,
            [](const ComboItem& a, const ComboItem& b) { return LessNoCase(a.text, b.text); });
    const auto index = at - s.items.begin();
    s.items.insert(at, std::move(item));
    if (s.current >= index)
        ++s.current;
    return index;
}

LRESULT Insert(Window& w, ComboState& s, WPARAM index, LPARAM value) {
    const auto at = static_cast<std::ptrdiff_t>(index);
    if (at == -1 || static_cast<std::size_t>(at) >= s.items.size()) {
        if (at != -1 && static_cast<std::size_t>(at) > s.items.size())
            return CB_ERR;
        s.items.push_back(ItemFrom(w, value));
        return static_cast<LRESULT>(s.items.size() - 1);
    }
    s.items.insert(s.items.begin() + at, ItemFrom(w, value));
    if (s.current >= at)
        ++s.current;
    return at;
}

LRESULT Delete(ComboState& s, WPARAM index) {
    if (!Valid(s, index))
        return CB_ERR;
    const auto at = static_cast<int>(index);
    s.items.erase(s.items.begin() + at);
    if (s.current == at)
        s.current = -1;
    else if (s.current > at)
        --s.current;
    return static_cast<LRESULT>(s.items.size());
}

LRESULT CopyText(const std::u16string& text, WCHAR* out, std::size_t room) {
    if (out == nullptr)
        return CB_ERR;
    if (room == 0)
        return 0;
    return static_cast<LRESULT>(win32::CopyTruncated(text, out, room));
}

// The closed control's height follows its selection field.
void FitHeight(HWND hwnd, const Window& w, const ComboState& s) {
    const LONG height = static_cast<LONG>(s.fieldHeight) + 2 * kBorder;
    if (w.window.bottom - w.window.top != height)
        SetWindowPos(hwnd, nullptr, 0, 0, w.window.right - w.window.left, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT SetItemHeight(HWND hwnd, Window& w, ComboState& s, WPARAM index, LPARAM height) {
    if (height <= 0 || height > 255)
        return CB_ERR;
    if (static_cast<int>(index) == -1) {
        s.fieldHeight = static_cast<UINT>(height);
        FitHeight(hwnd, w, s);
    } else {
        s.itemHeight = static_cast<UINT>(height);
    }
    return CB_OKAY;
}

// Asks the parent of an owner-drawn combo box for the heights of the field and
// of the items.
void Measure(HWND hwnd, Window& w, ComboState& s) {
    HWND parent = GetParent(hwnd);
    for (UINT item : {static_cast<UINT>(-1), 0u}) {
        MEASUREITEMSTRUCT m{ODT_COMBOBOX, static_cast<UINT>(w.id), item, 0, kDefaultItemHeight, 0};
        SendMessageW(parent, WM_MEASUREITEM, static_cast<WPARAM>(w.id), reinterpret_cast<LPARAM>(&m));
        Window* again = Lookup(hwnd);
        if (again == nullptr)
            return;
        (item == static_cast<UINT>(-1) ? s.fieldHeight : s.itemHeight) = std::max<UINT>(1, m.itemHeight);
    }
    FitHeight(hwnd, w, s);
}

void FillWith(HDC dc, const RECT& r, int sysColor) {
    FillRect(dc, &r, GetSysColorBrush(sysColor));
}

void PaintButton(HDC dc, const RECT& client) {
    const LONG width = GetSystemMetrics(SM_CXVSCROLL);
    const RECT button{client.right - kBorder + 1 - width, client.top + 1, client.right - 1,
                      client.bottom - 1};
    FillWith(dc, button, COLOR_BTNFACE);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ old = SelectObject(dc, pen);
    const LONG cx = (button.left + button.right) / 2;
    const LONG cy = (button.top + button.bottom) / 2 - 1;
    for (LONG row = 0; row < 4; ++row) {
        MoveToEx(dc, cx - 3 + row, cy + row, nullptr);
        LineTo(dc, cx + 4 - row, cy + row);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void PaintField(HWND hwnd, const Window& w, const ComboState& s, HDC dc, const RECT& field) {
    const bool focused = GetFocus() == hwnd;
    if (OwnerDrawn(w)) {
        const UINT item = static_cast<UINT>(s.current);
        const ULONG_PTR data = s.current >= 0 ? s.items[static_cast<std::size_t>(s.current)].data : 0;
        DRAWITEMSTRUCT d{ODT_COMBOBOX,
                         static_cast<UINT>(w.id),
                         item,
                         ODA_DRAWENTIRE,
                         ODS_COMBOBOXEDIT | (focused ? ODS_SELECTED | ODS_FOCUS : 0u),
                         hwnd,
                         dc,
                         field,
                         data};
        SendMessageW(GetParent(hwnd), WM_DRAWITEM, static_cast<WPARAM>(w.id), reinterpret_cast<LPARAM>(&d));
        return;
    }
    FillWith(dc, field, focused ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    if (s.current < 0)
        return;
    HGDIOBJ oldFont = s.font ? SelectObject(dc, s.font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = field;
    const std::u16string& t = s.items[static_cast<std::size_t>(s.current)].text;
    DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (oldFont)
        SelectObject(dc, oldFont);
}

LRESULT Paint(HWND hwnd, Window& w, ComboState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc == nullptr)
        return 0;
    const RECT client = ClientArea(w);
    FillWith(dc, client, COLOR_WINDOW);
    FrameRect(dc, &client, GetSysColorBrush(COLOR_BTNSHADOW));
    PaintButton(dc, client);
    const RECT field{client.left + kBorder, client.top + kBorder,
                     client.right - kBorder - GetSystemMetrics(SM_CXVSCROLL), client.bottom - kBorder};
    PaintField(hwnd, w, s, dc, field);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT ItemMessage(Window& w, ComboState& s, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case CB_ADDSTRING:
        return Add(w, s, lParam);
    case CB_INSERTSTRING:
        return Insert(w, s, wParam, lParam);
    case CB_DELETESTRING:
        return Delete(s, wParam);
    case CB_RESETCONTENT:
        s.items.clear();
        s.current = -1;
        return CB_OKAY;
    case CB_GETCOUNT:
        return static_cast<LRESULT>(s.items.size());
    case CB_GETCURSEL:
        return s.current;
    case CB_SETCURSEL:
        s.current = Valid(s, wParam) ? static_cast<int>(wParam) : -1;
        InvalidateRect(w.handle, nullptr, TRUE);
        return s.current;
    case CB_GETLBTEXT:
        return Valid(s, wParam) ? CopyText(s.items[wParam].text, reinterpret_cast<WCHAR*>(lParam),
                                           s.items[wParam].text.size() + 1)
                                : CB_ERR;
    case CB_GETLBTEXTLEN:
        return Valid(s, wParam) ? static_cast<LRESULT>(s.items[wParam].text.size()) : CB_ERR;
    case CB_GETDROPPEDWIDTH:
        return s.droppedWidth >= 0 ? s.droppedWidth : w.window.right - w.window.left;
    case CB_SETDROPPEDWIDTH:
        s.droppedWidth = static_cast<int>(wParam);
        return s.droppedWidth;
    case CB_GETITEMDATA:
        return Valid(s, wParam) ? static_cast<LRESULT>(s.items[wParam].data) : CB_ERR;
    case CB_SETITEMDATA:
        if (!Valid(s, wParam))
            return CB_ERR;
        s.items[wParam].data = static_cast<ULONG_PTR>(lParam);
        return CB_OKAY;
    default:
        return CB_ERR;
    }
}

std::u16string SelectedText(const ComboState& s) {
    return s.current >= 0 ? s.items[static_cast<std::size_t>(s.current)].text : std::u16string();
}

// The arrow, Home and End keys choose another item as the user does, with
// CBN_SELCHANGE to the parent.
LRESULT Key(HWND hwnd, Window& w, ComboState& s, WPARAM key) {
    if (s.items.empty())
        return 0;
    const int last = static_cast<int>(s.items.size()) - 1;
    int to = s.current;
    switch (key) {
    case VK_DOWN:
    case VK_RIGHT:
        to = std::min(s.current + 1, last);
        break;
    case VK_UP:
    case VK_LEFT:
        to = std::max(s.current - 1, 0);
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
    if (to == s.current)
        return 0;
    s.current = to;
    InvalidateRect(hwnd, nullptr, TRUE);
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(static_cast<int>(w.id), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(hwnd));
    return 0;
}

LRESULT Choose(HWND hwnd, Window& w, ComboState& s, int index) {
    SetFocus(hwnd);
    if (index < 0 || index >= static_cast<int>(s.items.size()) || index == s.current)
        return 0;
    s.current = index;
    InvalidateRect(hwnd, nullptr, TRUE);
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(static_cast<int>(w.id), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(hwnd));
    return 0;
}

LRESULT ComboProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (w == nullptr)
        return 0;
    ComboState& s = StateOf(*w);
    if ((message >= CB_ADDSTRING && message <= CB_SETITEMDATA) || message == CB_GETDROPPEDWIDTH ||
        message == CB_SETDROPPEDWIDTH)
        return ItemMessage(*w, s, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        // The height given to a drop-down combo box is its open list's; the closed control is as
        // high as its selection field.
        if (OwnerDrawn(*w))
            Measure(hwnd, *w, s);
        else if ((w->style & CBS_DROPDOWNLIST) != CBS_SIMPLE)
            FitHeight(hwnd, *w, s);
        return 0;
    case CB_SETITEMHEIGHT:
        return SetItemHeight(hwnd, *w, s, wParam, lParam);
    case kComboUserChoice:
        return Choose(hwnd, *w, s, static_cast<int>(wParam));
    case CB_GETITEMHEIGHT:
        return static_cast<int>(wParam) == -1 ? s.fieldHeight : s.itemHeight;
    case WM_PAINT:
        return Paint(hwnd, *w, s);
    case WM_ERASEBKGND:
        return 1;
    case WM_GETTEXT:
        return CopyText(SelectedText(s), reinterpret_cast<WCHAR*>(lParam), wParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(SelectedText(s).size());
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
    case WM_KEYDOWN:
        return Key(hwnd, *w, s, wParam);
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

void RegisterComboBoxClass(ClassRegistry& classes) {
    WNDCLASSW c{};
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = &ComboProc;
    c.lpszClassName = u"ComboBox";
    classes.Register(c);
}

} // namespace user

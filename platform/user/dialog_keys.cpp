#include <algorithm>
#include <vector>

#include "platform/user/button.h"
#include "platform/user/dialog_api.h"
#include "platform/user/edit.h"
#include "platform/user/input_api.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/msgbox_api.h"
#include "platform/user/window_api.h"

namespace {

DWORD Style(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
}

// By the control's own style: a dialog's controls take the focus while the dialog is still hidden.
bool CanFocus(HWND h) {
    return (Style(h) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

// The dialog's controls in tab order; a child with WS_EX_CONTROLPARENT
// contributes its own controls instead of itself.
void Collect(HWND parent, std::vector<HWND>& out) {
    for (HWND h = GetWindow(parent, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
        const auto ex = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_EXSTYLE));
        if ((ex & WS_EX_CONTROLPARENT) != 0 && CanFocus(h))
            Collect(h, out);
        else
            out.push_back(h);
    }
}

// The next item from position at that passes accept, stepping forward or back
// and wrapping within [first, end); at itself when no other does.
HWND Step(const std::vector<HWND>& items, std::size_t first, std::size_t end, std::size_t at, bool back,
          bool (*accept)(HWND)) {
    const std::size_t n = end - first;
    for (std::size_t i = 1; i <= n; ++i) {
        const std::size_t k = back ? first + (at - first + n * i - i) % n : first + (at - first + i) % n;
        if (accept(items[k]))
            return items[k];
    }
    return nullptr;
}

bool TabStop(HWND h) {
    return CanFocus(h) && (Style(h) & WS_TABSTOP) != 0;
}

LRESULT DialogCode(HWND control, MSG* msg) {
    return control
               ? SendMessageW(control, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg))
               : 0;
}

void MoveFocus(HWND to, bool selectText) {
    if (to == nullptr)
        return;
    SetFocus(to);
    if (selectText && (DialogCode(to, nullptr) & DLGC_HASSETSEL) != 0)
        SendMessageW(to, EM_SETSEL, 0, -1);
}

void Command(HWND dialog, int id, HWND control) {
    if (control != nullptr && !IsWindowEnabled(control))
        return;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

void Enter(HWND dialog, HWND focus, LRESULT code) {
    if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
        Command(dialog, GetDlgCtrlID(focus), focus);
        return;
    }
    const auto answer = static_cast<DWORD>(SendMessageW(dialog, DM_GETDEFID, 0, 0));
    const int id = HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : IDOK;
    Command(dialog, id, GetDlgItem(dialog, id));
}

// Whether the key-down was a dialog key the focus control left to the dialog.
bool DialogKey(HWND dialog, MSG* msg) {
    const HWND focus = GetFocus();
    const LRESULT code = DialogCode(msg->hwnd, msg);
    if ((code & DLGC_WANTMESSAGE) != 0)
        return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (msg->wParam) {
    case VK_TAB:
        if ((code & DLGC_WANTTAB) != 0)
            return false;
        MoveFocus(GetNextDlgTabItem(dialog, focus, shift ? TRUE : FALSE), true);
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if ((code & DLGC_WANTARROWS) != 0 || focus == nullptr)
            return false;
        MoveFocus(GetNextDlgGroupItem(dialog, focus, msg->wParam == VK_LEFT || msg->wParam == VK_UP), false);
        return true;
    case VK_RETURN:
        Enter(dialog, focus, code);
        return true;
    case VK_ESCAPE:
        Command(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL));
        return true;
    default:
        return false;
    }
}

} // namespace

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> items;
    Collect(dialog, items);
    if (items.empty())
        return nullptr;
    const auto it = std::find(items.begin(), items.end(), control);
    const bool back = previous != FALSE;
    // Starting nowhere, the search begins just before the first item (or after the last).
    const std::size_t at =
        it != items.end() ? static_cast<std::size_t>(it - items.begin()) : (back ? 0 : items.size() - 1);
    return Step(items, 0, items.size(), at, back, &TabStop);
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> items;
    Collect(dialog, items);
    const auto it = std::find(items.begin(), items.end(), control);
    if (it == items.end())
        return nullptr;
    const std::size_t at = static_cast<std::size_t>(it - items.begin());
    std::size_t first = at;
    while (first > 0 && (Style(items[first]) & WS_GROUP) == 0)
        --first;
    std::size_t end = at + 1;
    while (end < items.size() && (Style(items[end]) & WS_GROUP) == 0)
        ++end;
    return Step(items, first, end, at, previous != FALSE, &CanFocus);
}

BOOL IsDialogMessageW(HWND dialog, MSG* msg) {
    if (msg == nullptr || !IsWindow(dialog) || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)))
        return FALSE;
    if (msg->message == WM_KEYDOWN && DialogKey(dialog, msg))
        return TRUE;
    TranslateMessage(msg);
    DispatchMessageW(msg);
    return TRUE;
}

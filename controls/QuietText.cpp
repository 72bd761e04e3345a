#include "controls/QuietText.h"

#include <map>

#include "platform/user/edit.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/styles.h"
#include "platform/user/window_api.h"

namespace {

struct QuietRecord {
    WNDPROC previous;
    HWND edit;
};

// The procedures of parents subclassed while their edit's text is set. The
// parent's own GWL_USERDATA is left alone: a framework may keep its object
// there.
std::map<HWND, WNDPROC>& SwallowingParents() {
    static std::map<HWND, WNDPROC> parents;
    return parents;
}

LRESULT SwallowChangeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC own = SwallowingParents().at(hwnd);
    if (message == WM_COMMAND && HIWORD(static_cast<DWORD>(wParam)) == EN_CHANGE)
        return 0;
    return CallWindowProcW(own, hwnd, message, wParam, lParam);
}

LRESULT QuietProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* record = reinterpret_cast<QuietRecord*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const WNDPROC previous = record->previous;
    if (message == WM_SETTEXT) {
        const HWND parent = GetParent(hwnd);
        const bool swallow = parent != nullptr && SwallowingParents().count(parent) == 0;
        if (swallow)
            SwallowingParents()[parent] = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SwallowChangeProc)));
        const LRESULT result = CallWindowProcW(previous, hwnd, message, wParam, lParam);
        if (swallow) {
            SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SwallowingParents()[parent]));
            SwallowingParents().erase(parent);
        }
        return result;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        CallWindowProcW(previous, hwnd, message, wParam, lParam);
        delete record;
        return 0;
    }
    return CallWindowProcW(previous, hwnd, message, wParam, lParam);
}

} // namespace

bool InstallQuietText(HWND edit) {
    if (!IsWindow(edit))
        return false;
    auto* record = new QuietRecord{nullptr, edit};
    record->previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&QuietProc)));
    SetWindowLongPtrW(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
    return true;
}

#include "platform/user/message_api.h"

#include <stdexcept>

#include "platform/user/Desktop.h"
#include "platform/user/messages.h"

using user::Desktop;

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop::Hold hold(Desktop::Current());
    return proc != nullptr ? proc(hwnd, message, wParam, lParam)
                           : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& d = Desktop::Current();
    user::Window* w = d.Windows().Find(hwnd);
    if (w == nullptr)
        return 0;
    const LRESULT result = CallWindowProcW(w->proc, hwnd, message, wParam, lParam);
    if (!d.Input().hooks.empty())
        user::CallReturnHooks(hwnd, message, wParam, lParam, result);
    return result;
}

BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& d = Desktop::Current();
    if (hwnd != nullptr && d.Windows().Find(hwnd) == nullptr)
        return FALSE;
    d.Queue().Post(MSG{hwnd, message, wParam, lParam, d.Clock().TickCount(), POINT{0, 0}});
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    Desktop::Current().Queue().RequestQuit(exitCode);
}

BOOL PeekMessageW(MSG* msg, HWND hwnd, UINT filterFirst, UINT filterLast, UINT removeFlags) {
    if (msg == nullptr)
        return FALSE;
    auto found = Desktop::Current().Retrieve(hwnd, filterFirst, filterLast, (removeFlags & PM_REMOVE) != 0);
    if (!found)
        return FALSE;
    *msg = *found;
    return TRUE;
}

BOOL GetMessageW(MSG* msg, HWND hwnd, UINT filterFirst, UINT filterLast) {
    if (msg == nullptr)
        return FALSE;
    Desktop& d = Desktop::Current();
    for (;;) {
        if (auto found = d.Retrieve(hwnd, filterFirst, filterLast, true)) {
            *msg = *found;
            return msg->message == WM_QUIT ? FALSE : TRUE;
        }
        auto due = d.Timers().NextDue();
        if (!due || *due <= d.Clock().Now())
            throw std::runtime_error("GetMessageW would wait forever: nothing is queued, to paint or timed");
        d.Clock().Set(*due);
    }
}

LRESULT DispatchMessageW(const MSG* msg) {
    if (msg == nullptr)
        return 0;
    Desktop& d = Desktop::Current();
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        const user::Timer* t = d.Timers().Find(msg->hwnd, msg->wParam);
        if (t == nullptr || reinterpret_cast<LPARAM>(t->proc) != msg->lParam)
            return 0;
        const TIMERPROC proc = t->proc;
        Desktop::Hold hold(d);
        proc(msg->hwnd, WM_TIMER, msg->wParam, d.Clock().TickCount());
        return 0;
    }
    return SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

UINT RegisterWindowMessageW(LPCWSTR name) {
    return name == nullptr ? 0 : Desktop::Current().RegisterMessage(name);
}

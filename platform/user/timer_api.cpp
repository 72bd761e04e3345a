#include "platform/user/timer_api.h"

#include <string>

#include "platform/user/Desktop.h"

using user::Desktop;

namespace {

std::u16string Describe(HWND hwnd, UINT_PTR id, UINT elapse) {
    const std::string s = "window " + std::to_string(reinterpret_cast<std::uintptr_t>(hwnd)) + " id " +
                          std::to_string(id) +
                          (elapse != 0 ? " every " + std::to_string(elapse) + " ms" : "");
    return std::u16string(s.begin(), s.end());
}

} // namespace

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    Desktop& d = Desktop::Current();
    if (hwnd != nullptr && d.Windows().Find(hwnd) == nullptr)
        return 0;
    const UINT_PTR result = d.Timers().Set(hwnd, id, elapse, proc, d.Clock().Now());
    d.Effects().Add("SetTimer", Describe(hwnd, result, d.Timers().Find(hwnd, result)->elapse));
    return hwnd != nullptr && result == 0 ? 1 : result;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    Desktop& d = Desktop::Current();
    if (!d.Timers().Kill(hwnd, id))
        return FALSE;
    d.Effects().Add("KillTimer", Describe(hwnd, id, 0));
    return TRUE;
}

DWORD GetTickCount() {
    return Desktop::Current().Clock().TickCount();
}

void Sleep(DWORD ms) {
    Desktop::Current().Clock().Advance(ms);
}

ULONGLONG GetTickCount64() {
    return Desktop::Current().Clock().Now();
}

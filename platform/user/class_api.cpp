#include <cstring>

#include "platform/user/Desktop.h"
#include "platform/user/window_api.h"
#include "platform/win32/text.h"

using user::Desktop;

ATOM RegisterClassW(const WNDCLASSW* description) {
    return description == nullptr ? 0 : Desktop::Current().Classes().Register(*description);
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE) {
    Desktop& d = Desktop::Current();
    user::WindowClass* c = d.Classes().Find(className);
    if (c == nullptr)
        return FALSE;
    bool inUse = false;
    d.Windows().ForEachPreOrder([&](user::Window& w) {
        inUse = w.windowClass == c;
        return !inUse;
    });
    return !inUse && d.Classes().Unregister(className) ? TRUE : FALSE;
}

int GetClassNameW(HWND hwnd, LPWSTR buffer, int bufferLength) {
    user::Window* w = Desktop::Current().Windows().Find(hwnd);
    if (w == nullptr || buffer == nullptr || bufferLength <= 0)
        return 0;
    return static_cast<int>(
        win32::CopyTruncated(w->windowClass->name, buffer, static_cast<std::size_t>(bufferLength)));
}

namespace {

user::WindowClass* ClassOf(HWND hwnd) {
    user::Window* w = Desktop::Current().Windows().Find(hwnd);
    return w == nullptr ? nullptr : w->windowClass;
}

bool FitsExtra(const user::WindowClass& c, int index) {
    return index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= c.extra.size();
}

} // namespace

ULONG_PTR GetClassLongPtrW(HWND hwnd, int index) {
    user::WindowClass* c = ClassOf(hwnd);
    if (c == nullptr)
        return 0;
    if (index == GCL_STYLE)
        return c->style;
    if (index == GCLP_HBRBACKGROUND)
        return reinterpret_cast<ULONG_PTR>(c->background);
    if (index == GCLP_HCURSOR)
        return reinterpret_cast<ULONG_PTR>(c->cursor);
    if (!FitsExtra(*c, index))
        return 0;
    ULONG_PTR value = 0;
    std::memcpy(&value, c->extra.data() + index, sizeof value);
    return value;
}

ULONG_PTR SetClassLongPtrW(HWND hwnd, int index, LONG_PTR value) {
    user::WindowClass* c = ClassOf(hwnd);
    if (c == nullptr)
        return 0;
    const ULONG_PTR previous = GetClassLongPtrW(hwnd, index);
    if (index == GCL_STYLE)
        c->style = static_cast<UINT>(value);
    else if (index == GCLP_HBRBACKGROUND)
        c->background = reinterpret_cast<HBRUSH>(value);
    else if (index == GCLP_HCURSOR)
        c->cursor = reinterpret_cast<HCURSOR>(value);
    else if (FitsExtra(*c, index))
        std::memcpy(c->extra.data() + index, &value, sizeof value);
    return previous;
}

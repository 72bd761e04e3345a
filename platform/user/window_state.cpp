#include <algorithm>
#include <cstring>

#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

using user::Desktop;
using user::Window;

using user::Lookup;

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Desktop& d = Desktop::Current();
    Desktop::Hold hold(d);
    Window* w = d.Windows().Find(hwnd);
    if (w == nullptr)
        return FALSE;
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        SendMessageW(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        w->style |= WS_DISABLED;
        if (d.focus == hwnd || d.Windows().IsDescendant(hwnd, d.focus))
            SetFocus(nullptr);
        SendMessageW(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w != nullptr && (w->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text) {
    if (Lookup(hwnd) == nullptr)
        return FALSE;
    return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowTextW(HWND hwnd, LPWSTR buffer, int bufferLength) {
    if (buffer != nullptr && bufferLength > 0)
        buffer[0] = u'\0';
    if (Lookup(hwnd) == nullptr || buffer == nullptr || bufferLength <= 0)
        return 0;
    return static_cast<int>(
        SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(bufferLength), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthW(HWND hwnd) {
    return Lookup(hwnd) == nullptr ? 0 : static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

namespace {

bool FitsExtra(const Window& w, int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) + size <= w.extra.size();
}

template <typename T> T ReadExtra(const Window& w, int index) {
    T value{};
    std::memcpy(&value, w.extra.data() + index, sizeof value);
    return value;
}

template <typename T> void WriteExtra(Window& w, int index, T value) {
    std::memcpy(w.extra.data() + index, &value, sizeof value);
}

} // namespace

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) {
    Window* w = Lookup(hwnd);
    if (w == nullptr)
        return 0;
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(w->IsChild() ? w->parent : w->owner);
    case GWLP_ID:
        return w->id;
    case GWL_STYLE:
        return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(w->exStyle);
    case GWLP_USERDATA:
        return w->userData;
    default:
        return FitsExtra(*w, index, sizeof(LONG_PTR)) ? ReadExtra<LONG_PTR>(*w, index) : 0;
    }
}

LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
    Window* w = Lookup(hwnd);
    if (w == nullptr)
        return 0;
    const LONG_PTR previous = GetWindowLongPtrW(hwnd, index);
    switch (index) {
    case GWLP_WNDPROC:
        w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_HINSTANCE:
        w->instance = reinterpret_cast<HINSTANCE>(value);
        break;
    case GWLP_ID:
        w->id = value;
        break;
    case GWL_STYLE:
        w->style = static_cast<DWORD>(value);
        break;
    case GWL_EXSTYLE:
        w->exStyle = static_cast<DWORD>(value);
        break;
    case GWLP_USERDATA:
        w->userData = value;
        break;
    default:
        if (!FitsExtra(*w, index, sizeof(LONG_PTR)))
            return 0;
        WriteExtra(*w, index, value);
    }
    return previous;
}

namespace {

bool IsPointerIndex(int index) {
    return index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT ||
           index == GWLP_USERDATA;
}

} // namespace

LONG GetWindowLongW(HWND hwnd, int index) {
    Window* w = Lookup(hwnd);
    if (w == nullptr || IsPointerIndex(index))
        return 0;
    if (index >= 0)
        return FitsExtra(*w, index, sizeof(LONG)) ? ReadExtra<LONG>(*w, index) : 0;
    return static_cast<LONG>(GetWindowLongPtrW(hwnd, index) & 0xFFFFFFFF);
}

LONG SetWindowLongW(HWND hwnd, int index, LONG value) {
    Window* w = Lookup(hwnd);
    if (w == nullptr || IsPointerIndex(index))
        return 0;
    if (index >= 0) {
        if (!FitsExtra(*w, index, sizeof(LONG)))
            return 0;
        const LONG previous = ReadExtra<LONG>(*w, index);
        WriteExtra(*w, index, value);
        return previous;
    }
    return static_cast<LONG>(
        SetWindowLongPtrW(hwnd, index, static_cast<LONG_PTR>(static_cast<DWORD>(value))) & 0xFFFFFFFF);
}

#include "controls/WindowText.h"

#include "platform/user/window_api.h"

std::u16string GetWindowTextString(HWND window) {
    if (!IsWindow(window))
        return {};
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    const int n = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(n, 0)));
    return text;
}

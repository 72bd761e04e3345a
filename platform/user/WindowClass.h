#pragma once
// A registered window class: what RegisterClassW was given, plus the class's
// extra bytes.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/user/records.h"

namespace user {

struct WindowClass {
    ATOM atom = 0;
    std::u16string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int windowExtraBytes = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::vector<std::byte> extra;
};

} // namespace user

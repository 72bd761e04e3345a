#include "ProbeWindows.h"

#include <algorithm>

void ProbeWindows::SetUp() {
    user::Desktop::Reset();
    log.clear();
    hook = nullptr;
    WNDCLASSW c{};
    c.lpfnWndProc = &ProbeProc;
    c.lpszClassName = kClass;
    c.cbWndExtra = 16;
    ASSERT_NE(RegisterClassW(&c), 0);
}

void ProbeWindows::TearDown() {
    hook = nullptr;
    user::Desktop::Reset();
}

LRESULT ProbeWindows::ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    log.push_back({hwnd, message, wParam, lParam});
    if (hook) {
        if (auto answer = hook(hwnd, message, wParam, lParam))
            return *answer;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND ProbeWindows::Top(DWORD style, RECT r, HWND owner) {
    return CreateWindowExW(0, kClass, u"top", style, r.left, r.top, r.right - r.left, r.bottom - r.top, owner,
                           nullptr, nullptr, nullptr);
}

HWND ProbeWindows::Child(HWND parent, int id, RECT r, DWORD style) {
    return CreateWindowExW(0, kClass, u"child", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                           parent, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
}

std::vector<UINT> ProbeWindows::To(HWND hwnd, std::vector<UINT> ignore) const {
    std::vector<UINT> out;
    for (const Received& r : log) {
        if (r.hwnd == hwnd && std::find(ignore.begin(), ignore.end(), r.message) == ignore.end())
            out.push_back(r.message);
    }
    return out;
}

std::vector<std::pair<HWND, UINT>> ProbeWindows::Only(std::vector<UINT> messages) const {
    std::vector<std::pair<HWND, UINT>> out;
    for (const Received& r : log) {
        if (std::find(messages.begin(), messages.end(), r.message) != messages.end())
            out.emplace_back(r.hwnd, r.message);
    }
    return out;
}

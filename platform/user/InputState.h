#pragma once
// What the desktop knows of the user's hands: where the pointer is, which keys
// and buttons are down, the window whose leave is tracked, the last button
// press (for double clicks), the installed hooks and the cursor shown.

#include <array>
#include <cstdint>
#include <vector>

#include "platform/user/input_api.h"

namespace user {

struct Hook {
    HHOOK handle = nullptr;
    int kind = 0;
    HOOKPROC proc = nullptr;
};

struct InputState {
    POINT cursor{0, 0};
    std::array<bool, 256> down{};
    std::array<bool, 256> toggled{};
    HWND tracked = nullptr; // TME_LEAVE armed for this window
    struct {
        HWND hwnd = nullptr;
        UINT message = 0;
        std::uint64_t time = 0;
        POINT at{0, 0};
    } lastPress;
    std::vector<Hook> hooks; // newest first
    std::uintptr_t nextHook = 0x9000;
    HCURSOR shape = nullptr;
};

// The queue's view of input: whether a hook swallows the message as it is
// taken from the queue (hooks run in order, newest first).
bool HookSwallows(const MSG& msg);
// Called by SendMessageW after the window answered.
void CallReturnHooks(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT result);

} // namespace user

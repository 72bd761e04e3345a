#pragma once
// A fixture for window-layer tests: a fresh desktop per test and a window class
// "Probe" whose procedure records every message, lets the test answer any of
// them through a hook, and passes the rest to DefWindowProcW.

#include <functional>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "platform/user/Desktop.h"
#include "platform/user/rect_math.h"
#include "platform/user/user.h"

struct Received {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

using ProbeHook = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

class ProbeWindows : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static LRESULT ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND Top(DWORD style = WS_OVERLAPPED | WS_VISIBLE, RECT r = {100, 50, 500, 350}, HWND owner = nullptr);
    HWND Child(HWND parent, int id, RECT r, DWORD style = WS_CHILD | WS_VISIBLE);

    // The recorded messages from now on.
    void Forget() { log.clear(); }
    // Messages to hwnd, in order, leaving out those in `ignore`.
    std::vector<UINT> To(HWND hwnd, std::vector<UINT> ignore = {}) const;
    // (window, message) pairs of the given messages only, in order.
    std::vector<std::pair<HWND, UINT>> Only(std::vector<UINT> messages) const;

    static inline std::vector<Received> log;
    static inline ProbeHook hook;
    static constexpr const char16_t* kClass = u"Probe";
};

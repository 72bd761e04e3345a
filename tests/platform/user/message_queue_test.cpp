// Sent and posted messages: synchrony, re-entrance, queue order, filters, the
// quit request and the pump's guard against windows that never let it rest.

#include <stdexcept>

#include "ProbeWindows.h"

using Queue = ProbeWindows;
using Pair = std::pair<HWND, UINT>;

TEST_F(Queue, PostedMessagesArriveInOrderAfterWhatIsSent) {
    HWND a = Top();
    HWND b = Top();
    hook = [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (h == a && m == WM_USER + 1) {
            PostMessageW(b, WM_USER + 3, 0, 0);
            SendMessageW(b, WM_USER + 2, 0, 0); // handled before SendMessageW returns
        }
        return std::nullopt;
    };
    user::Desktop::Current().Pump(); // first paints
    PostMessageW(a, WM_USER + 1, 0, 0);
    PostMessageW(b, WM_USER + 4, 0, 0);
    Forget();
    EXPECT_EQ(user::Desktop::Current().Pump(), 3);
    EXPECT_EQ(Only({WM_USER + 1, WM_USER + 2, WM_USER + 3, WM_USER + 4}),
              (std::vector<Pair>{{a, WM_USER + 1}, {b, WM_USER + 2}, {b, WM_USER + 4}, {b, WM_USER + 3}}));
}

TEST_F(Queue, SendIsReentrant) {
    HWND a = Top();
    HWND b = Top();
    int depth = 0;
    int deepest = 0;
    hook = [&](HWND h, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_USER)
            return std::nullopt;
        ++depth;
        deepest = std::max(deepest, depth);
        const LRESULT below = w == 0 ? 0 : SendMessageW(h == a ? b : a, WM_USER, w - 1, 0);
        --depth;
        return below + 1;
    };
    EXPECT_EQ(SendMessageW(a, WM_USER, 5, 0), 6);
    EXPECT_EQ(deepest, 6);
}

TEST_F(Queue, PeekFiltersByWindowAndRangeAndCanLeaveTheMessage) {
    HWND top = Top();
    HWND child = Child(top, 1, {0, 0, 10, 10});
    HWND other = Top();
    user::Desktop::Current().Pump(); // first paints out of the way
    PostMessageW(other, WM_LBUTTONDOWN, 0, 0);
    PostMessageW(child, WM_USER, 0, 0);
    PostMessageW(child, WM_LBUTTONDOWN, 1, 0);
    MSG msg{};
    // The window filter takes the window's descendants too.
    ASSERT_TRUE(PeekMessageW(&msg, top, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, child);
    EXPECT_EQ(msg.wParam, 1u);
    ASSERT_TRUE(PeekMessageW(&msg, top, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    EXPECT_FALSE(PeekMessageW(&msg, top, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, other);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Queue, AMessageLoopEndsOnQuitAfterThePostedMessages) {
    HWND w = Top();
    hook = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER)
            PostQuitMessage(3);
        return std::nullopt;
    };
    user::Desktop::Current().Pump(); // first paint
    PostMessageW(w, WM_USER, 0, 0);
    PostMessageW(w, WM_USER + 1, 0, 0);
    Forget();
    MSG msg;
    int dispatched = 0;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        DispatchMessageW(&msg);
        ++dispatched;
    }
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(To(w), (std::vector<UINT>{WM_USER, WM_USER + 1}));
    // Nothing left and no timer: waiting would never end.
    EXPECT_THROW(GetMessageW(&msg, nullptr, 0, 0), std::runtime_error);
}

TEST_F(Queue, ThreadMessagesAreQueuedButNotDispatchedToAnyWindow) {
    EXPECT_TRUE(PostMessageW(nullptr, WM_USER, 7, 0));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(DispatchMessageW(&msg), 0);
}

TEST_F(Queue, APumpThatNeverRestsIsReported) {
    HWND w = Top();
    hook = [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER)
            PostMessageW(h, WM_USER, 0, 0);
        return std::nullopt;
    };
    PostMessageW(w, WM_USER, 0, 0);
    EXPECT_THROW(user::Desktop::Current().Pump(), std::runtime_error);
}

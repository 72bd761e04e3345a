// Timers on the test clock: due times, replacement, the minimum, coalescing,
// delivery order as the clock advances, and the tick count's wrap.

#include "ProbeWindows.h"

using Timers = ProbeWindows;

namespace {

std::vector<std::pair<UINT_PTR, DWORD>> tickTimes;

} // namespace

class TimerClock : public Timers {
protected:
    void SetUp() override {
        Timers::SetUp();
        tickTimes.clear();
        hook = [](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
            if (m == WM_TIMER)
                tickTimes.emplace_back(w, GetTickCount());
            return std::nullopt;
        };
        window = Top();
        user::Desktop::Current().Pump();
    }
    user::Desktop& desktop() { return user::Desktop::Current(); }
    HWND window = nullptr;
};

using Tick = std::pair<UINT_PTR, DWORD>;

TEST_F(TimerClock, AdvancingDeliversDueTicksInTimeOrder) {
    SetTimer(window, 1, 30, nullptr);
    SetTimer(window, 2, 50, nullptr);
    desktop().Advance(100);
    EXPECT_EQ(tickTimes, (std::vector<Tick>{{1, 30}, {2, 50}, {1, 60}, {1, 90}, {2, 100}}));
    EXPECT_EQ(GetTickCount(), 100u);
}

TEST_F(TimerClock, SettingTheSameIdReplacesTheTimer) {
    EXPECT_EQ(SetTimer(window, 7, 100, nullptr), 7u);
    desktop().Advance(60);
    SetTimer(window, 7, 20, nullptr); // due 20 ms from now, not from the first setting
    desktop().Advance(45);
    EXPECT_EQ(tickTimes, (std::vector<Tick>{{7, 80}, {7, 100}}));
}

TEST_F(TimerClock, ElapseBelowTheMinimumIsTenMilliseconds) {
    SetTimer(window, 1, 0, nullptr);
    desktop().Advance(25);
    EXPECT_EQ(tickTimes, (std::vector<Tick>{{1, 10}, {1, 20}}));
}

TEST_F(TimerClock, ATimerWaitsWithAtMostOneTickAndKeepsItsPhase) {
    SetTimer(window, 1, 30, nullptr);
    desktop().Clock().Advance(100); // as if the thread were busy: nothing delivered
    desktop().Pump();
    desktop().Advance(25);
    EXPECT_EQ(tickTimes, (std::vector<Tick>{{1, 100}, {1, 120}}));
}

TEST_F(TimerClock, KilledTimersAndTimersOfDestroyedWindowsAreGone) {
    SetTimer(window, 1, 10, nullptr);
    SetTimer(window, 2, 10, nullptr);
    EXPECT_TRUE(KillTimer(window, 1));
    EXPECT_FALSE(KillTimer(window, 1));
    desktop().Advance(10);
    EXPECT_EQ(tickTimes, (std::vector<Tick>{{2, 10}}));
    DestroyWindow(window);
    desktop().Advance(100);
    EXPECT_EQ(tickTimes.size(), 1u);
    EXPECT_FALSE(desktop().Timers().NextDue().has_value());
    EXPECT_EQ(SetTimer(window, 1, 10, nullptr), 0u);
}

TEST_F(TimerClock, TimersComeAfterPostedMessagesAndPaints) {
    SetTimer(window, 1, 10, nullptr);
    desktop().Clock().Advance(10);
    InvalidateRect(window, nullptr, FALSE);
    PostMessageW(window, WM_USER, 0, 0);
    Forget();
    desktop().Pump();
    EXPECT_EQ(To(window), (std::vector<UINT>{WM_USER, WM_PAINT, WM_TIMER}));
}

TEST_F(TimerClock, HandlersRunBetweenTicksAndSeeTheClockAtTheirDueTime) {
    std::vector<DWORD> posted;
    hook = [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_TIMER)
            PostMessageW(h, WM_USER, 0, 0);
        if (m == WM_USER)
            posted.push_back(GetTickCount());
        return std::nullopt;
    };
    SetTimer(window, 1, 40, nullptr);
    desktop().Advance(100);
    EXPECT_EQ(posted, (std::vector<DWORD>{40, 80}));
}

namespace {

std::vector<std::pair<UINT_PTR, DWORD>> procTicks;

void OnTimer(HWND, UINT message, UINT_PTR id, DWORD time) {
    if (message == WM_TIMER)
        procTicks.emplace_back(id, time);
}

} // namespace

TEST_F(TimerClock, ThreadTimersGetFreshIdsAndCallTheirProcedure) {
    procTicks.clear();
    const UINT_PTR a = SetTimer(nullptr, 0, 15, &OnTimer);
    const UINT_PTR b = SetTimer(nullptr, 0, 20, &OnTimer);
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    EXPECT_EQ(SetTimer(nullptr, a, 50, &OnTimer), a); // an existing id is replaced
    desktop().Advance(50);
    EXPECT_EQ(procTicks, (std::vector<Tick>{{b, 20}, {b, 40}, {a, 50}}));
}

TEST_F(TimerClock, TheTickCountWrapsAt32Bits) {
    desktop().Clock().Set(0xFFFFFFF0ull);
    const DWORD before = GetTickCount();
    SetTimer(window, 1, 20, nullptr);
    desktop().Advance(20);
    EXPECT_EQ(GetTickCount(), 4u);
    EXPECT_EQ(GetTickCount() - before, 20u); // unsigned difference across the wrap
    EXPECT_EQ(tickTimes, (std::vector<Tick>{{1, 4}}));
    EXPECT_EQ(GetTickCount64(), 0x100000004ull);
}

TEST_F(TimerClock, GetMessageWaitsOnTheClockForTheNextTimer) {
    SetTimer(window, 3, 250, nullptr);
    MSG msg;
    ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(GetTickCount(), 250u);
}

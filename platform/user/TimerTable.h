#pragma once
// Window timers on the test clock. A timer comes due `elapse` ms after it was
// set and then every `elapse` ms counted from its due time. It has at most one
// WM_TIMER waiting: ticks missed while nothing took the message are dropped,
// and the next due time is the first one after the moment it was taken.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/user/records.h"

namespace user {

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    std::uint64_t due = 0;
    TIMERPROC proc = nullptr;
    std::uint64_t order = 0; // setting order, breaks ties between equal due times
};

class TimerTable {
public:
    static constexpr UINT kMinimumElapse = 10;
    static constexpr UINT kMaximumElapse = 0x7FFFFFFF;

    // Sets or replaces the timer (hwnd, id); a thread timer (hwnd null) gets a new
    // id unless id names an existing thread timer. Returns the timer's id.
    UINT_PTR Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, std::uint64_t now);
    bool Kill(HWND hwnd, UINT_PTR id);
    void KillAll(HWND hwnd);
    const Timer* Find(HWND hwnd, UINT_PTR id) const;

    // The due timer (due <= now) with the earliest due time that `accept` takes.
    template <typename Accept> const Timer* FirstDue(std::uint64_t now, Accept accept) const {
        const Timer* best = nullptr;
        for (const Timer& t : mTimers) {
            if (t.due <= now && accept(t) && (best == nullptr || Earlier(t, *best)))
                best = &t;
        }
        return best;
    }
    // The timer's WM_TIMER was taken at `now`: schedule its next tick.
    void Consume(HWND hwnd, UINT_PTR id, std::uint64_t now);
    std::optional<std::uint64_t> NextDue() const;

private:
    static bool Earlier(const Timer& a, const Timer& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    }
    Timer* FindMutable(HWND hwnd, UINT_PTR id);
    UINT_PTR FreeThreadId() const;

    std::vector<Timer> mTimers;
    std::uint64_t mOrder = 0;
};

} // namespace user

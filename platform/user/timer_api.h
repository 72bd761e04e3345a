#pragma once
// Timers and the tick count, on the test clock (user::Desktop::Advance).
// SetTimer with an id the window already uses replaces that timer; an elapse
// below 10 ms becomes 10 ms; ticks repeat from the due time; a timer has at most
// one WM_TIMER waiting, which the queue hands out after posted messages and
// paints.

#include "platform/user/records.h"

inline constexpr UINT USER_TIMER_MINIMUM = 0x0000000A;
inline constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// Returns the timer's id (a fresh one for a thread timer, hwnd null), 0 on failure.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
// Milliseconds on the test clock, wrapping at 2^32.
DWORD GetTickCount();
ULONGLONG GetTickCount64();
// Blocks the thread: the test clock moves on by ms at once and nothing is
// delivered meanwhile (timers that come due wait for the next pump).
void Sleep(DWORD ms);

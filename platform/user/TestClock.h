#pragma once
// The clock of the window layer: milliseconds on a 64-bit count that only the
// test moves. GetTickCount reads its low 32 bits, so it wraps after 2^32 ms as
// the platform's does. Moving the clock here delivers nothing; the desktop's
// Advance moves it and delivers the timers that come due on the way.

#include <cstdint>

namespace user {

class TestClock {
public:
    std::uint64_t Now() const { return mNow; }
    std::uint32_t TickCount() const { return static_cast<std::uint32_t>(mNow & 0xFFFFFFFFu); }
    void Set(std::uint64_t ms) { mNow = ms; }
    void Advance(std::uint64_t ms) { mNow += ms; }

private:
    std::uint64_t mNow = 0;
};

} // namespace user

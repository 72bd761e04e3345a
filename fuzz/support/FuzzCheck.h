#pragma once
// What a harness asserts. A failed property prints what failed and aborts, which libFuzzer reports
// as a crash and keeps the input; the replay programs fail their test.

#include <chrono>
#include <cstddef>
#include <string>

namespace Fuzz {

[[noreturn]] void failed(const char* condition, const std::string& message, const char* file, int line);

/// A time limit for the work on one input that grows with its size: base plus perByte for each
/// byte, in the calling thread's CPU time in user mode (so other processes on the machine and the
/// kernel's work for them do not count). A
/// quadratic path in a reader exceeds it on long inputs. The base allows for the sanitizers' own
/// housekeeping, which now and then takes tens of milliseconds inside an allocation; the first input
/// of a process, which also pays for what is set up once, is exempt.
class CpuBudget {
public:
    CpuBudget(std::size_t bytes, std::chrono::microseconds base, std::chrono::nanoseconds perByte);

    /// Fails the run when the time since construction exceeds the budget; what names the work.
    void check(const char* what) const;

private:
    std::chrono::nanoseconds mStart;
    std::chrono::nanoseconds mAllowed;
};

} // namespace Fuzz

#define FUZZ_CHECK(condition, message)                                                                       \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            ::Fuzz::failed(#condition, (message), __FILE__, __LINE__);                                       \
    } while (false)
